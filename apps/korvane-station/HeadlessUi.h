#pragma once
// The flows' interactions without a person: messages go to the station's log, questions
// are answered no, file dialogs and printing are refused, progress is not shown. A
// message that repeats the one before (the line still away at the next try) is not
// logged again until Forget().
#include "platform/Ui.h"
#include "station/log/StationLog.h"

namespace korvane::station {

class HeadlessUi : public platform::Ui {
 public:
  explicit HeadlessUi(StationLog& log) : log_(log) {}

  void Message(const std::string& text, const std::string& title) override;
  void ErrorBox(const std::string& text, const std::string& title) override;
  bool YesNo(const std::string& title, const std::string& question, const std::string& yesCaption,
             const std::string& noCaption) override;
  std::optional<std::string> SaveFile(const platform::FileDialogSpec& dialog) override;
  std::optional<std::string> OpenFile(const platform::FileDialogSpec& dialog) override;
  void ProgressOpen(const std::string& caption, const std::string& text, int min, int max) override;
  void ProgressSet(int position) override;
  void ProgressClose() override;
  std::unique_ptr<platform::PageTarget> BeginPrint(const std::string& documentName) override;

  void Forget() { last_.clear(); }

 private:
  void Log(LogLevel level, const std::string& text);

  StationLog& log_;
  std::string last_;
};

}  // namespace korvane::station
