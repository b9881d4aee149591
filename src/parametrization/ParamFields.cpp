#include "parametrization/ParamFields.h"

#include <charconv>
#include <climits>

#include "parametrization/ParamTexts.h"
#include "platform/NumberText.h"
#include "types/Catalogue.h"
#include "types/Cp1252.h"

namespace korvane::parametrization {
namespace {

// A whole number as an edit holds it: blanks around it allowed, nothing else.
std::optional<int> WholeNumber(const std::string& text) {
  std::size_t from = text.find_first_not_of(" \t");
  std::size_t to = text.find_last_not_of(" \t");
  if (from == std::string::npos) return std::nullopt;
  const char* first = text.data() + from;
  const char* last = text.data() + to + 1;
  if (*first == '+') ++first;
  int value = 0;
  const auto [end, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || end != last) return std::nullopt;
  return value;
}

}  // namespace

std::optional<ParamValues> TakeOver(const ParamFields& f, std::string* message) {
  auto refuse = [&](const char* text) -> std::optional<ParamValues> {
    if (message) *message = text;
    return std::nullopt;
  };
  ParamValues v;
  v.screenSaverOff = f.screenSaverOff;
  const auto pressure = WholeNumber(f.airPressure);
  if (!pressure) return refuse(texts::kWholeNumber);
  v.airPressure = *pressure;
  v.deviceNumber = f.deviceNumber;
  for (std::size_t i = 0; i < f.dac.size(); ++i) {
    const auto dac = WholeNumber(f.dac[i]);
    if (!dac) return refuse(texts::kWholeNumber);
    v.dac[i] = *dac;
  }
  const auto delay = WholeNumber(f.delay);
  if (!delay || *delay < 0 || *delay > 255) return refuse(texts::kByteNumber);
  if (*delay > 250) return refuse(texts::kDelayRange);
  v.delay = *delay;
  return v;
}

DacRange DacFieldRange(int i) { return i % 2 == 0 ? DacRange{0, 800} : DacRange{810, 4096}; }

std::string DacFieldName(int i) {
  return platform::StringPrintf("DAC %d %s", i / 2, i % 2 == 0 ? "unterer Wert" : "oberer Wert");
}

std::string DacRangeProblem(int i, int value) {
  const DacRange r = DacFieldRange(i);
  if (value >= r.min && value <= r.max) return {};
  return platform::StringPrintf(texts::kDacOutOfRange, DacFieldName(i).c_str(), r.min, r.max);
}

ControlEnabling EnablingForType(int t) {
  const types::MeasurementType type(t);
  ControlEnabling e;
  e.rangeButtons = type.IsConductivityRange();
  e.measureAirPressure = type.family() == types::Family::kOxygen;
  e.airPressureEdit = type.family() == types::Family::kOxygen;
  if (type.family() == types::Family::kDisplayModule) {
    e.rangeButtons = false;
    e.airPressureEdit = false;
    e.temperatureButtons = false;
    e.paraButtons = false;
  }
  return e;
}

std::uint8_t RangeCode(int button, int typeIndex) {
  // The wire's (1-based) type of the chosen range in the module's conductivity family.
  const int first = typeIndex < types::kFourElectrodeRanges.first ? types::kTwoElectrodeRanges.first
                                                                  : types::kFourElectrodeRanges.first;
  return static_cast<std::uint8_t>(first + 1 + button);
}

bool AirPressureAccepted(int hPa) { return hPa >= 800 && hPa <= 1100; }

std::optional<std::uint16_t> AirPressureAdjustment(std::uint32_t raw, int hPa, std::uint32_t* computed) {
  const auto value = static_cast<std::uint32_t>(static_cast<double>(raw) * 1013.0 / hPa);
  if (computed) *computed = value;
  if (value > 0xFFFF) return std::nullopt;
  return static_cast<std::uint16_t>(value);
}

std::optional<link::Data4> DeviceNumberData(const std::string& text, std::string* message) {
  const std::optional<std::string> bytes = types::ToWindows1252Exactly(text);
  if (!bytes) {
    if (message) *message = texts::kDeviceNumberCharacters;
    return std::nullopt;
  }
  if (bytes->size() < 3) {
    if (message) *message = texts::kDeviceNumberShort;
    return std::nullopt;
  }
  link::Data4 d{};
  for (std::size_t i = 0; i < d.size() && i < bytes->size(); ++i) d[i] = static_cast<std::uint8_t>((*bytes)[i]);
  return d;
}

std::string DeviceNumberText(const link::Data4& d) { return types::FromWindows1252(link::IdentityText(d)); }

}  // namespace korvane::parametrization
