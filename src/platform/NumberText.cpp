#include "platform/NumberText.h"

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace korvane::platform {
namespace {

locale_t CLocale() {
  static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return loc;
}

// Switches this thread to the C locale for its lifetime.
class CLocaleScope {
 public:
  CLocaleScope() : previous_(uselocale(CLocale())) {}
  ~CLocaleScope() { uselocale(previous_); }
  CLocaleScope(const CLocaleScope&) = delete;
  CLocaleScope& operator=(const CLocaleScope&) = delete;

 private:
  locale_t previous_;
};

}  // namespace

std::string StringPrintf(const char* fmt, ...) {
  CLocaleScope scope;
  va_list args;
  va_start(args, fmt);
  va_list copy;
  va_copy(copy, args);
  char small[256];
  int n = std::vsnprintf(small, sizeof small, fmt, args);
  va_end(args);
  std::string out;
  if (n < 0) {
    va_end(copy);
    return out;
  }
  if (static_cast<size_t>(n) < sizeof small) {
    out.assign(small, static_cast<size_t>(n));
  } else {
    out.resize(static_cast<size_t>(n) + 1);
    std::vsnprintf(out.data(), out.size(), fmt, copy);
    out.resize(static_cast<size_t>(n));
  }
  va_end(copy);
  return out;
}

double WithoutNegativeZero(double value, int decimals) {
  return std::fabs(value) * std::pow(10.0, decimals) < 0.5 ? 0.0 : value;
}

std::string WithoutNegativeZero(std::string text) {
  if (text.size() < 2 || text[0] != '-') return text;
  bool zeros = false;
  for (std::size_t i = 1; i < text.size() && ((text[i] >= '0' && text[i] <= '9') || text[i] == '.'); ++i) {
    if (text[i] >= '1' && text[i] <= '9') return text;
    if (text[i] == '0') zeros = true;
  }
  return zeros ? text.substr(1) : text;
}

double ToDouble(const std::string& text) { return strtod_l(text.c_str(), nullptr, CLocale()); }

std::optional<std::string> NumberEntryText(const std::string& text) {
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  std::size_t begin = 0, end = text.size();
  while (begin < end && blank(text[begin])) ++begin;
  while (end > begin && blank(text[end - 1])) --end;
  std::string number = text.substr(begin, end - begin);
  std::size_t i = 0;
  if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
  std::size_t digits = 0;
  for (; i < number.size() && digit(number[i]); ++i) ++digits;
  if (i < number.size() && (number[i] == '.' || number[i] == ',')) {
    number[i] = '.';
    for (++i; i < number.size() && digit(number[i]); ++i) ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
    ++i;
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
    std::size_t exponent = 0;
    for (; i < number.size() && digit(number[i]); ++i) ++exponent;
    if (exponent == 0) return std::nullopt;
  }
  if (i != number.size()) return std::nullopt;
  const double value = ToDouble(number);
  if (!std::isfinite(value) || std::fabs(value) > FLT_MAX) return std::nullopt;
  return number;
}

int ToInt(const std::string& text) {
  // atoi is strtol truncated to int; it has no locale dependence for digits.
  return static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
}

}  // namespace korvane::platform
