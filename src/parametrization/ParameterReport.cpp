#include "parametrization/ParameterReport.h"

#include "platform/NumberText.h"
#include "platform/ShownText.h"
#include "types/Catalogue.h"
#include "types/Cp1252.h"

namespace korvane::parametrization {
namespace {

const char* LineFormat(std::uint8_t p) {
  switch (p) {
    case 0: return "TEMP00_I          %u\n\r";
    case 1: return "TEMP100_I         %u\n\r";
    case 6: return "PARA00_I          %u\n\r";
    case 7: return "PARA01_I          %u\n\r";
    case 8: return "PARA10_I          %u\n\r";
    case 9: return "PARA11_I          %u\n\r";
    case 10: return "PARA20_I          %u\n\r";
    case 11: return "PARA21_I          %u\n\r";
    case 12: return "PARA30_I          %u\n\r";
    case 13: return "PARA31_I          %u\n\r";
    case 14: return "PARA40_I          %u\n\r";
    case 18: return "DAC0_PARA_U_I     %u\n\r";
    case 19: return "DAC0_PARA_O_I     %u\n\r";
    case 20: return "DAC1_PARA_U_I     %u\n\r";
    case 21: return "DAC1_PARA_O_I     %u\n\r";
    case 22: return "DAC2_PARA_U_I     %u\n\r";
    case 23: return "DAC2_PARA_O_I     %u\n\r";
    case 24: return "DAC3_PARA_U_I     %u\n\r";
    case 25: return "DAC3_PARA_O_I     %u\n\r";
    case 129: return "KAL_DELAY_C       %u\n\r";
    case 83: return "ScreenSaverOff    %u\n\r";
    default: return nullptr;
  }
}

}  // namespace

std::vector<link::Parameter> ReportParameters(int typeIndex) {
  std::vector<link::Parameter> out{link::kTemperature0Raw, link::kTemperature100Raw};
  out.insert(out.end(), link::kRangeAdjustments.begin(), link::kRangeAdjustments.end());
  out.insert(out.end(), link::kDacLimits.begin(), link::kDacLimits.end());
  out.push_back(link::kCalibrationDelay);
  if (types::MeasurementType(typeIndex).family() == types::Family::kOxygen) out.push_back(link::kCalibration4);
  out.push_back(link::kIdentity);
  out.push_back(link::kScreenSaverOff);
  return out;
}

std::string BuildParameterReport(const link::ModuleState& m, int typeIndex, const platform::LocalTime& now) {
  std::string text = platform::StringPrintf("%02u.%02u.%u  %02u:%02u\n\r", static_cast<unsigned>(now.day),
                                            static_cast<unsigned>(now.month), static_cast<unsigned>(now.year),
                                            static_cast<unsigned>(now.hour), static_cast<unsigned>(now.minute));
  for (const link::Parameter p : ReportParameters(typeIndex)) {
    if (p.number == link::kCalibration4.number) {
      text += platform::StringPrintf("KALWERT5       %.2f\n\r", static_cast<double>(m.calibration[3]));
    } else if (p.number == link::kIdentity.number) {
      text += platform::StringPrintf("MESS_TYP          %u\n\r", static_cast<unsigned>(typeIndex + 1));
      // The characters up to a zero byte, as the module's text ends there; a control
      // byte in them would break the report's lines.
      text += "HERSTELLER        " +
              platform::ShownText(types::FromWindows1252(link::IdentityText(m.parameter[p.number]))) + "\n\r";
    } else {
      const unsigned value = p.length == 1 ? m.ParameterByte(p.number) : m.ParameterU16(p.number);
      text += platform::StringPrintf(LineFormat(p.number), value);
    }
  }
  return text;
}

bool LayoutParameterReport(platform::PageTarget& page, const std::string& report) {
  // The report's columns are padded with blanks: they line up only in a fixed-width font.
  page.UseFixedPitch();
  int n = 0;
  std::size_t from = 0;
  for (std::size_t lf; from < report.size() && (lf = report.find('\n', from)) != std::string::npos; ++n) {
    page.DrawText(400, 400 + 100 * n, report.substr(from, lf - from));
    from = lf + 2;  // past the "\r" that follows
  }
  return page.End();
}

}  // namespace korvane::parametrization
