#pragma once
// "Kommunikation": the communication trace while the window is open, one line per
// frame, damaged frame and time-out; it can be saved as a text file. Lines are shown
// in batches, so a busy line never waits for the text view.
#include <QDialog>
#include <QStringList>
#include <QTimer>

#include <memory>

#include "platform/Language.h"
#include "trace/TraceRecorder.h"

class QPlainTextEdit;
class QPushButton;

namespace korvane::link {
class Link;
}
namespace korvane::platform {
class Ui;
}

namespace korvane::trace {

class TraceWindow : public QDialog {
  Q_OBJECT

 public:
  // The lines the view keeps; older ones scroll away.
  static constexpr int kMaxLines = 50000;

  TraceWindow(link::Link& link, platform::Ui& ui, QWidget* parent = nullptr);
  ~TraceWindow() override;

  void setLanguage(Language language);
  // Asks for a file name and saves what the view holds; false when nothing was saved.
  bool Save();
  QString text() const;
  // Shows the lines not shown yet (the batch timer does it otherwise).
  void Flush();

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  link::Link& link_;
  platform::Ui& ui_;
  Language language_ = Language::kGerman;
  std::unique_ptr<TraceRecorder> recorder_;
  QStringList pending_;
  QTimer batch_;
  QPlainTextEdit* view_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* clear_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace korvane::trace
