#pragma once
// The program's texts in a language: one translator per language, built from the .qm
// files compiled into the program, asked with the language every time (no translator
// is installed globally, so a flow may write a file in another language than the
// windows speak).
#include <QString>

#include <string>
#include <string_view>
#include <type_traits>

#include "platform/Language.h"
#include "platform/Text.h"

namespace korvane::platform {

class Texts {
 public:
  virtual ~Texts() = default;
  // UTF-8; the German source when the language has no translation of the text.
  virtual std::string Translate(Language language, const Text& text) const = 0;
};

// The catalogue built into the program, loaded once on first use.
const Texts& BuiltInTexts();

// `text` in `language` from the built-in catalogue.
std::string Tr(Language language, const Text& text);
inline QString QTr(Language language, const Text& text) { return QString::fromStdString(Tr(language, text)); }

namespace detail {
inline QString FillArg(const std::string& s) { return QString::fromStdString(s); }
inline QString FillArg(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline QString FillArg(const char* s) { return QString::fromUtf8(s); }
inline QString FillArg(const QString& s) { return s; }
// %g's six significant digits, "." whatever the locale.
inline QString FillArg(double v) { return QString::number(v, 'g', 6); }
inline QString FillArg(float v) { return FillArg(static_cast<double>(v)); }
template <typename I>
requires std::is_integral_v<I> QString FillArg(I v) { return QString::number(v); }
}  // namespace detail

// `text` with %1..%9 replaced by the arguments in one pass (QString::arg): an argument
// that contains "%1" stays as it is. Numbers as printf's %d and %g write them; anything
// with a width or a number of decimals is formatted by the caller.
template <typename... Args>
std::string Fill(std::string_view text, const Args&... args) {
  if constexpr (sizeof...(Args) == 0) {
    return std::string(text);
  } else {
    return detail::FillArg(text).arg(detail::FillArg(args)...).toStdString();
  }
}

}  // namespace korvane::platform
