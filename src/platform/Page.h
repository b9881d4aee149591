#pragma once
// What printing needs of a printer: the printable area in device units, text at a
// position in the default font, page and job boundaries.
#include <string>

namespace korvane::platform {

class PageTarget {
 public:
  virtual ~PageTarget() = default;
  virtual int Width() const = 0;   // printable width, device units
  virtual int Height() const = 0;  // printable height, device units
  // Draws a text run; embedded line feeds start new lines below.
  virtual void DrawText(int x, int y, const std::string& text) = 0;
  // Later text in a fixed-width font: lines padded with blanks into columns line up.
  virtual void UseFixedPitch() {}
  virtual void NewPage() = 0;
  // Ends the job; false when it failed (then no output file is left behind).
  virtual bool End() = 0;
  // Why the job failed, for the user; empty when unknown.
  virtual std::string failure() const { return {}; }
};

}  // namespace korvane::platform
