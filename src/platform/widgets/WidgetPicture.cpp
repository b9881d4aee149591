#include "platform/widgets/WidgetPicture.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QWidget>

namespace korvane::platform {

bool SaveWidgetPicture(QWidget& widget, const std::string& path, const QString& title, std::string* error,
                       Language language) {
  QByteArray bytes;
  if (IsPdfFileName(path)) {
    // The widget as shown, not only a chart's scene.
    bytes = PdfOfDrawing(title, [&widget](QPainter& painter) { widget.render(&painter); });
  } else {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    widget.grab().toImage().save(&buffer, "PNG");
  }
  return SavePictureBytes(path, bytes, error, language);
}

}  // namespace korvane::platform
