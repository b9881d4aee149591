#include "station/config/StationKeys.h"

#include <arpa/inet.h>

#include <QHostAddress>

#include <charconv>

#include "bus/AddressList.h"
#include "station/config/HostPort.h"
#include "station/config/MqttText.h"

namespace korvane::station {
namespace {

bool ValidSubnet(const std::string& text) {
  const QString t = QString::fromStdString(text);
  if (t.contains('/')) return QHostAddress::parseSubnet(t).second >= 0;
  return !QHostAddress(t).isNull();
}

std::optional<long long> Whole(const std::string& text, long long min, long long max) {
  long long value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || ptr != text.data() + text.size() || value < min || value > max)
    return std::nullopt;
  return value;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string AbsolutePath(const std::string& value, const std::string& folder) {
  if (value.empty() || value.front() == '/' || folder.empty()) return value;
  return folder + (folder.back() == '/' ? "" : "/") + value;
}

std::string Device(StationSettings& s, const std::string& v, const std::string&) {
  if (v.empty()) return "needs a device path";
  s.device = v;
  s.port.reset();
  return {};
}

std::string Port(StationSettings& s, const std::string& v, const std::string&) {
  const auto n = Whole(v, 1, 255);
  if (!n) return "takes a COM number 1..255, not " + Quoted(v);
  s.port = static_cast<int>(*n);
  s.device.clear();
  return {};
}

std::string Baud(StationSettings& s, const std::string& v, const std::string&) {
  const auto n = Whole(v, 0, 1000000);
  if (!n || !link::IsLineRate(static_cast<int>(*n))) return "takes 4800, 19200 or 38400, not " + Quoted(v);
  s.baud = static_cast<int>(*n);
  return {};
}

std::string Addresses(StationSettings& s, const std::string& v, const std::string&) {
  if (v == "scan") {
    s.scan = true;
    s.addresses.clear();
    return {};
  }
  std::string error;
  const auto list = bus::ParseAddressList(v, &error);
  if (!list) return Quoted(v) + ": " + error;
  s.addresses = *list;
  s.scan = false;
  return {};
}

std::string Poll(StationSettings& s, const std::string& v, const std::string&) {
  const auto n = Whole(v, 10, 3600000);
  if (!n) return "takes milliseconds 10..3600000, not " + Quoted(v);
  s.pollMs = static_cast<int>(*n);
  return {};
}

std::string Url(StationSettings& s, const std::string& v, const std::string&) {
  std::string error;
  s.broker = ParseBrokerUrl(v, &error);
  return s.broker ? std::string() : error;
}

std::string ClientId(StationSettings& s, const std::string& v, const std::string&) {
  if (v.empty()) return "needs a client id";
  if (const std::string problem = MqttTextProblem(v, kMqttStringBytes); !problem.empty()) return problem;
  for (const char c : v)
    if (c == ' ') return "takes no blanks";
  s.clientId = v;
  return {};
}

std::string User(StationSettings& s, const std::string& v, const std::string&) {
  if (const std::string problem = MqttTextProblem(v, kMqttStringBytes); !problem.empty()) return problem;
  s.user = v;
  return {};
}

template <std::string StationSettings::*member>
std::string File(StationSettings& s, const std::string& v, const std::string& folder) {
  s.*member = AbsolutePath(v, folder);
  return {};
}

std::string Prefix(StationSettings& s, const std::string& v, const std::string&) {
  if (v.empty()) return "needs a topic prefix";
  if (const std::string problem = MqttTextProblem(v, kPrefixBytes); !problem.empty()) return problem;
  // The broker would take messages to such topics and pass them on to no one.
  if (v.find_first_of("+#") != std::string::npos) return Quoted(v) + " holds a wildcard (+ or #)";
  if (v.front() == '$') return Quoted(v) + " starts with $, which brokers keep for their own topics";
  if (v.front() == '/' || v.back() == '/') return Quoted(v) + " starts or ends with /";
  s.prefix = v;
  return {};
}

std::string Discovery(StationSettings& s, const std::string& v, const std::string&) {
  if (v == "on" || v == "yes" || v == "true" || v == "1")
    s.discovery = true;
  else if (v == "off" || v == "no" || v == "false" || v == "0")
    s.discovery = false;
  else
    return "takes on or off, not " + Quoted(v);
  return {};
}

std::string TextLanguage(StationSettings& s, const std::string& v, const std::string&) {
  const std::optional<Language> language = LanguageFromCode(v);
  if (!language) return "takes " + LanguageCodeList() + ", not " + Quoted(v);
  s.language = *language;
  return {};
}

std::string BufferFolder(StationSettings& s, const std::string& v, const std::string& folder) {
  if (v.empty()) return "needs a folder";
  s.bufferFolder = AbsolutePath(v, folder);
  return {};
}

std::string BufferSize(StationSettings& s, const std::string& v, const std::string&) {
  const auto n = Whole(v, 1, 1 << 20);
  if (!n) return "takes megabytes 1..1048576, not " + Quoted(v);
  s.bufferBytes = *n << 20;
  return {};
}

std::string BufferReserve(StationSettings& s, const std::string& v, const std::string&) {
  const auto n = Whole(v, 0, 1 << 20);
  if (!n) return "takes megabytes 0..1048576, not " + Quoted(v);
  s.reserveBytes = *n << 20;
  return {};
}

// An address of this machine with a port, not a name: what it listens on must not
// depend on DNS.
std::optional<HostPort> ListenAddress(const std::string& v, const char* example, std::string* problem) {
  std::string why;
  const auto address = ParseHostPort(v, &why);
  if (!address) {
    *problem = Quoted(v) + " " + why;
    return std::nullopt;
  }
  if (!address->port) {
    *problem = Quoted(v) + " names no port (HOST:PORT, e.g. " + example + ")";
    return std::nullopt;
  }
  unsigned char buffer[16];
  if (::inet_pton(AF_INET, address->host.c_str(), buffer) != 1 &&
      ::inet_pton(AF_INET6, address->host.c_str(), buffer) != 1) {
    *problem = Quoted(v) + " is not an IP address with a port (" + example + ", 0.0.0.0:PORT for every interface)";
    return std::nullopt;
  }
  return address;
}

std::string ServiceListen(StationSettings& s, const std::string& v, const std::string&) {
  std::string problem;
  const auto address = ListenAddress(v, "127.0.0.1:4001", &problem);
  if (!address) return problem;
  s.service.host = address->host;
  s.service.port = *address->port;
  return {};
}

std::string ServiceAllow(StationSettings& s, const std::string& v, const std::string&) {
  std::vector<std::string> list;
  std::size_t start = 0;
  while (start <= v.size()) {
    const std::size_t end = std::min(v.find(',', start), v.size());
    std::string item = v.substr(start, end - start);
    item.erase(0, item.find_first_not_of(' '));
    item.erase(item.find_last_not_of(' ') + 1);
    if (!item.empty()) {
      if (!ValidSubnet(item)) return Quoted(item) + " is not an address or subnet (10.1.0.0/16, 192.168.5.7, fd00::/8)";
      list.push_back(item);
    }
    start = end + 1;
  }
  if (list.empty()) return "needs addresses or subnets, e.g. 10.1.0.0/16";
  s.service.allow = list;
  return {};
}

std::string ServiceReadOnly(StationSettings& s, const std::string& v, const std::string&) {
  if (v == "on" || v == "yes" || v == "true" || v == "1")
    s.service.readOnly = true;
  else if (v == "off" || v == "no" || v == "false" || v == "0")
    s.service.readOnly = false;
  else
    return "takes yes or no, not " + Quoted(v);
  return {};
}

template <int ServiceSettings::*member, long long min, long long max>
std::string ServiceNumber(StationSettings& s, const std::string& v, const std::string&) {
  const auto n = Whole(v, min, max);
  if (!n) return "takes " + std::to_string(min) + ".." + std::to_string(max) + ", not " + Quoted(v);
  s.service.*member = static_cast<int>(*n);
  return {};
}

std::string ModbusListen(StationSettings& s, const std::string& v, const std::string&) {
  std::string why;
  const auto address = ParseHostPort(v, &why);
  if (!address) return Quoted(v) + " " + why;
  if (!address->port) return Quoted(v) + " names no port (HOST:PORT, e.g. 127.0.0.1:1502)";
  // An address of this machine, not a name: what it listens on must not depend on DNS.
  unsigned char buffer[16];
  if (::inet_pton(AF_INET, address->host.c_str(), buffer) != 1 &&
      ::inet_pton(AF_INET6, address->host.c_str(), buffer) != 1)
    return Quoted(v) + " is not an IP address with a port (127.0.0.1:1502, 0.0.0.0:502 for every interface, [::]:502)";
  s.modbus.host = address->host;
  s.modbus.port = *address->port;
  return {};
}

std::string ModbusUnit(StationSettings& s, const std::string& v, const std::string&) {
  const auto n = Whole(v, 0, 255);
  if (!n) return "takes a unit id 0..255, not " + Quoted(v);
  s.modbus.unit = static_cast<int>(*n);
  return {};
}

std::string ModbusFloatOrder(StationSettings& s, const std::string& v, const std::string&) {
  if (v == "abcd")
    s.modbus.floatOrder = FloatOrder::kAbcd;
  else if (v == "cdab")
    s.modbus.floatOrder = FloatOrder::kCdab;
  else
    return "takes abcd (high word first) or cdab (low word first), not " + Quoted(v);
  return {};
}

std::string ModbusConnections(StationSettings& s, const std::string& v, const std::string&) {
  const auto n = Whole(v, 1, 64);
  if (!n) return "takes 1..64, not " + Quoted(v);
  s.modbus.maxConnections = static_cast<int>(*n);
  return {};
}

constexpr StationKey kKeys[] = {
    {"line", "device", "--device", "PATH",
     "serial device of the bus, or rfc2217://HOST:PORT or socket://HOST:PORT (instead of port)", &Device},
    {"line", "port", "--port", "N", "COM number 1..255 of the bus (instead of device)", &Port},
    {"line", "baud", "--baud", "RATE", "4800, 19200 or 38400", &Baud},
    {"line", "addresses", "--address", "LIST", "module addresses, e.g. 0,3,5-7 (in the file: or scan)", &Addresses},
    {"line", "poll_ms", "--poll", "MS", "poll period in milliseconds", &Poll},
    {"broker", "url", "--broker", "URL", "mqtt://host:1883 or mqtts://host:8883", &Url},
    {"broker", "client_id", "--client-id", "ID", "MQTT client id (fixed: the session outlives a restart)", &ClientId},
    {"broker", "user", "--user", "NAME", "user name at the broker", &User},
    {"broker", "password_file", "--password-file", "FILE", "file holding the password (mode 600)",
     &File<&StationSettings::passwordFile>},
    {"broker", "ca_file", "--ca-file", "FILE", "CA certificates the broker's certificate is checked against",
     &File<&StationSettings::caFile>},
    {"broker", "cert_file", "--cert-file", "FILE", "client certificate", &File<&StationSettings::certFile>},
    {"broker", "key_file", "--key-file", "FILE", "client certificate's key", &File<&StationSettings::keyFile>},
    {"topics", "prefix", "--prefix", "P", "topic prefix (default korvane/<hostname>)", &Prefix},
    {"topics", "discovery", "--discovery", "on|off", "Home Assistant discovery configs", &Discovery},
    {"topics", "language", "--language", kLanguageChoice, "language of the values' names and texts (default de)",
     &TextLanguage},
    {"buffer", "folder", "--buffer", "DIR", "folder of the queue of unsent samples", &BufferFolder},
    {"buffer", "size_mb", "--buffer-size", "MB", "queue bound in megabytes (default 100)", &BufferSize},
    {"buffer", "reserve_mb", "--buffer-reserve", "MB",
     "room the queue keeps on disk for a full disk, in megabytes (default 32)", &BufferReserve},
    {"modbus", "listen", "--modbus", "HOST:PORT", "serve the modules as Modbus TCP registers (off without it)",
     &ModbusListen},
    {"modbus", "unit", "--modbus-unit", "ID", "the Modbus unit id it answers (default 1)", &ModbusUnit},
    {"modbus", "float_order", "--modbus-float-order", "abcd|cdab", "float32 high word first (abcd, default) or low",
     &ModbusFloatOrder},
    {"modbus", "max_connections", "--modbus-max-connections", "N", "Modbus clients at a time (default 8)",
     &ModbusConnections},
    {"service", "listen", "--service", "HOST:PORT",
     "serve the line to Korvane and RFC 2217 clients between the polls (off without it)", &ServiceListen},
    {"service", "allow", "--service-allow", "LIST",
     "subnets clients may connect from (with 127.0.0.1 for an SSH tunnel), e.g. 10.1.0.0/16", &ServiceAllow},
    {"service", "read_only", "--service-read-only", "yes|no", "clients may read but not write (default no)",
     &ServiceReadOnly},
    {"service", "idle_s", "--service-idle", "S", "a client silent this long is closed (default 300)",
     &ServiceNumber<&ServiceSettings::idleS, 1, 86400>},
    {"service", "max_clients", "--service-max-clients", "N", "service clients at a time (default 2)",
     &ServiceNumber<&ServiceSettings::maxClients, 1, 16>},
    {"service", "exclusive_max_s", "--service-exclusive-max", "S",
     "longest hold of the line by one client at another rate (default 600)",
     &ServiceNumber<&ServiceSettings::exclusiveMaxS, 10, 86400>},
};

}  // namespace

std::span<const StationKey> StationKeys() { return kKeys; }

}  // namespace korvane::station
