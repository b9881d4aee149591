#include "app/DesktopLine.h"

#include <algorithm>
#include <array>

#include "bus/AddressList.h"
#include "history/HistoryLocation.h"

namespace korvane::app {
namespace {

constexpr platform::ProgramOption kOptions[] = {
    {"bus", "LIST", "opens the bus view on the modules at these addresses (0..31, e.g. 0,3,5-7) and starts it"},
    {"history", "WHERE", "the module history: a file, postgresql://user@host:port/database, or none"},
};

// Qt's own options (QGuiApplication and QApplication take them out of the line).
constexpr std::array kQtWithValue{"-platform",      "-platformpluginpath", "-platformtheme", "-plugin",
                                  "-qmljsdebugger", "-qwindowgeometry",    "-geometry",      "-qwindowtitle",
                                  "-title",         "-qwindowicon",        "-icon",          "-display",
                                  "-style",         "-stylesheet",         "-session",       "-name"};
constexpr std::array kQtFlags{"-reverse", "-nograb", "-dograb", "-widgetcount", "-sync"};

std::vector<std::string> WithoutQtOptions(const std::vector<std::string>& args) {
  std::vector<std::string> own;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (std::find(kQtWithValue.begin(), kQtWithValue.end(), a) != kQtWithValue.end()) {
      ++i;
      continue;
    }
    if (std::find(kQtFlags.begin(), kQtFlags.end(), a) == kQtFlags.end()) own.push_back(a);
  }
  return own;
}

}  // namespace

const platform::ProgramLineSpec& DesktopLineSpec() {
  static const platform::ProgramLineSpec table{
      "korvane", "[--bus LIST] [--history WHERE]",
      "Measuring amplifiers for water analysis and their display units on an RS-232 line.", kOptions};
  return table;
}

std::optional<DesktopLine> ReadDesktopLine(const std::vector<std::string>& args, std::string* error) {
  const auto line = platform::ParseProgramLine(DesktopLineSpec(), WithoutQtOptions(args), error);
  if (!line) return std::nullopt;
  DesktopLine d;
  d.request = line->request;
  if (d.request != platform::LineRequest::kRun) return d;
  if (!line->positional.empty()) {
    *error = "unknown argument \"" + line->positional.front() + "\"";
    return std::nullopt;
  }
  if (line->isSet("bus")) {
    std::string why;
    d.bus = bus::ParseAddressList(line->value("bus"), &why);
    if (!d.bus) {
      *error = "--bus needs addresses 0..31 such as 0,3,5-7: " + why;
      return std::nullopt;
    }
  }
  if (line->isSet("history")) {
    history::HistoryChoice choice;
    *error = "--history needs a file, a postgresql:// URL or none";
    if (line->value("history").empty() || !history::ParseHistoryOption(line->value("history"), &choice, error))
      return std::nullopt;
    error->clear();
    d.history = line->value("history");
  }
  return d;
}

}  // namespace korvane::app
