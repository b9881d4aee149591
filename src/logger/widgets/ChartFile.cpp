#include "logger/widgets/ChartFile.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "logger/widgets/LoggerChart.h"
#include "platform/Reasons.h"
#include "platform/SafeFile.h"

namespace korvane::logger {
namespace {

bool EndsWith(const std::string& path, const char* suffix) {
  return QString::fromStdString(path).endsWith(QLatin1String(suffix), Qt::CaseInsensitive);
}

}  // namespace

bool IsChartFileName(const std::string& path) { return EndsWith(path, ".pdf") || EndsWith(path, ".png"); }

bool SaveChartFile(const std::string& path, const std::vector<LongRecord>& table, const std::string& valueName,
                   const std::string& identity, std::string* error, Language language) {
  LoggerChart chart;
  chart.resize(1600, 900);
  chart.Fill(table, valueName, identity);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (EndsWith(path, ".pdf")) {
    QPdfWriter pdf(&buffer);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10)));
    pdf.setResolution(150);
    pdf.setTitle(QStringLiteral("Datenlogger"));
    QPainter painter(&pdf);
    chart.QWidget::render(&painter);  // the widget as shown, not only the scene
  } else {
    chart.grab().toImage().save(&buffer, "PNG");
  }
  buffer.close();
  if (bytes.isEmpty()) {
    *error = platform::reasons::kNothingWritten(language);
    return false;
  }
  return platform::SaveFileReplacing(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                                     error, language);
}

}  // namespace korvane::logger
