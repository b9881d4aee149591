#pragma once
// What the station runs with: the line and its modules, the broker, the topics and the
// buffer. Every value comes from the INI file or its command-line option (which wins).
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "link/Protocol.h"
#include "platform/Language.h"
#include "station/config/BrokerUrl.h"

namespace korvane::station {

// How a float32 fills its two registers: abcd the high word first, cdab the low word.
enum class FloatOrder { kAbcd, kCdab };

// The Modbus TCP server; off without a listen address.
struct ModbusSettings {
  std::optional<std::string> host;  // an IPv4 or IPv6 address (without brackets)
  int port = 0;
  int unit = 1;  // the unit id it answers
  FloatOrder floatOrder = FloatOrder::kAbcd;
  int maxConnections = 8;
};

// The service port: the line served to Korvane and other RFC 2217 clients; off without
// a listen address.
struct ServiceSettings {
  std::optional<std::string> host;  // an IPv4 or IPv6 address (without brackets)
  int port = 0;
  std::vector<std::string> allow;  // subnets ("10.1.0.0/16", "192.168.5.7") clients may come from
  bool readOnly = false;
  int idleS = 300;
  int maxClients = 2;
  int exclusiveMaxS = 600;
};

struct StationSettings {
  // [line]
  std::string device;       // a device path, or
  std::optional<int> port;  // a COM number 1..255
  int baud = link::kSlowBaud;
  std::vector<std::uint8_t> addresses;
  bool scan = false;  // scan the bus at the start instead of a list
  int pollMs = 2000;
  // [broker]
  std::optional<BrokerUrl> broker;
  std::string clientId;  // default korvane-station-<hostname>
  std::string user;
  std::string passwordFile;  // the password itself never stands in the settings
  std::string caFile;
  std::string certFile;
  std::string keyFile;
  // [topics]
  std::string prefix;                     // default korvane/<hostname>
  bool discovery = true;                  // Home Assistant discovery configs
  Language language = Language::kGerman;  // of the values' names, type names and calibration texts
  // [buffer]
  std::string bufferFolder;  // default $STATE_DIRECTORY, else ~/.local/state/korvane-station
  std::int64_t bufferBytes = std::int64_t{100} << 20;
  std::int64_t reserveBytes = std::int64_t{32} << 20;  // free pages kept in the queue's file for a full disk
  // [modbus]
  ModbusSettings modbus;
  // [service]
  ServiceSettings service;

  // Where each key was set: "station.ini:12" or "--ca-file"; messages name it.
  std::map<std::string, std::string> origin;
};

// What the settings' defaults and relative paths depend on.
struct StationEnvironment {
  std::string hostname;
  std::string currentFolder;   // relative paths on the command line
  std::string stateDirectory;  // $STATE_DIRECTORY (systemd's StateDirectory=)
  std::string xdgStateHome;    // $XDG_STATE_HOME
  std::string home;            // $HOME
};

StationEnvironment SystemEnvironment();

}  // namespace korvane::station
