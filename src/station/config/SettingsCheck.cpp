#include "station/config/SettingsCheck.h"

#include <QHostAddress>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/NumberText.h"
#include "platform/SafeFile.h"
#include "station/config/MqttText.h"
#include "station/log/StationLog.h"

namespace korvane::station {
namespace {

std::string ModeText(mode_t mode) {
  char text[8];
  std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode & 07777));
  return text;
}

// Empty when path is a regular file this process may read.
std::string ReadableFileProblem(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return path + ": " + std::strerror(errno);
  if (!S_ISREG(st.st_mode)) return path + ": " + platform::NotRegularReason(st.st_mode, kLogLanguage);
  if (::access(path.c_str(), R_OK) != 0) return path + ": " + std::strerror(errno);
  return {};
}

std::string PasswordModeProblem(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return path + ": " + std::strerror(errno);
  if (st.st_mode & (S_IRGRP | S_IROTH | S_IWGRP | S_IWOTH))
    return path + " may be read or changed by group or others (mode " + ModeText(st.st_mode) +
           "): allow its owner only (chmod 600)";
  return {};
}

std::string FolderProblem(const std::string& folder) {
  struct stat st {};
  if (::stat(folder.c_str(), &st) == 0) {
    if (!S_ISDIR(st.st_mode)) return folder + " is not a folder";
    if (::access(folder.c_str(), W_OK | X_OK) != 0) return folder + ": " + std::strerror(errno);
    return {};
  }
  if (errno != ENOENT) return folder + ": " + std::strerror(errno);
  // Made at the start: the nearest existing folder above must take it.
  std::string parent = folder;
  while (true) {
    const auto slash = parent.find_last_of('/');
    parent = slash == std::string::npos ? "." : slash == 0 ? "/" : parent.substr(0, slash);
    if (::stat(parent.c_str(), &st) == 0) break;
    if (parent == "/" || parent == ".") return folder + ": cannot be made";
  }
  if (!S_ISDIR(st.st_mode) || ::access(parent.c_str(), W_OK | X_OK) != 0)
    return folder + ": cannot be made in " + parent;
  return {};
}

}  // namespace

std::string Place(const StationSettings& settings, const std::string& key) {
  const auto it = settings.origin.find(key);
  return it == settings.origin.end() ? key : it->second;
}

std::string SettingsProblem(const StationSettings& s) {
  if (s.device.empty() && !s.port) return "no serial line: set device or port in [line] (--device, --port)";
  // The defaults are made from the host name, which may hold what MQTT does not take.
  const std::pair<const char*, const std::string*> texts[] = {{"prefix", &s.prefix}, {"client_id", &s.clientId}};
  for (const auto& [key, value] : texts) {
    const std::string problem = MqttTextProblem(*value, std::string(key) == "prefix" ? kPrefixBytes : kMqttStringBytes);
    if (problem.empty()) continue;
    if (s.origin.count(key)) return Place(s, key) + ": " + key + " " + problem;
    return std::string(key) + " (made from the host name) " + problem + ": set " + key + " in the INI file";
  }
  if (s.addresses.empty() && !s.scan) return "no modules: set addresses in [line] (--address LIST or --bus)";
  // A station may serve only Modbus TCP.
  if (!s.broker && !s.modbus.host)
    return "no broker: set url in [broker] (--broker URL), or serve Modbus TCP: listen in [modbus] (--modbus "
           "HOST:PORT)";
  if (s.service.host && !IsLoopback(*s.service.host) && s.service.allow.empty())
    return "the service port on " + *s.service.host +
           " serves the line to anyone who reaches it: name who may connect with allow in [service] "
           "(--service-allow LIST), or listen on 127.0.0.1 and come through an SSH tunnel";
  if (!s.passwordFile.empty() && s.user.empty())
    return Place(s, "password_file") + ": a password file needs a user (user, --user)";
  if (s.certFile.empty() != s.keyFile.empty()) {
    const std::string given = s.certFile.empty() ? "key_file" : "cert_file";
    return Place(s, given) + ": a client certificate needs both cert_file and key_file";
  }
  if (s.broker && !s.broker->tls) {
    for (const char* key : {"ca_file", "cert_file", "key_file"}) {
      const std::string& value = std::string(key) == "ca_file"     ? s.caFile
                                 : std::string(key) == "cert_file" ? s.certFile
                                                                   : s.keyFile;
      if (!value.empty())
        return Place(s, key) + ": " + key + " is for TLS, but the broker URL " + BrokerUrlText(*s.broker) +
               " is plain: use mqtts://";
    }
  }
  return {};
}

