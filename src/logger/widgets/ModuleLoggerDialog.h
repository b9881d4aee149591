#pragma once
// The module logger dialog: readout with the chart, device clock, print and clearing,
// for device kinds 4 and 5. Thin: the logger flows do the work.
#include <QDialog>

#include <memory>

#include "logger/LoggerLauncher.h"
#include "logger/ModuleLogger.h"
#include "platform/Language.h"

class QPushButton;

namespace korvane::link {
class Link;
}

namespace korvane::logger {

class LoggerChart;

class ModuleLoggerDialog : public QDialog {
  Q_OBJECT

 public:
  // line: the buttons that talk to the module wait while a flow holds it (nullptr:
  // they never do).
  ModuleLoggerDialog(LoggerActions& actions, const QString& title, link::Link* line = nullptr,
                     QWidget* parent = nullptr);

  // Button handlers (public so the tests press them without a mouse).
  void OnRead();
  void OnClock();
  void OnPrint();
  void OnClear();

  LoggerChart* chart() const { return chart_; }
  QPushButton* readButton() const { return read_; }

 private:
  LoggerActions& actions_;
  LoggerChart* chart_;
  QPushButton* read_;
};

// The configuration dialog's logger button on the desktop: the dialog above on the
// module logger's flows, for the module the configuration read.
class QtModuleLogger : public LoggerLauncher {
 public:
  QtModuleLogger(LoggerParts parts, QWidget* parent) : parts_(parts), parent_(parent) {}
  void OpenLogger(const std::string& series, Language language) override;

 private:
  LoggerParts parts_;
  QWidget* parent_;
};

}  // namespace korvane::logger
