#include "platform/PortNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/NumberText.h"
#include "platform/Reasons.h"

namespace korvane::platform {

std::string SettingsFolder() {
  if (const char* appdata = std::getenv("APPDATA"); appdata && *appdata) return std::string(appdata) + "/Korvane";
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) return std::string(xdg) + "/Korvane";
  const char* home = std::getenv("HOME");
  return std::string(home && *home ? home : ".") + "/.config/Korvane";
}

std::string DeviceForPort(const std::string& settingsFolder, int com) {
  if (com < 1 || com > 255) return {};
  const std::string link = settingsFolder + "/ports/COM" + std::to_string(com);
  struct stat st {};
  if (::lstat(link.c_str(), &st) == 0) {
    if (S_ISLNK(st.st_mode)) {
      char raw[512];
      const ssize_t n = ::readlink(link.c_str(), raw, sizeof raw - 1);
      const std::string target(raw, n > 0 ? static_cast<std::size_t>(n) : 0);
      if (IsNetworkLineName(target)) return target;
    }
    return link;
  }
  return DefaultDeviceForPort(com);
}

std::string DefaultDeviceForPort(int com) {
  if (com < 1 || com > 255) return {};
  if (com <= 32) return "/dev/ttyS" + std::to_string(com - 1);
  if (com <= 64) return "/dev/ttyUSB" + std::to_string(com - 33);
  if (com <= 96) return "/dev/ttyACM" + std::to_string(com - 65);
  return {};
}

bool IsNetworkLineName(const std::string& device) {
  return device.starts_with("rfc2217://") || device.starts_with("socket://");
}

std::string MapPortToNetwork(const std::string& settingsFolder, int com, const std::string& line, Language language) {
  const std::string folder = settingsFolder + "/ports";
  const std::string link = folder + "/COM" + std::to_string(com);
  const bool mapped = IsNetworkLineName(DeviceForPort(settingsFolder, com));
  struct stat st {};
  const bool exists = ::lstat(link.c_str(), &st) == 0;
  if (line.empty()) {
    if (mapped && ::unlink(link.c_str()) != 0) return link + ": " + SystemErrorText(errno, language);
    return {};
  }
  if (DeviceForPort(settingsFolder, com) == line) return {};
  // Only a network mapping is replaced: a link to a device is the user's (or the simulator's).
  if (exists && !mapped) return FormatReason(reasons::kLinkedToDevice, language, link);
  if (!QDir().mkpath(QString::fromStdString(folder))) return folder + ": " + SystemErrorText(EACCES, language);
  // The new link takes the old one's place in one rename.
  const std::string staged = link + ".new";
  ::unlink(staged.c_str());
  if (::symlink(line.c_str(), staged.c_str()) != 0 || ::rename(staged.c_str(), link.c_str()) != 0) {
    const int error = errno;
    ::unlink(staged.c_str());
    return link + ": " + SystemErrorText(error, language);
  }
  return {};
}

std::string PermissionReason(const std::string& device, const std::string& groupName, unsigned gid, unsigned mode,
                             Language language) {
  std::string text = FormatReason(reasons::kNoPermission, language, device);
  // Joining the group helps only when the group may read and write, and never for root's.
  const bool groupMayUse = (mode & S_IRGRP) && (mode & S_IWGRP);
  if (!groupName.empty() && gid != 0 && groupMayUse) text += FormatReason(reasons::kJoinGroup, language, groupName);
  return text;
}

std::string NotSerialReason(const std::string& device, Language language) {
  return FormatReason(reasons::kNotSerial, language, device);
}

std::string OpenFailureReason(const std::string& device, int error, Language language) {
  if (error == ENOENT) {
    struct stat st {};
    if (::lstat(device.c_str(), &st) == 0) return FormatReason(reasons::kDanglingDevice, language, device);
    return FormatReason(reasons::kNoDevice, language, device);
  }
  if (error == EACCES || error == EPERM) {
    struct stat st {};
    std::string groupName;
    unsigned mode = 0;
    unsigned gid = 0;
    if (::stat(device.c_str(), &st) == 0) {
      mode = st.st_mode;
      gid = st.st_gid;
      if (const struct group* g = ::getgrgid(st.st_gid)) groupName = g->gr_name;
    }
    return PermissionReason(device, groupName, gid, mode, language);
  }
  if (error == EISDIR) return NotSerialReason(device, language);
  if (error == EBUSY) return FormatReason(reasons::kBusy, language, device);
  return device + ": " + SystemErrorText(error, language);
}

std::string DeviceDescription(const std::string& device) {
  // /sys/class/tty/<name>/device/../{manufacturer,product} for USB adapters.
  const QString real = QFileInfo(QString::fromStdString(device)).canonicalFilePath();
  if (real.isEmpty()) return {};
  const QString name = QFileInfo(real).fileName();
  QDir dev(QStringLiteral("/sys/class/tty/") + name + QStringLiteral("/device"));
  if (!dev.exists()) return {};
  auto readFirst = [](const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(f.readLine()).trimmed();
  };
  // The interface folder's parent holds the USB device's descriptors.
  const QString usb = QFileInfo(dev.canonicalPath() + QStringLiteral("/..")).canonicalFilePath();
  QString product = readFirst(usb + QStringLiteral("/product"));
  QString maker = readFirst(usb + QStringLiteral("/manufacturer"));
  if (product.isEmpty()) return {};
  return (maker.isEmpty() ? product : maker + QStringLiteral(" ") + product).toStdString();
}

bool MayProbePort(const std::string& device, const std::string& sysRoot) {
  const QString real = QFileInfo(QString::fromStdString(device)).canonicalFilePath();
  const QString name = QFileInfo(real.isEmpty() ? QString::fromStdString(device) : real).fileName();
  if (!name.startsWith(QStringLiteral("ttyS"))) return true;
  const QString tty = QString::fromStdString(sysRoot) + QStringLiteral("/class/tty/");
  auto readFirst = [](const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(f.readAll()).trimmed();
  };
  // Opening a placeholder port or the console can hang or disturb it; the kernel already
  // knows which ones have hardware.
  const QStringList consoles = readFirst(tty + QStringLiteral("console/active")).split(QLatin1Char(' '));
  if (consoles.contains(name)) return false;
  const QString type = readFirst(tty + name + QStringLiteral("/type"));
  bool number = false;
  const int uart = type.toInt(&number);
  return number && uart != 0;
}

std::vector<FreePort> ScanFreePorts(const std::string& settingsFolder) {
  std::vector<FreePort> free;
  for (int com = 1; com <= 254; ++com) {
    const std::string device = DeviceForPort(settingsFolder, com);
    if (device.empty() || IsNetworkLineName(device) || !MayProbePort(device)) continue;
    int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    const bool mine = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    if (mine) free.push_back({com, device, DeviceDescription(device)});
  }
  return free;
}

}  // namespace korvane::platform
