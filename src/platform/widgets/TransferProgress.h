#pragma once
// The progress window of a transfer: a text, a bar and, where the flow looks for it, a
// cancel button. Modal to the window it belongs to, so nothing in that window starts
// while the transfer runs; it never dispatches events itself (the flow's waits do), so
// setting the bar cannot run anything in the middle of the flow.
#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace korvane::platform {

class TransferProgress : public QDialog {
  Q_OBJECT

 public:
  TransferProgress(const QString& caption, const QString& text, int min, int max, QWidget* owner);

  void setValue(int value);
  int value() const;
  // Shows the cancel button with this caption.
  void AllowCancel(const QString& caption);
  bool cancelled() const { return cancelled_; }
  QString text() const;

  // The close box and Esc are the cancel button, where there is one.
  void reject() override;

 private:
  QLabel* text_;
  QProgressBar* bar_;
  QPushButton* cancel_;
  bool cancelled_ = false;
};

}  // namespace korvane::platform