bool IsLoopback(const std::string& host) { return QHostAddress(QString::fromStdString(host)).isLoopback(); }

std::string ServiceWarning(const StationSettings& s) {
  if (!s.service.host || IsLoopback(*s.service.host)) return {};
  return "the service port " + *s.service.host + ":" + std::to_string(s.service.port) +
         " has no passwords and no encryption: whoever reaches it from an allowed address can " +
         (s.service.readOnly ? "read every module" : "change every module") +
         "; from outside the plant network use an SSH tunnel (ssh -L 4001:127.0.0.1:4001 station) instead";
}

std::string SettingsFileProblem(const StationSettings& s) {
  const std::pair<const char*, const std::string*> files[] = {
      {"password_file", &s.passwordFile}, {"ca_file", &s.caFile}, {"cert_file", &s.certFile}, {"key_file", &s.keyFile}};
  for (const auto& [key, path] : files) {
    if (path->empty()) continue;
    if (std::string problem = ReadableFileProblem(*path); !problem.empty())
      return Place(s, key) + ": " + key + " " + problem;
  }
  if (!s.passwordFile.empty())
    if (std::string problem = PasswordModeProblem(s.passwordFile); !problem.empty())
      return Place(s, "password_file") + ": password_file " + problem;
  // Without a broker nothing is queued.
  if (std::string problem = s.broker ? FolderProblem(s.bufferFolder) : std::string(); !problem.empty())
    return Place(s, "folder") + ": buffer folder " + problem;
  return {};
}

std::string ReserveText(const StationSettings& s) {
  if (s.reserveBytes == 0) return "the queue keeps no reserve on disk: on a full disk samples wait in memory at once";
  // What a sample takes in the queue's file, as bench_station measures it.
  constexpr double kBytesPerSample = 262;
  const auto Hours = [&](double modules, double pollMs) {
    return static_cast<double>(s.reserveBytes) / kBytesPerSample / (modules * 1000.0 / pollMs) / 3600.0;
  };
  std::string text = platform::StringPrintf(
      "the queue keeps a reserve of %lld MB on disk for a full disk: about %.1f h of 32 modules polled every 2 s",
      static_cast<long long>(s.reserveBytes >> 20), Hours(32, 2000));
  if (!s.scan)
    text += platform::StringPrintf(", %.1f h of this bus (%zu module%s every %d ms)",
                                   Hours(static_cast<double>(s.addresses.size()), s.pollMs), s.addresses.size(),
                                   s.addresses.size() == 1 ? "" : "s", s.pollMs);
  return text;
}

bool ReadPasswordFile(const std::string& path, std::string* password, std::string* error) {
  if (std::string problem = ReadableFileProblem(path); !problem.empty()) {
    *error = "password file " + problem;
    return false;
  }
  if (std::string problem = PasswordModeProblem(path); !problem.empty()) {
    *error = "password file " + problem;
    return false;
  }
  auto text = platform::ReadWholeFile(path);
  if (!text) {
    *error = "password file " + path + ": " + platform::ReadProblem(path, kLogLanguage);
    return false;
  }
  while (!text->empty() && (text->back() == '\n' || text->back() == '\r')) text->pop_back();
  if (text->empty()) {
    *error = "password file " + path + " is empty";
    return false;
  }
  *password = std::move(*text);
  return true;
}

}  // namespace korvane::station
