#pragma once
// The module logger's flows for one opening of its dialog: what its buttons do on the
// module (LoggerActions), and the readout into a file the user chooses, which the
// display unit's logger shares. QtCore only.
#include <optional>
#include <string>
#include <vector>

#include "link/FlowContext.h"
#include "logger/ExportGuard.h"
#include "logger/LoggerReadout.h"
#include "platform/Clock.h"
#include "platform/Language.h"
#include "platform/Ui.h"

namespace korvane::link {
class Link;
}

namespace korvane::logger {

// What the module logger dialog's buttons do on the module.
class LoggerActions {
 public:
  virtual ~LoggerActions() = default;
  // "Auslesen": asks for the export file, then reads the logger into it; nullopt when
  // no file was chosen (nothing is read then).
  virtual std::optional<ReadoutResult> Read() = 0;
  // What the last readout brought, for the chart.
  virtual const std::vector<LongRecord>& table() const = 0;
  virtual std::string firstColumnName() const = 0;
  virtual const ReadoutSource& source() const = 0;
  // "Uhr stellen": the module's own time when the dialog opens (nothing when it does not
  // tell), the time the user chose, and the PC's time the dialog runs with.
  virtual std::optional<platform::LocalTime> ReadClock() { return std::nullopt; }
  virtual void SetClock(const platform::LocalTime& t) = 0;
  virtual platform::LocalTime Now() = 0;
  // "Löschen": asks, then clears the logger.
  virtual void Clear() = 0;
  // "Drucken" found no printer to start: the user is told.
  virtual void PrinterFailed() = 0;
  virtual Language language() const = 0;
};

// What the module logger works with.
struct LoggerParts {
  link::Link& link;
  platform::Ui& ui;
  const link::FlowContext& context;
  platform::Clock clock;
  ExportGuard* guard = nullptr;
};

// The export file's dialog: as for a recording file.
platform::FileDialogSpec ExportFileDialog();

// Asks for the export file, lets the guard end a recording into that file, then reads
// the logger into it; nullopt when no file was chosen.
std::optional<ReadoutResult> ReadIntoChosenFile(platform::Ui& ui, ExportGuard* guard, LoggerReadout& readout,
                                                const ReadoutSource& source);

class ModuleLogger : public LoggerActions {
 public:
  ModuleLogger(LoggerParts parts, ReadoutSource source);

  std::optional<ReadoutResult> Read() override;
  const std::vector<LongRecord>& table() const override { return readout_.table(); }
  std::string firstColumnName() const override { return readout_.columnNames()[0]; }
  const ReadoutSource& source() const override { return source_; }
  std::optional<platform::LocalTime> ReadClock() override;
  void SetClock(const platform::LocalTime& t) override;
  platform::LocalTime Now() override { return parts_.clock(); }
  void Clear() override;
  void PrinterFailed() override;
  Language language() const override { return parts_.context.language; }

 private:
  LoggerParts parts_;
  ReadoutSource source_;
  LoggerReadout readout_;
  // The module's time as ReadClock read it, and the PC's time then.
  std::optional<platform::LocalTime> moduleClock_;
  platform::LocalTime readAt_;
};

}  // namespace korvane::logger
