#include "platform/widgets/PrinterPage.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QStringList>

namespace korvane::platform {

PainterPage::~PainterPage() { End(); }

void PainterPage::Begin(QPagedPaintDevice* device) {
  device_ = device;
  ok_ = painter_.begin(device);
  if (!ok_) return;
  font_ = QFont(QStringLiteral("Arial"), 10);
  font_.setStyleHint(QFont::SansSerif);
  painter_.setFont(font_);
  const QRect page = device->pageLayout().paintRectPixels(device->logicalDpiX());
  width_ = page.width();
  height_ = page.height();
}

void PainterPage::DrawText(int x, int y, const std::string& text) {
  if (!ok_ || ended_) return;
  const QFontMetrics fm(painter_.font(), device_);
  const QStringList lines = QString::fromStdString(text).split(QLatin1Char('\n'));
  int top = y;
  for (const QString& line : lines) {
    QString clean = line;
    clean.remove(QLatin1Char('\r'));
    painter_.drawText(x, top + fm.ascent(), clean);
    top += fm.lineSpacing();
  }
}

void PainterPage::NewPage() {
  if (ok_ && !ended_) device_->newPage();
}

void PainterPage::End() {
  if (ended_) return;
  ended_ = true;
  if (ok_) painter_.end();
}

PrinterPage::PrinterPage(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {
  printer_->setResolution(kPrintDpi);
  Begin(printer_.get());
}

PrinterPage::~PrinterPage() { End(); }

PdfPage::PdfPage(const std::string& path, const std::string& title)
    : writer_(std::make_unique<QPdfWriter>(QString::fromStdString(path))) {
  writer_->setResolution(kPrintDpi);
  writer_->setPageSize(QPageSize(QPageSize::A4));
  writer_->setTitle(QString::fromStdString(title));
  writer_->setCreator(QStringLiteral("Korvane"));
  Begin(writer_.get());
}

PdfPage::~PdfPage() { End(); }

}  // namespace korvane::platform
