#include "platform/ProgramLine.h"

#include <QCommandLineParser>
#include <QStringList>

#include <algorithm>

#include "platform/Version.h"

namespace korvane::platform {
namespace {

constexpr ProgramOption kHelpRow{"help", nullptr, "prints this text and exits"};
constexpr ProgramOption kVersionRow{"version", nullptr, "prints the program's name and version and exits"};

// Help texts start in this column at the latest; a longer name and value stand alone.
constexpr std::size_t kWidestLeft = 18;

std::string Left(const ProgramOption& o) {
  std::string left = std::string("--") + o.name;
  if (o.valueName) left += std::string(" ") + o.valueName;
  return left;
}

}  // namespace

LineRequest RequestOf(const std::vector<std::string>& args) {
  LineRequest request = LineRequest::kRun;
  for (const std::string& a : args) {
    if (a == "--help" || a == "-h") return LineRequest::kHelp;
    if (a == "--version") request = LineRequest::kVersion;
  }
  return request;
}

std::string ParserError(const QCommandLineParser& parser) {
  // Qt's "Unknown option 'x'." and "Missing value after '--x'." in this project's words.
  const QString qt = parser.errorText();
  if (!parser.unknownOptionNames().isEmpty())
    return "unknown option --" + parser.unknownOptionNames().front().toStdString();
  if (qt.startsWith(QStringLiteral("Missing value")))
    return qt.section(QLatin1Char('\''), 1, 1).toStdString() + " needs a value";
  if (qt.startsWith(QStringLiteral("Unexpected value")))
    return qt.section(QLatin1Char('\''), 1, 1).toStdString() + " takes no value";
  return qt.toStdString();
}

std::string ProgramLine::value(const std::string& name) const {
  const auto it = values.find(name);
  return it == values.end() || it->second.empty() ? std::string() : it->second.back();
}

std::optional<ProgramLine> ParseProgramLine(const ProgramLineSpec& table, const std::vector<std::string>& args,
                                            std::string* error) {
  QCommandLineParser parser;
  // "-bus" is --bus mistyped, not -b -u -s.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
  std::vector<QCommandLineOption> options;
  for (const ProgramOption& o : table.options)
    options.emplace_back(QString::fromLatin1(o.name), QString(),
                         o.valueName ? QString::fromLatin1(o.valueName) : QString());
  for (const QCommandLineOption& o : options) parser.addOption(o);

  ProgramLine line;
  // Asked for help or the version, a program answers even when the rest of the line is wrong.
  line.request = RequestOf(args);
  if (line.request != LineRequest::kRun) return line;
  QStringList list{QString::fromLatin1(table.program)};
  for (const std::string& a : args) list << QString::fromStdString(a);
  const bool parsed = parser.parse(list);
  if (!parsed) {
    *error = ParserError(parser);
    return std::nullopt;
  }
  for (std::size_t i = 0; i < options.size(); ++i) {
    const ProgramOption& o = table.options[i];
    if (!parser.isSet(options[i])) continue;
    const QStringList given = o.valueName ? parser.values(options[i]) : QStringList{QString()};
    if (!o.repeatable && parser.optionNames().count(QString::fromLatin1(o.name)) > 1) {
      *error = std::string("--") + o.name + " is given more than once";
      return std::nullopt;
    }
    for (const QString& v : given) line.values[o.name].push_back(v.toStdString());
  }
  std::map<std::string, std::size_t> taken;
  for (const QString& name : parser.optionNames()) {
    const std::string n = name.toStdString();
    const std::vector<std::string>& given = line.values[n];
    line.inOrder.emplace_back(n, given[std::min(taken[n]++, given.size() - 1)]);
  }
  for (const QString& p : parser.positionalArguments()) line.positional.push_back(p.toStdString());
  return line;
}

std::string OptionRows(std::span<const ProgramOption> options) {
  std::size_t width = Left(kVersionRow).size();
  for (const ProgramOption& o : options)
    if (Left(o).size() <= kWidestLeft) width = std::max(width, Left(o).size());
  const std::string indent(width + 4, ' ');
  std::string text;
  for (const ProgramOption& o : options) {
    std::string left = Left(o);
    if (left.size() > width) {
      text += "  " + left + "\n" + indent;
    } else {
      left.resize(width + 2, ' ');
      text += "  " + left;
    }
    for (const char* c = o.help; *c; ++c) text += *c == '\n' ? "\n" + indent : std::string(1, *c);
    text += "\n";
  }
  return text;
}

std::string HelpText(const ProgramLineSpec& table) {
  std::vector<ProgramOption> all(table.options.begin(), table.options.end());
  all.push_back(kHelpRow);
  all.push_back(kVersionRow);
  std::string text = std::string("Usage: ") + table.program + " " + table.synopsis + "\n";
  if (*table.summary) text += std::string(table.summary) + "\n";
  text += std::string("\n") + table.heading + "\n" + OptionRows(all);
  if (table.epilogue) text += std::string("\n") + table.epilogue;
  return text;
}

std::string VersionText(const std::string& program) { return program + " " + kVersion + "\n"; }

std::string UsageErrorText(const std::string& program, const std::string& what) {
  return program + ": " + what + " (" + program + " --help lists the options)";
}

int AnswerHelpOrVersion(const ProgramLineSpec& table, LineRequest request, std::ostream& out) {
  out << (request == LineRequest::kHelp ? HelpText(table) : VersionText(table.program)) << std::flush;
  return 0;
}

int AnswerUsageError(const std::string& program, const std::string& what, std::ostream& err) {
  err << UsageErrorText(program, what) << '\n' << std::flush;
  return kExitUsageError;
}

}  // namespace korvane::platform
