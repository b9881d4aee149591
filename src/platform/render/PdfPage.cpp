#include "platform/render/PdfPage.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QStringList>

#include "platform/Reasons.h"
#include "platform/SafeFile.h"
#include "platform/Texts.h"

namespace korvane::platform {

PainterPage::~PainterPage() { FinishPainting(); }

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

void PainterPage::UseFixedPitch() {
  if (!ok_ || ended_) return;
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setPointSize(font_.pointSize());
  fixed.setStyleHint(QFont::Monospace);
  fixed.setFixedPitch(true);
  font_ = fixed;
  painter_.setFont(font_);
}

void PainterPage::NewPage() {
  if (ok_ && !ended_) device_->newPage();
}

bool PainterPage::FinishPainting() {
  if (!ended_) {
    ended_ = true;
    painted_ = ok_ && painter_.end();
  }
  return painted_;
}

PdfPage::PdfPage(const std::string& path, const std::string& title, Language language)
    : path_(path), language_(language) {
  buffer_.open(QIODevice::WriteOnly);
  writer_ = std::make_unique<QPdfWriter>(&buffer_);
  writer_->setResolution(kPrintDpi);
  writer_->setPageSize(QPageSize(QPageSize::A4));
  writer_->setTitle(QString::fromStdString(title));
  writer_->setCreator(QStringLiteral("Korvane"));
  Begin(writer_.get());
}

PdfPage::~PdfPage() { FinishPainting(); }

bool PdfPage::End() {
  if (saved_) return true;
  if (!FinishPainting()) {
    if (failure_.empty()) failure_ = Tr(language_, reasons::kPdfNotDrawn);
    return false;
  }
  // Ended twice: the first call already tried and told why.
  if (!failure_.empty()) return false;
  const QByteArray& pdf = buffer_.data();
  saved_ = SaveFileReplacing(path_, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())), &failure_,
                             language_);
  return saved_;
}

}  // namespace korvane::platform
