#include "CalibrateUi.h"

#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <iostream>
#include <memory>
#include <ostream>
#include <unistd.h>

#include "calibration/AssistantTexts.h"
#include "calibration/PointSession.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"
#include "types/Catalogue.h"

namespace korvane::cli {
namespace {

using namespace calibration;
using platform::StringPrintf;
using platform::Text;

constexpr Text kWrongProcedure{"cli", QT_TRANSLATE_NOOP("cli", "--procedure %1: das Modul (%2) bietet %3.")};
constexpr Text kEnterTakes{"cli", QT_TRANSLATE_NOOP("cli", "Eingabetaste übernimmt den Punkt.")};
constexpr Text kInputClosed{"cli", QT_TRANSLATE_NOOP("cli",
                                                     "Die Eingabe ist geschlossen: ohne --auto übernimmt nur die "
                                                     "Eingabetaste einen Punkt. Nichts wurde geschrieben.")};
constexpr Text kPointTaken{"cli", QT_TRANSLATE_NOOP("cli", "Punkt übernommen: %1 %2 (%3).")};
constexpr Text kNoReference{"cli", QT_TRANSLATE_NOOP("cli", "Kein Referenzwert für Punkt %1: --reference angeben.")};
constexpr Text kReferenceTaken{"cli", QT_TRANSLATE_NOOP("cli", "Referenz: %1 %2")};
constexpr Text kSaveQuestion{"cli", QT_TRANSLATE_NOOP("cli", "Im Modul speichern?")};
constexpr Text kYesNo{"cli", QT_TRANSLATE_NOOP("cli", " [j/N] ")};
//: The letters an answer to " [j/N] " may start with to say yes (ASCII letters only).
constexpr Text kYesLetters{"cli", QT_TRANSLATE_NOOP("cli", "jJyY")};
constexpr Text kNotSavedHint{"cli", QT_TRANSLATE_NOOP("cli", "Nicht gespeichert (--save speichert).")};

std::string PollNumber(double v, int decimals) {
  return platform::WithoutNegativeZero(StringPrintf("%.*f", decimals, v));
}

}  // namespace

bool CalibrateUi::Interactive() const { return !o_.autoAccept && ::isatty(STDIN_FILENO); }

std::optional<std::string> CalibrateUi::ReadLine() {
  std::string line;
  if (!std::getline(std::cin, line)) return std::nullopt;
  return line;
}

bool CalibrateUi::Ask(const std::string& question) {
  ctx_.out() << question << Tr(ctx_.language(), kYesNo) << std::flush;
  const std::optional<std::string> answer = ReadLine();
  if (!answer) return false;
  const std::string yes = Tr(ctx_.language(), kYesLetters);
  return !answer->empty() && yes.find(answer->front()) != std::string::npos;
}

void CalibrateUi::Begin(const AssistantStart& s) {
  type_ = s.typeIndex;
  ctx_.out() << s.title << '\n' << std::flush;
  for (const std::string& p : s.problems) ctx_.err() << p << '\n';
  ctx_.err() << std::flush;
  if (!o_.procedure.empty() && o_.procedure != s.procedure) {
    ctx_.err() << platform::Fill(Tr(ctx_.language(), kWrongProcedure), o_.procedure,
                                 types::TypeName(s.typeIndex, ctx_.language()), s.procedure)
               << '\n'
               << std::flush;
    wrongProcedure_ = true;
  }
}

void CalibrateUi::PrintPoll(const PointSession& s) {
  const Language l = ctx_.language();
  const SessionSetup& setup = s.setup();
  const int decimals = std::max(1, types::ChannelDecimals(type_, setup.channel));
  ctx_.out() << "  " << PollNumber(s.value(), decimals) << ' ' << setup.unit << "  " << PollNumber(s.temperature(), 1)
             << " °C  " << Tr(l, kDriftLabel) << ' ' << DriftText(s.figures(), setup.criterion, setup.unit) << "  "
             << Tr(l, kNoiseLabel) << ' ' << NoiseText(s.figures(), setup.criterion, setup.unit) << "  "
             << StabilityVerdict(s.figures(), setup.criterion, setup.unit, s.waitingToLeave(), l) << '\n'
             << std::flush;
}

void CalibrateUi::RunPoint(PointSession& s) {
  const Language l = ctx_.language();
  if (wrongProcedure_ || interrupted_) {
    s.Cancel();
    return;
  }
  ctx_.out() << s.setup().instruction << '\n';
  if (!o_.autoAccept) ctx_.out() << Tr(l, kEnterTakes) << '\n';
  ctx_.out() << std::flush;
  session_ = &s;
  bool toldLimit = false;
  const auto watchLimit = [&] {
    if (toldLimit || !s.running() || !s.timedOut()) return;
    toldLimit = true;
    ctx_.err() << TimeLimitText(s.setup().timeLimitSeconds, s.waitingToLeave(), l) << '\n' << std::flush;
    // Nobody is there to take it by hand.
    if (o_.autoAccept) {
      notSettled_ = true;
      s.Cancel();
    }
  };
  QEventLoop loop;
  // An Enter before the module's first value takes the point with that value.
  bool takeWhenValue = false;
  QObject::connect(&s, &PointSession::updated, &loop, [&] {
    PrintPoll(s);
    watchLimit();
    if (takeWhenValue) s.TakeByHand();
  });
  QObject::connect(&s, &PointSession::ended, &loop, &QEventLoop::quit);
  // A module that stopped answering sends no more values: the limit is watched all the same.
  QTimer limit;
  QObject::connect(&limit, &QTimer::timeout, &loop, watchLimit);
  limit.start(1000);
  std::unique_ptr<QSocketNotifier> input;
  if (!o_.autoAccept) {
    input = std::make_unique<QSocketNotifier>(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(input.get(), &QSocketNotifier::activated, &loop, [&] {
      // One byte at a time: a second line piped in is the next point's Enter.
      char c = 0;
      const ssize_t n = ::read(STDIN_FILENO, &c, 1);
      if (n <= 0) {
        input->setEnabled(false);
        ctx_.err() << Tr(l, kInputClosed) << '\n' << std::flush;
        s.Cancel();
      } else if (c == '\n') {
        input->setEnabled(false);
        takeWhenValue = !s.hasValue();
        s.TakeByHand();
      }
    });
  }
  if (s.running()) loop.exec();
  session_ = nullptr;
  if (s.end() == PointSession::End::kAutomatic || s.end() == PointSession::End::kByHand) {
    const std::string how = s.figures().stable && !s.waitingToLeave() ? Tr(l, kTakenStable) : Tr(l, kTakenUnstable);
    ctx_.out() << platform::Fill(Tr(l, kPointTaken),
                                 PollNumber(s.value(), std::max(1, types::ChannelDecimals(type_, s.setup().channel))),
                                 s.setup().unit, how)
               << '\n'
               << std::flush;
  }
}

std::optional<ReferenceAnswer> CalibrateUi::EnterReference(const ReferenceRequest& q) {
  const Language l = ctx_.language();
  if (!q.warning.empty()) ctx_.err() << q.warning << '\n' << std::flush;
  if (!q.presetText.empty()) ctx_.out() << q.presetText << '\n' << std::flush;
  ReferenceAnswer a;
  a.set = q.set;
  // A preset counts when it comes from somewhere: the buffer, the module, the history.
  const bool known = !q.presetText.empty() && q.preset.has_value();
  const float preset = known ? *q.preset : 0.0f;
  if (nextReference_ < o_.references.size()) {
    a.value = o_.references[nextReference_++];
  } else if (Interactive()) {
    while (true) {
      ctx_.out() << q.prompt << (known ? " [" + platform::StringPrintf("%g", static_cast<double>(preset)) + "]" : "")
                 << ' ' << q.unit << ": " << std::flush;
      const std::optional<std::string> line = ReadLine();
      if (!line) return std::nullopt;
      if (line->find_first_not_of(" \t\r") == std::string::npos && known) {
        a.value = preset;
        break;
      }
      if (const std::optional<std::string> n = platform::NumberEntryText(*line)) {
        a.value = static_cast<float>(platform::ToDouble(*n));
        break;
      }
      ctx_.err() << Tr(l, calibration::kNotANumber) << '\n' << std::flush;
    }
  } else if (known) {
    a.value = preset;
  } else {
    ctx_.err() << platform::Fill(Tr(l, kNoReference), q.point == 0 ? 1 : q.point) << '\n' << std::flush;
    return std::nullopt;
  }
  ctx_.out() << platform::Fill(Tr(l, kReferenceTaken), StringPrintf("%g", static_cast<double>(a.value)), q.unit) << '\n'
             << std::flush;
  return a;
}

ResultChoice CalibrateUi::ShowResult(const ResultView& v) {
  const Language l = ctx_.language();
  std::ostream& out = ctx_.out();
  for (std::size_t i = 0; i < v.rows.labels.size(); ++i)
    if (!v.rows.labels[i].empty() || !v.rows.values[i].empty())
      out << v.rows.labels[i] << ": " << v.rows.values[i] << '\n';
  for (const JudgedValue& j : v.judgement.values) {
    out << "  " << j.label << ": " << BeforeText(j) << " -> " << ValueText(j, j.after);
    if (j.range) out << StringPrintf("  [%g … %g]", j.range->low, j.range->high);
    out << '\n';
  }
  if (v.judgement.slopePercent)
    out << "  "
        << platform::Fill(Tr(l, kSlopePercent),
                          platform::StringPrintf("%.1f", platform::WithoutNegativeZero(*v.judgement.slopePercent, 1)))
        << '\n';
  if (v.judgement.zeroPointMv)
    out << "  "
        << platform::Fill(Tr(l, kZeroPoint),
                          platform::StringPrintf("%.1f", platform::WithoutNegativeZero(*v.judgement.zeroPointMv, 1)))
        << '\n';
  out << std::flush;
  if (!v.verdict.empty()) {
    ctx_.err() << v.verdict << '\n' << std::flush;
    return o_.saveImplausible || (!o_.save && Interactive() && Ask(Tr(l, kSaveQuestion))) ? ResultChoice::kSave
                                                                                          : ResultChoice::kExit;
  }
  if (o_.save) return *o_.save ? ResultChoice::kSave : ResultChoice::kExit;
  if (Interactive()) return Ask(Tr(l, kSaveQuestion)) ? ResultChoice::kSave : ResultChoice::kExit;
  out << Tr(l, kNotSavedHint) << '\n' << std::flush;
  return ResultChoice::kExit;
}

bool CalibrateUi::ConfirmImplausibleSave(const std::string& question) {
  if (o_.saveImplausible) {
    ctx_.err() << question << " --save-implausible\n" << std::flush;
    return true;
  }
  return Interactive() && Ask(question);
}

void CalibrateUi::Tell(const std::string& text) { ctx_.err() << text << '\n' << std::flush; }

void CalibrateUi::End(const std::string& text, const std::function<void()>& printCertificate) {
  ctx_.out() << text << '\n' << std::flush;
  if (printCertificate) printCertificate();
}

void CalibrateUi::Interrupt() {
  interrupted_ = true;
  if (session_) session_->Cancel();
}

}  // namespace korvane::cli
