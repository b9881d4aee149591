#pragma once
// Page targets that paint with Qt at 600 dpi: a printer chosen in the print dialog (or
// a PDF file where no printer is installed), and a PDF file for the command line.
// Painting text needs a QGuiApplication (fonts).
#include <QFont>
#include <QPainter>

#include <memory>
#include <string>

#include "platform/Page.h"

class QPagedPaintDevice;
class QPrinter;
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
  void NewPage() override;
  void End() override;
  bool ok() const { return ok_; }

 protected:
  // Starts painting on device; call from the derived constructor once it is set up.
  void Begin(QPagedPaintDevice* device);

 private:
  QPagedPaintDevice* device_ = nullptr;
  QPainter painter_;
  QFont font_;
  int width_ = 0;
  int height_ = 0;
  bool ok_ = false;
  bool ended_ = false;
};

// A printer already configured (print dialog); printed at 600 dpi.
class PrinterPage : public PainterPage {
 public:
  explicit PrinterPage(std::unique_ptr<QPrinter> printer);
  ~PrinterPage() override;

 private:
  std::unique_ptr<QPrinter> printer_;
};

// A PDF file (A4, 600 dpi).
class PdfPage : public PainterPage {
 public:
  PdfPage(const std::string& path, const std::string& title);
  ~PdfPage() override;

 private:
  std::unique_ptr<QPdfWriter> writer_;
};

}  // namespace korvane::platform
