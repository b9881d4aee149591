#include "platform/render/PictureFile.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "platform/Reasons.h"
#include "platform/SafeFile.h"
#include "platform/Texts.h"

namespace korvane::platform {
namespace {

bool HasSuffix(const std::string& path, const char* suffix) {
  return QString::fromStdString(path).endsWith(QLatin1String(suffix), Qt::CaseInsensitive);
}

}  // namespace

bool IsPdfFileName(const std::string& path) { return HasSuffix(path, ".pdf"); }

bool IsPictureFileName(const std::string& path) { return IsPdfFileName(path) || HasSuffix(path, ".png"); }

QByteArray PdfOfDrawing(const QString& title, const std::function<void(QPainter&)>& draw) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10)));
    pdf.setResolution(150);
    pdf.setTitle(title);
    QPainter painter(&pdf);
    draw(painter);
  }
  buffer.close();
  return bytes;
}

bool SavePictureBytes(const std::string& path, const QByteArray& bytes, std::string* error, Language language) {
  if (bytes.isEmpty()) {
    *error = Tr(language, reasons::kNothingWritten);
    return false;
  }
  return SaveFileReplacing(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), error,
                           language);
}

}  // namespace korvane::platform
