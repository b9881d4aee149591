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
  virtual void NewPage() = 0;
  virtual void End() = 0;
};

}  // namespace korvane::platform
