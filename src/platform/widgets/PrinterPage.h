#pragma once
// A printer's page target: the painting of a PDF page (platform/render/PdfPage.h) on a
// printer chosen in the print dialog, at 600 dpi.
#include <memory>

#include "platform/render/PdfPage.h"

class QPrinter;

namespace korvane::platform {

// A printer already configured (print dialog); printed at 600 dpi.
class PrinterPage : public PainterPage {
 public:
  explicit PrinterPage(std::unique_ptr<QPrinter> printer);
  ~PrinterPage() override;
  bool End() override;

 private:
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace korvane::platform
