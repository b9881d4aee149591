#pragma once
// A Ui for tests: answers every modal interaction from a script and records what was
// shown, so tests can assert on texts, captions and the order of prompts. It stands in
// for the subsystems' dialogs too (calibration, interval picker), so one event list
// holds the whole conversation of a flow.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "measurement/IntervalPicker.h"
#include "calibration/CalibrationUi.h"
#include "platform/Ui.h"

namespace korvane::test {

struct UiEvent {
  std::string kind;              // message, error, yesno, save, open, progress-open, progress-set,
                                 // progress-close, notice-open, notice-close, entry, result, choice,
                                 // interval, print
  std::string text;              // message text, question, prompt, ...
  std::string title;             // title or caption; entry: unit; choice: "first|second"
  int number = 0;                // progress position or maximum; entry: preset shown
  calibration::ResultRows rows;  // result dialog
};

// A page that records what is drawn.
class RecordingPage : public platform::PageTarget {
 public:
  struct Text {
    int page;
    int x;
    int y;
    std::string text;
    bool fixedPitch;  // drawn in a fixed-width font
  };
  RecordingPage(int width, int height) : width_(width), height_(height) {}
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void DrawText(int x, int y, const std::string& text) override { texts.push_back({page, x, y, text, fixedPitch}); }
  void UseFixedPitch() override { fixedPitch = true; }
  void NewPage() override { ++page; }
  bool End() override {
    ended = true;
    return !failEnd;
  }

  std::vector<Text> texts;
  int page = 0;
  bool ended = false;
  bool failEnd = false;  // End() reports a failed job
  bool fixedPitch = false;

 private:
  int width_;
  int height_;
};

class ScriptedUi : public platform::Ui, public calibration::CalibrationUi, public measurement::IntervalPicker {
 public:
  // --- answers, consumed in order -------------------------------------------------
  std::deque<bool> yesNo;                            // default: false
  std::deque<std::optional<std::string>> saveFiles;  // default: cancel
  std::deque<std::optional<std::string>> openFiles;  // default: cancel
  // Value entries: a number is typed and OK pressed; nullopt closes the entry
  // otherwise (value unchanged). Default: nullopt.
  std::deque<std::optional<float>> entries;
  std::deque<int> results;                                      // result dialog: 1 = save, 2 = exit (default)
  std::deque<int> choices;                                      // choice dialog: 1 = first, 2 = second (default)
  std::deque<std::optional<measurement::TimeOfDay>> intervals;  // default: cancel
  bool printAccept = false;
  // The cancel button of a cancellable progress window is pressed at this position.
  std::optional<int> cancelAtProgress;
  int pageWidth = 4960;  // A4 at 600 dpi, printable
  int pageHeight = 7016;

  // Called at each interaction before it is answered (e.g. to change what the
  // simulated module measures while a message box is open).
  std::function<void(const UiEvent&)> onEvent;

  // --- what was shown ---------------------------------------------------------------
  std::vector<UiEvent> events;
  std::vector<std::string> Messages() const;  // texts of message boxes, in order
  std::vector<std::string> Kinds() const;
  // What the last print job drew; it outlives the job.
  std::shared_ptr<RecordingPage> lastPage;

  // --- Ui ---------------------------------------------------------------------------
  void Message(const std::string& text, const std::string& title) override;
  void ErrorBox(const std::string& text, const std::string& title) override;
  bool YesNo(const std::string& title, const std::string& question, const std::string& yes,
             const std::string& no) override;
  std::optional<std::string> SaveFile(const platform::FileDialogSpec& dialog) override;
  std::optional<std::string> OpenFile(const platform::FileDialogSpec& dialog) override;
  void ProgressOpen(const std::string& caption, const std::string& text, int min, int max) override;
  void ProgressSet(int position) override;
  void ProgressClose() override;
  bool ProgressCancelled() override { return cancellable_ && cancelAtProgress && lastProgress_ >= *cancelAtProgress; }
  void ProgressAllowCancel() override { cancellable_ = true; }
  void NoticeOpen(const std::string& text) override { Record({"notice-open", text, ""}); }
  void NoticeClose() override { Record({"notice-close", "", ""}); }
  std::unique_ptr<platform::PageTarget> BeginPrint(const std::string& documentName) override;

  // --- CalibrationUi, IntervalPicker ------------------------------------------------
  calibration::EntryResult EnterValue(calibration::ValueEntry& entry) override;
  calibration::ResultAction ShowResult(const calibration::ResultRows& rows) override;
  calibration::Choice Choose(const std::string& firstCaption, const std::string& secondCaption) override;
  std::optional<measurement::TimeOfDay> PickInterval(const measurement::TimeOfDay& preset) override;

 private:
  void Record(UiEvent e);
  bool cancellable_ = false;
  int lastProgress_ = 0;
};

}  // namespace korvane::test
