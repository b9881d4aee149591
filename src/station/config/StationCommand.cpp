#include "station/config/StationCommand.h"

#include <QCommandLineParser>
#include <QDir>
#include <QSysInfo>

#include <map>

#include "platform/ProgramLine.h"
#include "platform/SafeFile.h"
#include "station/config/IniFile.h"
#include "station/config/SettingsCheck.h"
#include "station/config/StationKeys.h"
#include "station/log/StationLog.h"

namespace korvane::station {
namespace {

const StationKey* FindKey(const std::string& section, const std::string& key) {
  for (const StationKey& k : StationKeys())
    if (section == k.section && key == k.key) return &k;
  return nullptr;
}

bool KnownSection(const std::string& section) {
  for (const StationKey& k : StationKeys())
    if (section == k.section) return true;
  return false;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return {};
  return slash == 0 ? "/" : path.substr(0, slash);
}

// A host name as a topic level and client id: no wildcards, separators or blanks.
std::string TopicSafe(std::string name) {
  for (char& c : name)
    if (c == '/' || c == '+' || c == '#' || static_cast<unsigned char>(c) <= ' ') c = '_';
  return name.empty() ? "station" : name;
}

void FillDefaults(StationSettings& s, const StationEnvironment& env) {
  const std::string host = TopicSafe(env.hostname);
  if (s.clientId.empty()) s.clientId = "korvane-station-" + host;
  if (s.prefix.empty()) s.prefix = "korvane/" + host;
  if (s.bufferFolder.empty()) {
    if (!env.stateDirectory.empty())
      s.bufferFolder = env.stateDirectory;
    else if (!env.xdgStateHome.empty())
      s.bufferFolder = env.xdgStateHome + "/korvane-station";
    else
      s.bufferFolder = env.home + "/.local/state/korvane-station";
  }
}

// The two keys of which only one may be given in one place; setting one clears the other.
const std::map<std::string, std::string> kExclusive = {{"device", "port"}, {"port", "device"}};

void NoteOrigin(StationSettings& s, const std::string& key, const std::string& place) {
  if (const auto other = kExclusive.find(key); other != kExclusive.end()) s.origin.erase(other->second);
  s.origin[key] = place;
}

}  // namespace

bool ApplyIni(const std::string& text, const std::string& name, const std::string& folder, StationSettings& settings,
              std::string* error) {
  std::string syntax;
  const auto entries = ParseIni(text, &syntax);
  if (!entries) {
    // "line 7: ..." becomes "name:7: ..."
    *error = name + ":" + syntax.substr(5);
    return false;
  }
  std::map<std::string, int> seen;
  for (const IniEntry& e : *entries) {
    const std::string place = name + ":" + std::to_string(e.line);
    if (!KnownSection(e.section)) {
      *error = place + ": unknown section [" + e.section + "]";
      return false;
    }
    const StationKey* key = FindKey(e.section, e.key);
    if (!key) {
      *error = place + ": unknown key \"" + e.key + "\" in [" + e.section + "]";
      return false;
    }
    if (const auto it = seen.find(e.key); it != seen.end()) {
      *error = place + ": " + e.key + " is already set on line " + std::to_string(it->second);
      return false;
    }
    if (const auto other = kExclusive.find(e.key); other != kExclusive.end() && seen.count(other->second)) {
      *error = place + ": give either device or port, not both (line " + std::to_string(seen[other->second]) + ")";
      return false;
    }
    seen[e.key] = e.line;
    if (const std::string problem = key->apply(settings, e.value, folder); !problem.empty()) {
      *error = place + ": " + e.key + " " + problem;
      return false;
    }
    NoteOrigin(settings, e.key, place);
  }
  return true;
}

std::optional<StationCommand> ParseStationCommand(const std::vector<std::string>& args,
                                                  const StationEnvironment& environment, std::string* error) {
  auto fail = [&](const std::string& why) -> std::optional<StationCommand> {
    *error = why;
    return std::nullopt;
  };
  // --help (or -h) and --version win over everything else on the line, as in the other programs.
  if (const platform::LineRequest request = platform::RequestOf(args); request != platform::LineRequest::kRun) {
    StationCommand command;
    command.help = request == platform::LineRequest::kHelp;
    command.version = request == platform::LineRequest::kVersion;
    return command;
  }
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption config("config", {}, "FILE");
  const QCommandLineOption bus("bus"), check("check"), once("once"), help("help"), version("version");
  parser.addOptions({config, bus, check, once, help, version});  // named, so --help=x is refused
  std::vector<QCommandLineOption> keyOptions;
  for (const StationKey& k : StationKeys()) {
    keyOptions.emplace_back(QString::fromLatin1(k.option + 2), QString(), QString::fromLatin1(k.valueName));
    parser.addOption(keyOptions.back());
  }
  QStringList list{"korvane-station"};
  for (const std::string& a : args) list << QString::fromStdString(a);
  if (!parser.parse(list)) return fail(platform::ParserError(parser));
  if (!parser.positionalArguments().isEmpty())
    return fail("unknown argument \"" + parser.positionalArguments().front().toStdString() + "\"");
  for (const QString& name : parser.optionNames())
    if (parser.optionNames().count(name) > 1) return fail("--" + name.toStdString() + " is given more than once");

  StationCommand command;
  command.check = parser.isSet(check);
  command.once = parser.isSet(once);
  StationSettings& s = command.settings;
  if (parser.isSet(config)) {
    command.configFile = parser.value(config).toStdString();
    std::string path = command.configFile;
    if (!path.empty() && path.front() != '/') path = environment.currentFolder + "/" + path;
    const auto text = platform::ReadWholeFile(path);
    if (!text) return fail(command.configFile + ": " + platform::ReadProblem(path, kLogLanguage));
    if (!ApplyIni(*text, command.configFile, FolderOf(path), s, error)) return std::nullopt;
  }
  if (parser.isSet("device") && parser.isSet("port")) return fail("give either --device or --port, not both");
  if (parser.isSet("address") && parser.isSet(bus)) return fail("give either --address or --bus, not both");
  for (std::size_t i = 0; i < StationKeys().size(); ++i) {
    const StationKey& k = StationKeys()[i];
    if (!parser.isSet(keyOptions[i])) continue;
    const std::string value = parser.value(keyOptions[i]).toStdString();
    if (const std::string problem = k.apply(s, value, environment.currentFolder); !problem.empty())
      return fail(std::string(k.option) + " " + problem);
    NoteOrigin(s, k.key, k.option);
  }
  if (parser.isSet(bus)) {
    s.scan = true;
    s.addresses.clear();
    s.origin["addresses"] = "--bus";
  }
  FillDefaults(s, environment);
  if (const std::string problem = SettingsProblem(s); !problem.empty()) return fail(problem);
  return command;
}

StationEnvironment SystemEnvironment() {
  return {QSysInfo::machineHostName().toStdString(), QDir::currentPath().toStdString(),
          qEnvironmentVariable("STATE_DIRECTORY").split(':').front().toStdString(),
          qEnvironmentVariable("XDG_STATE_HOME").toStdString(), QDir::homePath().toStdString()};
}

std::string StationUsage() {
  std::string text =
      "Usage: korvane-station [--config FILE] [options] [--check | --once]\n"
      "Polls the modules of a bus and publishes every sample to an MQTT broker,\n"
      "serves them as Modbus TCP registers, or both; its service port lets Korvane\n"
      "and RFC 2217 clients reach the modules between the polls.\n\n"
      "  --config FILE         the INI file (e.g. /etc/korvane/station.ini); options override its keys\n"
      "  --bus                 scan the bus at the start instead of --address\n"
      "  --check               check the configuration and exit (0 when it is good)\n"
      "  --once                publish one cycle and exit\n"
      "  --help                prints this text and exits\n"
      "  --version             prints the program's name and version and exits\n";
  for (const StationKey& k : StationKeys()) {
    std::string left = std::string("  ") + k.option + " " + k.valueName;
    left.resize(std::max<std::size_t>(left.size() + 1, 24), ' ');
    text += left + k.help + "   [" + k.section + "] " + k.key + "\n";
  }
  return text;
}

}  // namespace korvane::station
