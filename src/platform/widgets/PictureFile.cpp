#include "platform/widgets/PictureFile.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QWidget>

#include "platform/Reasons.h"
#include "platform/SafeFile.h"

namespace korvane::platform {
namespace {

bool HasSuffix(const std::string& path, const char* suffix) {
  return QString::fromStdString(path).endsWith(QLatin1String(suffix), Qt::CaseInsensitive);
}

}  // namespace

bool IsPdfFileName(const std::string& path) { return HasSuffix(path, ".pdf"); }

bool IsPictureFileName(const std::string& path) { return IsPdfFileName(path) || HasSuffix(path, ".png"); }

bool SaveWidgetPicture(QWidget& widget, const std::string& path, const QString& title, std::string* error,
                       Language language) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (IsPdfFileName(path)) {
    QPdfWriter pdf(&buffer);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10)));
    pdf.setResolution(150);
    pdf.setTitle(title);
    QPainter painter(&pdf);
    widget.render(&painter);  // the widget as shown, not only a chart's scene
  } else {
    widget.grab().toImage().save(&buffer, "PNG");
  }
  buffer.close();
  if (bytes.isEmpty()) {
    *error = reasons::kNothingWritten(language);
    return false;
  }
  return SaveFileReplacing(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), error,
                           language);
}

}  // namespace korvane::platform
