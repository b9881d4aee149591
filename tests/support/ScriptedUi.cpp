#include "support/ScriptedUi.h"

namespace korvane::test {
namespace {

template <typename T>
T Take(std::deque<T>& q, T fallback) {
  if (q.empty()) return fallback;
  T v = q.front();
  q.pop_front();
  return v;
}

}  // namespace

void ScriptedUi::Record(UiEvent e) {
  events.push_back(e);
  if (onEvent) onEvent(events.back());
}

std::vector<std::string> ScriptedUi::Messages() const {
  std::vector<std::string> out;
  for (const UiEvent& e : events)
    if (e.kind == "message" || e.kind == "error") out.push_back(e.text);
  return out;
}

std::vector<std::string> ScriptedUi::Kinds() const {
  std::vector<std::string> out;
  for (const UiEvent& e : events) out.push_back(e.kind);
  return out;
}

void ScriptedUi::Message(const std::string& text, const std::string& title) { Record({"message", text, title}); }

void ScriptedUi::ErrorBox(const std::string& text, const std::string& title) { Record({"error", text, title}); }

bool ScriptedUi::YesNo(const std::string& title, const std::string& question, const std::string& yes,
                       const std::string& no) {
  Record({"yesno", question, title + "|" + yes + "|" + no});
  return Take(yesNo, false);
}

std::optional<std::string> ScriptedUi::SaveFile(const platform::FileDialogSpec& dialog) {
  Record({"save", dialog.filter, dialog.defaultExtension});
  return Take(saveFiles, std::optional<std::string>());
}

std::optional<std::string> ScriptedUi::OpenFile(const platform::FileDialogSpec& dialog) {
  Record({"open", dialog.filter, dialog.defaultExtension});
  return Take(openFiles, std::optional<std::string>());
}

void ScriptedUi::ProgressOpen(const std::string& caption, const std::string& text, int min, int max) {
  UiEvent e{"progress-open", text, caption, max};
  cancellable_ = false;
  lastProgress_ = min;
  Record(e);
}

void ScriptedUi::ProgressSet(int position) {
  lastProgress_ = position;
  Record({"progress-set", "", "", position});
}

void ScriptedUi::ProgressClose() {
  cancellable_ = false;
  lastProgress_ = 0;
  Record({"progress-close", "", ""});
}

calibration::EntryResult ScriptedUi::EnterValue(calibration::ValueEntry& entry) {
  UiEvent e{"entry", entry.prompt, entry.unit};
  e.number = static_cast<int>(entry.value);
  Record(e);
  std::optional<float> typed = Take(entries, std::optional<float>());
  if (!typed) return calibration::EntryResult::kClosed;
  entry.value = *typed;
  return calibration::EntryResult::kAccepted;
}

calibration::ResultAction ScriptedUi::ShowResult(const calibration::ResultRows& rows) {
  UiEvent e{"result", rows.saveCaption, rows.exitCaption};
  e.rows = rows;
  Record(e);
  return Take(results, 2) == 1 ? calibration::ResultAction::kSave : calibration::ResultAction::kExit;
}

calibration::Choice ScriptedUi::Choose(const std::string& firstCaption, const std::string& secondCaption) {
  Record({"choice", firstCaption + "|" + secondCaption, ""});
  return Take(choices, 2) == 1 ? calibration::Choice::kFirst : calibration::Choice::kSecond;
}

std::optional<measurement::TimeOfDay> ScriptedUi::PickInterval(const measurement::TimeOfDay& preset) {
  UiEvent e{"interval", "", ""};
  e.number = preset.hour * 3600 + preset.minute * 60 + preset.second;
  Record(e);
  return Take(intervals, std::optional<measurement::TimeOfDay>());
}

std::unique_ptr<platform::PageTarget> ScriptedUi::BeginPrint(const std::string& documentName) {
  Record({"print", documentName, ""});
  if (!printAccept) return nullptr;
  // The job owns a forwarder; the drawing stays with the script for the test to read.
  class Forwarder : public platform::PageTarget {
   public:
    explicit Forwarder(std::shared_ptr<RecordingPage> page) : page_(std::move(page)) {}
    int Width() const override { return page_->Width(); }
    int Height() const override { return page_->Height(); }
    void DrawText(int x, int y, const std::string& text) override { page_->DrawText(x, y, text); }
    void NewPage() override { page_->NewPage(); }
    bool End() override { return page_->End(); }

   private:
    std::shared_ptr<RecordingPage> page_;
  };
  lastPage = std::make_shared<RecordingPage>(pageWidth, pageHeight);
  return std::make_unique<Forwarder>(lastPage);
}

}  // namespace korvane::test
