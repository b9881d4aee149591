#pragma once
// COM port numbers (1..255, as the settings file and dialogs keep them) and the Linux
// devices behind them, and the per-user settings folder.
#include <string>
#include <vector>

#include "platform/Language.h"

namespace korvane::platform {

// $APPDATA/Korvane when APPDATA is set, else $XDG_CONFIG_HOME/Korvane, else
// ~/.config/Korvane.
std::string SettingsFolder();

// COM n -> device: <settings folder>/ports/COM<n> when it exists (a link to any device,
// or a link whose target is a network line: then that line, "rfc2217://host:port" or
// "socket://host:port"), else COM1..32 -> /dev/ttyS0..31, COM33..64 -> /dev/ttyUSB0..31,
// COM65..96 -> /dev/ttyACM0..31; empty for higher numbers.
std::string DeviceForPort(const std::string& settingsFolder, int comNumber);
// The device COM n has without a ports link (the fallback above); empty above COM96.
std::string DefaultDeviceForPort(int comNumber);

// Whether a device name is a line over the network.
bool IsNetworkLineName(const std::string& device);
// Maps COM n to a network line (a ports/COM<n> link whose target is the line's name), or
// with an empty line removes a network mapping of COM n (a link to a device stays).
// Returns why it could not, in the language, else "".
std::string MapPortToNetwork(const std::string& settingsFolder, int comNumber, const std::string& line,
                             Language language);

// Where a device path that failed to open points the user: a missing device, or a
// device they may not open (naming the group that owns it), or the system's reason;
// in the language.
std::string OpenFailureReason(const std::string& device, int error, Language language);
// No permission for a device of the given owning group (name and id) and mode bits:
// names the group only where joining it would help.
std::string PermissionReason(const std::string& device, const std::string& groupName, unsigned gid, unsigned mode,
                             Language language);
// A path that opens but is no terminal device (/dev/null, a file, a folder).
std::string NotSerialReason(const std::string& device, Language language);

// Adapter description of a device where the system knows one (USB product), else empty.
std::string DeviceDescription(const std::string& device);

struct FreePort {
  int comNumber;
  std::string device;
  std::string description;
};

// Whether the free-port scan may open a device: a built-in serial port (ttyS*) only
// when the kernel found a UART behind it (its sysfs "type" is not 0) and it is not the
// system console; any other device (USB adapters, a linked device) always. sysRoot is
// "/sys" but for the tests.
bool MayProbePort(const std::string& device, const std::string& sysRoot = "/sys");

// Tries COM 1..254 the way the program opens a port (exclusive) and lists the ones
// that open; each is closed again at once. Built-in ports without a UART, and the
// console, are never opened.
std::vector<FreePort> ScanFreePorts(const std::string& settingsFolder);

}  // namespace korvane::platform
