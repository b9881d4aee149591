#include "HeadlessUi.h"

#include <QString>

namespace korvane::station {

namespace {
// Message boxes may hold several lines; the journal keeps one line per message.
std::string OneLine(const std::string& text) { return QString::fromStdString(text).simplified().toStdString(); }
}  // namespace

void HeadlessUi::Log(LogLevel level, const std::string& text) {
  std::string line = OneLine(text);
  if (line == last_) return;
  last_ = line;
  log_.Write(level, line);
}

void HeadlessUi::Message(const std::string& text, const std::string&) { Log(LogLevel::kWarning, text); }

void HeadlessUi::ErrorBox(const std::string& text, const std::string&) { Log(LogLevel::kError, text); }

bool HeadlessUi::YesNo(const std::string&, const std::string&, const std::string&, const std::string&) { return false; }

std::optional<std::string> HeadlessUi::SaveFile(const platform::FileDialogSpec&) { return std::nullopt; }

std::optional<std::string> HeadlessUi::OpenFile(const platform::FileDialogSpec&) { return std::nullopt; }

void HeadlessUi::ProgressOpen(const std::string&, const std::string&, int, int) {}

void HeadlessUi::ProgressSet(int) {}

void HeadlessUi::ProgressClose() {}

std::unique_ptr<platform::PageTarget> HeadlessUi::BeginPrint(const std::string&) { return nullptr; }

}  // namespace korvane::station
