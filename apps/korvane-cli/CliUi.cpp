#include "CliUi.h"

#include <ostream>

#include "platform/Reasons.h"
#include "platform/SafeFile.h"
#include "platform/Texts.h"
#include "platform/render/PdfPage.h"
#include "types/Texts.h"

namespace korvane::cli {

void CliUi::Message(const std::string& text, const std::string& /*title*/) {
  ++messages_;
  err_ << text << '\n' << std::flush;
}

void CliUi::ErrorBox(const std::string& text, const std::string& title) {
  ++messages_;
  err_ << title << ": " << text << '\n' << std::flush;
}

bool CliUi::YesNo(const std::string& /*title*/, const std::string& question, const std::string& yesCaption,
                  const std::string& noCaption) {
  err_ << question << ' ' << (yes ? yesCaption : noCaption) << '\n' << std::flush;
  return yes;
}

std::optional<std::string> CliUi::SaveFile(const platform::FileDialogSpec&) { return saveFile; }

std::optional<std::string> CliUi::OpenFile(const platform::FileDialogSpec&) { return openFile; }

void CliUi::ProgressOpen(const std::string& caption, const std::string& text, int /*min*/, int max) {
  progressMax_ = max;
  if (progressToStderr) err_ << caption << ": " << text << '\n' << std::flush;
}

void CliUi::ProgressSet(int position) {
  if (progressToStderr) err_ << "  " << position << '/' << progressMax_ << '\n' << std::flush;
}

void CliUi::ProgressClose() {}

std::unique_ptr<platform::PageTarget> CliUi::BeginPrint(const std::string& documentName) {
  if (!printPdf) return nullptr;
  if (const std::string problem = platform::WriteTargetProblem(*printPdf, language); !problem.empty()) {
    Message(std::string(Tr(language, types::kCannotWriteFile)) + " " + *printPdf + ": " + problem, platform::kAppTitle);
    return nullptr;
  }
  auto page = std::make_unique<platform::PdfPage>(*printPdf, documentName, language);
  if (!page->ok()) {
    Message(std::string(Tr(language, types::kCannotWriteFile)) + " " + *printPdf + ": " +
                Tr(language, platform::reasons::kPdfNotDrawn),
            platform::kAppTitle);
    return nullptr;
  }
  return page;
}

}  // namespace korvane::cli
