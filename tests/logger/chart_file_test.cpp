// The logger chart as a file, painted without widgets: the picture's size, each series
// in its colour on its own axis, running the way its values run, and a PDF page.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cstdlib>
#include <optional>

#include "logger/render/ChartFile.h"
#include "logger/render/ChartPicture.h"

namespace korvane::logger {
namespace {

// Ten records a minute apart: value 1 rises from 6 to 8, the temperature falls from 25 to 20.
std::vector<LongRecord> Rising() {
  std::vector<LongRecord> table;
  for (int i = 0; i < 10; ++i) {
    LongRecord r;
    r.day = 9, r.month = 3, r.year = 26, r.hour = 10, r.minute = static_cast<std::uint8_t>(i);
    r.value1 = 6.0f + 2.0f * static_cast<float>(i) / 9.0f;
    r.temperature = 25.0f - 5.0f * static_cast<float>(i) / 9.0f;
    table.push_back(r);
  }
  return table;
}

// Within the antialiasing's blend of the colour.
bool Near(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) < 40;
}

// The mean height of the pixels of a colour in the columns around x; nothing when none is.
std::optional<double> MeanRowOf(const QImage& image, QRgb colour, int x) {
  double sum = 0;
  int n = 0;
  for (int column = x - 3; column <= x + 3; ++column)
    for (int row = 0; row < image.height(); ++row)
      if (Near(image.pixel(column, row), colour)) sum += row, ++n;
  if (n == 0) return std::nullopt;
  return sum / n;
}

TEST(ChartFile, PngShowsEachSeriesRunningItsWayAndPdfIsAPage) {
  QTemporaryDir dir;
  const std::string png = QDir(dir.path()).filePath("chart.png").toStdString();
  const std::string pdf = QDir(dir.path()).filePath("chart.pdf").toStdString();
  std::string error;
  ASSERT_TRUE(SaveChartFile(png, Rising(), "pH Wert", "A123", &error, Language::kEnglish)) << error;
  ASSERT_TRUE(SaveChartFile(pdf, Rising(), "pH Wert", "A123", &error, Language::kEnglish)) << error;

  QImage image(QString::fromStdString(png));
  ASSERT_EQ(image.size(), QSize(kChartPictureWidth, kChartPictureHeight));
  const QRgb value = qRgb(0x20, 0x9f, 0xdf), temperature = qRgb(0x99, 0xca, 0x53);
  // Columns inside the plot near its start and its end (the plot spans 110..1490).
  const auto valueEarly = MeanRowOf(image, value, 300), valueLate = MeanRowOf(image, value, 1300);
  const auto tempEarly = MeanRowOf(image, temperature, 300), tempLate = MeanRowOf(image, temperature, 1300);
  ASSERT_TRUE(valueEarly && valueLate && tempEarly && tempLate) << "both series are drawn across the plot";
  EXPECT_GT(*valueEarly, *valueLate + 100) << "a rising value climbs (rows count downwards)";
  EXPECT_LT(*tempEarly + 100, *tempLate) << "a falling temperature sinks";

  QFile file(QString::fromStdString(pdf));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(5).startsWith("%PDF-"));
}

TEST(ChartFile, NoRecordsStillGiveAnEmptyChart) {
  QTemporaryDir dir;
  const std::string png = QDir(dir.path()).filePath("empty.png").toStdString();
  std::string error;
  ASSERT_TRUE(SaveChartFile(png, {}, "pH Wert", "A123", &error, Language::kGerman)) << error;
  EXPECT_EQ(QImage(QString::fromStdString(png)).size(), QSize(kChartPictureWidth, kChartPictureHeight));
}

}  // namespace
}  // namespace korvane::logger
