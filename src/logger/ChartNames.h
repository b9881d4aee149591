#pragma once
// The names the logger chart's legend gives its two series, on the screen and in a file.
#include <string>

#include "platform/Language.h"

namespace korvane::logger {

// Value 1: the readout's name of channel 1, without the blanks around it.
std::string ValueSeriesName(const std::string& firstColumnName);

// The temperature: "Temperatur (°C), Modul N001" / "Temperature (°C), module N001";
// without the module where its identity is blank or holds a control character.
std::string TemperatureSeriesName(const std::string& identity, Language language);

}  // namespace korvane::logger
