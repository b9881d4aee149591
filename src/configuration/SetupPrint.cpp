#include "configuration/SetupPrint.h"
#include "link/Protocol.h"

#include "configuration/ConfigLists.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"
#include "types/Catalogue.h"

namespace korvane::configuration {

std::string SeriesHeading(int deviceKind) {
  if (link::IsController(deviceKind)) return "QX 7100";
  if (link::IsAmplifier(deviceKind)) return "PD/PB/PF 70";
  return "QX 5100/6100";
}

std::string PrintDocumentName(int deviceKind) {
  return platform::StringPrintf("%s Setup-Plot", SeriesHeading(deviceKind).c_str());
}

std::string BuildPrintHeading(const ConfigSettings& s, const platform::LocalTime& now) {
  return platform::StringPrintf("Setup %s -Nr.: %s  %02u.%02u.%u %02u:%02u\n\n", SeriesHeading(s.deviceKind).c_str(),
                                s.identity.c_str(), static_cast<unsigned>(now.day), static_cast<unsigned>(now.month),
                                static_cast<unsigned>(now.year), static_cast<unsigned>(now.hour),
                                static_cast<unsigned>(now.minute));
}

namespace {

// The printout's words that German and English print alike, in English.
//: The setup printout prints this word in English in German too; other languages translate it.
constexpr types::Text kEnable{"configuration", QT_TRANSLATE_NOOP("configuration", "enable")};
//: The setup printout prints this word in English in German too; other languages translate it.
constexpr types::Text kDisable{"configuration", QT_TRANSLATE_NOOP("configuration", "disable")};
//: The setup printout prints this word in English in German too; other languages translate it.
constexpr types::Text kMaximum{"configuration", QT_TRANSLATE_NOOP("configuration", "Maximum")};
//: The setup printout prints this word in English in German too; other languages translate it.
constexpr types::Text kMinimum{"configuration", QT_TRANSLATE_NOOP("configuration", "Minimum")};
//: The setup printout prints these words in English in German too; other languages translate them.
constexpr types::Text kTemperatureOffset{"configuration", QT_TRANSLATE_NOOP("configuration", "Temp. Offset")};
//: The setup printout prints these words in English in German too; other languages translate them.
constexpr types::Text kFixedPh{"configuration", QT_TRANSLATE_NOOP("configuration", "fixed pH")};

class Body {
 public:
  explicit Body(Language language) : lang_(language) {}

  void Value(const std::string& label, const std::string& value) {
    out_ += platform::StringPrintf("%s:  %s\n", label.c_str(), value.c_str());
  }
  void Value(const types::Text& label, const std::string& value) { Value(std::string(Tr(lang_, label)), value); }
  void Label(const types::Text& label) { out_ += Tr(lang_, label) + "\n"; }
  void Number(const types::Text& label, unsigned value) {
    out_ += platform::StringPrintf("%s:  %u\n", Tr(lang_, label).c_str(), value);
  }
  // label + fixed suffix, e.g. "%s:  enable\n".
  void Suffix(const types::Text& label, const std::string& suffix) { out_ += Tr(lang_, label) + suffix; }
  // ":  enable\n" or ":  disable\n".
  std::string OnOff(bool on) const { return ":  " + L(on ? kEnable : kDisable) + "\n"; }
  void Raw(const std::string& text) { out_ += text; }
  std::string L(const types::Text& p) const { return Tr(lang_, p); }

  std::string out_;

