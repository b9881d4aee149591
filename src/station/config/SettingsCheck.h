#pragma once
// Whether the station's settings can work: keys that must be there or fit together, and
// the files they name. Messages name where the key was set ("station.ini:9: ...").
#include <string>

#include "station/config/StationSettings.h"

namespace korvane::station {

// Empty, or the first thing that does not fit: no line, a prefix or client id (also one
// made from the host name) MQTT does not take, no modules, neither a broker nor a Modbus
// listen address, a password file without user, a certificate without its key, TLS
// files for a plain mqtt:// broker.
std::string SettingsProblem(const StationSettings& settings);

// Empty, or the first file that cannot be used: the password file, CA file, client
// certificate and key must be readable regular files, the password file readable by
// its owner only; the buffer folder must be a writable folder or creatable.
std::string SettingsFileProblem(const StationSettings& settings);

// What --check says about the queue's reserve on disk: its size and about how long a
// full disk may last before samples wait in memory.
std::string ReserveText(const StationSettings& settings);

// Whether an address is this machine's loopback (127.0.0.0/8, ::1).
bool IsLoopback(const std::string& host);

// What --check warns of: a service port listening beyond loopback, which has no
// authentication. Empty when there is nothing to say.
std::string ServiceWarning(const StationSettings& settings);

// Where a key was set, for a message: "station.ini:9" or "--ca-file", or "key" when it
// came from no place (a default).
std::string Place(const StationSettings& settings, const std::string& key);

// The password in path without its line end. False with *error (never the content) when
// the file cannot be read, is readable by group or others, or is empty.
bool ReadPasswordFile(const std::string& path, std::string* password, std::string* error);

}  // namespace korvane::station
