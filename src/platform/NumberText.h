#pragma once
// printf/atof/atoi with "." as the decimal separator whatever the user's locale:
// QApplication sets the C library locale from the environment, and every file and
// frame text of the program uses the C conventions.
#include <optional>
#include <string>

namespace korvane::platform {

std::string StringPrintf(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// A number text that rounds to zero without a minus sign: "-0.0 mV" -> "0.0 mV".
// A computed value of -0.00004 is zero to the user.
std::string WithoutNegativeZero(std::string text);
// The same for a number printed inside a text: 0 when it rounds to zero at `decimals`.
double WithoutNegativeZero(double value, int decimals);

// C library atof/atoi semantics in the "C" locale: leading blanks, optional sign,
// as many characters as form a number; no number gives 0.
double ToDouble(const std::string& text);
int ToInt(const std::string& text);

// A number as a user types it into a field: blanks around it, an optional sign, digits
// with "." or the German decimal comma, an optional exponent. The text with "." as
// separator (and without the blanks), or nullopt when it is no number or does not fit
// a float (a value sent to a module is a single-precision float).
std::optional<std::string> NumberEntryText(const std::string& text);

}  // namespace korvane::platform
