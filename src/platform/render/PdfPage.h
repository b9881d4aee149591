#pragma once
// Page targets that paint with Qt at 600 dpi: a PDF file (where no printer is installed,
// "print to file", the command line), and the base a printer's page shares with it
// (platform/widgets/PrinterPage.h). Qt GUI only. Painting text needs a QGuiApplication
// (fonts).
#include <QBuffer>
#include <QFont>
#include <QPainter>

#include <memory>
#include <string>

#include "platform/Language.h"
#include "platform/Page.h"

class QPagedPaintDevice;
class QPdfWriter;

namespace korvane::platform {

constexpr int kPrintDpi = 600;

// Text is placed with its top-left corner at the given position, as a printer's text
// output does; every line feed starts a new line one line height below.
class PainterPage : public PageTarget {
 public:
  ~PainterPage() override;
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void DrawText(int x, int y, const std::string& text) override;
  void UseFixedPitch() override;
  void NewPage() override;
  bool End() override { return FinishPainting(); }
  bool ok() const { return ok_; }

 protected:
  // Starts painting on device; call from the derived constructor once it is set up.
  void Begin(QPagedPaintDevice* device);
  // Ends painting (once); false when painting failed.
  bool FinishPainting();

 private:
  QPagedPaintDevice* device_ = nullptr;
  QPainter painter_;
  QFont font_;
  int width_ = 0;
  int height_ = 0;
  bool ok_ = false;
  bool ended_ = false;
  bool painted_ = false;
};

// A PDF file (A4, 600 dpi). The document is built in memory and saved when the job
// ends without error, replacing the file only when the whole PDF is on disk.
class PdfPage : public PainterPage {
 public:
  PdfPage(const std::string& path, const std::string& title, Language language);
  ~PdfPage() override;
  bool End() override;
  std::string failure() const override { return failure_; }

 private:
  std::string path_;
  QBuffer buffer_;
  std::unique_ptr<QPdfWriter> writer_;
  std::string failure_;
  Language language_;  // of failure()
  bool saved_ = false;
};

}  // namespace korvane::platform
