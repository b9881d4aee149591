#pragma once
// The module logger dialog: readout with the chart, device clock, print and clearing,
// for device kinds 4 and 5. Thin: the logger flows do the work.
#include <QDialog>

#include "configuration/ConfigurationEditor.h"
#include "link/FlowContext.h"
#include "logger/ExportGuard.h"
#include "logger/LoggerReadout.h"
#include "platform/Clock.h"

class QPushButton;

namespace korvane::link {
class Link;
}
namespace korvane::platform {
class Ui;
}

namespace korvane::logger {

class LoggerChart;

// What the dialog works with.
struct LoggerParts {
  link::Link& link;
  platform::Ui& ui;
  const link::FlowContext& context;
  platform::Clock clock;
  ExportGuard* guard = nullptr;
};

class ModuleLoggerDialog : public QDialog {
  Q_OBJECT

 public:
  ModuleLoggerDialog(LoggerParts parts, ReadoutSource source, const QString& title, QWidget* parent = nullptr);

  // Button handlers (public so the tests press them without a mouse).
  void OnRead();
  void OnClock();
  void OnPrint();
  void OnClear();

  LoggerChart* chart() const { return chart_; }
  QPushButton* readButton() const { return read_; }

 private:
  LoggerParts parts_;
  ReadoutSource source_;
  LoggerReadout readout_;
  LoggerChart* chart_;
  QPushButton* read_;
};

// The configuration dialog's logger button on the desktop: the dialog above for the
// module the configuration read.
class QtModuleLogger : public configuration::LoggerLauncher {
 public:
  QtModuleLogger(LoggerParts parts, QWidget* parent) : parts_(parts), parent_(parent) {}
  void OpenLogger(const std::string& series, int language) override;

 private:
  LoggerParts parts_;
  QWidget* parent_;
};

}  // namespace korvane::logger
