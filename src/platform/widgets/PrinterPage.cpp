#include "platform/widgets/PrinterPage.h"

#include <QPrinter>

namespace korvane::platform {

PrinterPage::PrinterPage(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {
  printer_->setResolution(kPrintDpi);
  Begin(printer_.get());
}

PrinterPage::~PrinterPage() { FinishPainting(); }

bool PrinterPage::End() { return FinishPainting() && printer_->printerState() != QPrinter::Error; }

}  // namespace korvane::platform