 private:
  Language lang_;
};

void CalibrationLines(Body& b, const ConfigSettings& s, int t) {
  const std::string* values[4] = {&s.calibration1, &s.calibration2, &s.calibration3, &s.calibration4};
  for (int i = 0; i < 4; ++i) {
    const std::string label = types::CalibrationLabel(t, i + 1, s.language);
    if (!label.empty()) b.Value(label, *values[i]);
  }
}

// A source index outside 0..5 gives no line.
void SourceLine(Body& b, const char* format, const types::Text& label, int index,
                const std::array<std::string, 6>& names) {
  if (index < 0 || index > 5) return;
  b.Raw(platform::StringPrintf(format, b.L(label).c_str(), names[static_cast<std::size_t>(index)].c_str()));
}

}  // namespace

std::string BuildPrintBody(const ConfigSettings& s, const std::array<std::string, 6>& names) {
  const int t = s.AbsoluteType();
  const Language lang = s.language;
  Body b(lang);
  b.Value(texts::kMeasurementType, types::TypeListName(t, lang));

  if (link::IsAmplifier(s.deviceKind)) {
    b.Label(texts::kCalValues);
    CalibrationLines(b, s, t);
    if (IsTdsFactorType(t)) b.Value(types::CalibrationLabel(t, 5, lang), s.calibrationKey1);
    b.Raw(b.L(kTemperatureOffset) + ":  " + s.temperatureOffset + "\n");
    b.Number(texts::kAddress, s.address);
    b.Value(texts::kFixTemperature, s.fixedTemperature);
    b.Suffix(texts::kFixTemperature, b.OnOff(s.fixedTemperatureOn != 0));
    return b.out_;
  }

  SourceLine(b, "%s:  %s\n", texts::kDac0, s.output0Source, names);
  b.Value(texts::kLowerLimit, s.output0Lower);
  b.Value(texts::kUpperLimit, s.output0Upper);
  SourceLine(b, "%s:  %s\n", texts::kDac1, s.output1Source, names);
  b.Value(texts::kLowerLimit, s.output1Lower);
  b.Value(texts::kUpperLimit, s.output1Upper);

  if (s.outputKind != 0) {
    b.Value(texts::kOutput, b.L(texts::kCurrent));
    b.Suffix(texts::kCurrentType, s.currentRange != 0 ? ":  4..20mA\n" : ":  0..20mA\n");
  } else {
    b.Value(texts::kOutput, b.L(texts::kVoltage));
  }

  SourceLine(b, "%s 1:  %s\n", texts::kRelayOutput, s.relay1Source, names);
  b.Value(texts::kLimitValue, s.relay1Limit);
  b.Value(texts::kHysteresis, s.relay1Hysteresis);
  b.Suffix(texts::kLimitType, ":  " + b.L(s.relay1LimitType != 0 ? kMaximum : kMinimum) + "\n");

  if (link::IsController(s.deviceKind)) {
    SourceLine(b, "%s 2:  %s\n", texts::kRelayOutput, s.relay2Source, names);
    b.Value(texts::kLimitValue, s.relay2Limit);
    b.Value(texts::kHysteresis, s.relay2Hysteresis);
    b.Suffix(texts::kLimitType,
             s.relay2LimitType != 0 ? " Rel2:  " + b.L(kMaximum) + "\n" : ":  " + b.L(kMinimum) + "\n");
  }

  b.Label(texts::kCalValues);
  CalibrationLines(b, s, t);
  b.Raw(b.L(kTemperatureOffset) + ":  " + s.temperatureOffset + "\n");

  switch (types::MeasurementType(t).traits().keyPrint) {
    case types::KeyPrint::kBuffers:
      b.Value(texts::kCalKey1, PhBufferText(s.key1Buffer));
      b.Value(texts::kCalKey2, PhBufferText(s.key2Buffer));
      break;
    case types::KeyPrint::kSolutions:
      b.Value(texts::kCalKey1, KclSolutionText(s.key1Solution));
      b.Value(texts::kCalKey2, KclSolutionText(s.key2Solution));
      break;
    case types::KeyPrint::kNone: break;
    case types::KeyPrint::kSigns:
      b.Suffix(texts::kCalKey1, ":  +\n");
      b.Suffix(texts::kCalKey2, ":  -\n");
      break;
    case types::KeyPrint::kFixedPh:
      b.Raw(b.L(kFixedPh) + " " + b.L(s.phFix != 0 ? kEnable : kDisable) + "\n");
      b.Raw(b.L(kFixedPh) + ": " + s.calibrationKey2 + "\n");
      break;
    case types::KeyPrint::kValues:
      b.Value(texts::kCalKey1, s.calibrationKey1);
      b.Value(texts::kCalKey2, s.calibrationKey2);
      break;
  }

  b.Number(texts::kAddress, s.address);
  b.Value(texts::kFixTemperature, s.fixedTemperature);
  b.Suffix(texts::kFixTemperature, b.OnOff(s.fixedTemperatureOn != 0));
  b.Suffix(texts::kHoldDuringCal, b.OnOff(s.calibrationHold != 0));
  return b.out_;
}

bool LayoutPrint(platform::PageTarget& page, const std::string& heading, const std::string& body) {
  const double width = page.Width();
  const double height = page.Height();
  const int x = static_cast<int>(0.09 * width);
  page.DrawText(x, static_cast<int>(0.02 * height), heading);
  int n = 0;
  std::size_t from = 0;
  for (std::size_t lf; (lf = body.find('\n', from)) != std::string::npos; from = lf + 1) {
    page.DrawText(x, static_cast<int>(0.06 * height + 100.0 * n), body.substr(from, lf - from));
    ++n;
    if (0.87 * height < 100.0 * n) {
      // Only when another whole line follows, so no empty last page.
      if (body.find('\n', lf + 1) != std::string::npos) page.NewPage();
      n = 0;
    }
  }
  return page.End();
}

bool PrintSetup(platform::Ui& ui, const ConfigSettings& s, const std::array<std::string, 6>& sourceNames,
                const platform::Clock& clock) {
  std::unique_ptr<platform::PageTarget> page = ui.BeginPrint(PrintDocumentName(s.deviceKind));
  if (!page) return false;
  if (LayoutPrint(*page, BuildPrintHeading(s, clock()), BuildPrintBody(s, sourceNames))) return true;
  std::string text = Tr(s.language, texts::kPrintFailed);
  if (const std::string why = page->failure(); !why.empty()) text += "\n" + why;
  ui.Message(text);
  return false;
}

}  // namespace korvane::configuration
