#pragma once
// A small "please wait" window without buttons, shown while the program is busy in the
// same thread (e.g. finishing a logger readout), modal to the window it belongs to; it
// closes when the notice goes out of scope.
#include <QDialog>

class QWidget;

namespace korvane::platform {

class WaitNotice : public QDialog {
 public:
  WaitNotice(const QString& text, QWidget* parent);
};

}  // namespace korvane::platform
