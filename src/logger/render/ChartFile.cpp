#include "logger/render/ChartFile.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include "logger/render/ChartPicture.h"
#include "platform/render/PictureFile.h"

namespace korvane::logger {

bool IsChartFileName(const std::string& path) { return platform::IsPictureFileName(path); }

bool SaveChartFile(const std::string& path, const std::vector<LongRecord>& table, const std::string& valueName,
                   const std::string& identity, std::string* error, Language language) {
  const QRect area(0, 0, kChartPictureWidth, kChartPictureHeight);
  QByteArray bytes;
  if (platform::IsPdfFileName(path)) {
    bytes = platform::PdfOfDrawing(QStringLiteral("Datenlogger"), [&](QPainter& painter) {
      PaintLoggerChart(painter, area, table, valueName, identity, language);
    });
  } else {
    QImage image(area.size(), QImage::Format_RGB32);
    {
      QPainter painter(&image);
      PaintLoggerChart(painter, area, table, valueName, identity, language);
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
  }
  return platform::SavePictureBytes(path, bytes, error, language);
}

}  // namespace korvane::logger
