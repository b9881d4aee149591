#include "logger/ModuleLogger.h"

#include "logger/DeviceClock.h"

namespace korvane::logger {

platform::FileDialogSpec ExportFileDialog() {
  return {"txt", "*.txt", "Text (*.txt) | *.txt | Alle Dateien (*.*)|*.*||", true, "logger"};
}

std::optional<ReadoutResult> ReadIntoChosenFile(platform::Ui& ui, ExportGuard* guard, LoggerReadout& readout,
                                                const ReadoutSource& source) {
  const std::optional<std::string> path = ui.SaveFile(ExportFileDialog());
  if (!path) return std::nullopt;
  if (guard) guard->BeforeExport(*path);
  return readout.Read(*path, source);
}

ModuleLogger::ModuleLogger(LoggerParts parts, ReadoutSource source)
    : parts_(parts), source_(std::move(source)), readout_(parts.link, parts.ui, parts.context) {}

std::optional<ReadoutResult> ModuleLogger::Read() {
  return ReadIntoChosenFile(parts_.ui, parts_.guard, readout_, source_);
}

std::optional<platform::LocalTime> ModuleLogger::ReadClock() {
  moduleClock_ = ReadDeviceClock(parts_.link, parts_.context);
  readAt_ = parts_.clock();
  return moduleClock_;
}

void ModuleLogger::SetClock(const platform::LocalTime& t) {
  // The module's clock ran on since it was read, as the PC's did.
  std::optional<platform::LocalTime> before;
  if (moduleClock_)
    before = CivilTime(CivilSeconds(*moduleClock_) + CivilSeconds(parts_.clock()) - CivilSeconds(readAt_));
  SetDeviceClock(parts_.link, parts_.ui, parts_.context, t, before);
}

void ModuleLogger::Clear() { readout_.Clear(false); }

void ModuleLogger::PrinterFailed() {
  parts_.ui.Message("Der Drucker kann nicht gestartet werden.\nThe printer could not be started.");
}

}  // namespace korvane::logger
