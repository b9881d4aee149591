#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/PortNames.h"

namespace korvane::platform {
namespace {

TEST(PortNames, DefaultDevicesByNumberRange) {
  const std::string none = "/nonexistent-settings";
  struct Case {
    int com;
    const char* device;
  } cases[] = {{1, "/dev/ttyS0"},
               {32, "/dev/ttyS31"},
               {33, "/dev/ttyUSB0"},
               {64, "/dev/ttyUSB31"},
               {65, "/dev/ttyACM0"},
               {96, "/dev/ttyACM31"},
               {97, ""},
               {255, ""},
               {0, ""},
               {256, ""}};
  for (const Case& c : cases) EXPECT_EQ(DeviceForPort(none, c.com), c.device) << c.com;
}

TEST(PortNames, LinkInTheSettingsFolderWins) {
  QTemporaryDir dir;
  const std::string folder = dir.path().toStdString();
  ASSERT_EQ(::mkdir((folder + "/ports").c_str(), 0755), 0);
  ASSERT_EQ(::symlink("/dev/pts/999", (folder + "/ports/COM3").c_str()), 0);  // dangling is fine
  EXPECT_EQ(DeviceForPort(folder, 3), folder + "/ports/COM3");
  EXPECT_EQ(DeviceForPort(folder, 4), "/dev/ttyS3");
  EXPECT_NE(OpenFailureReason(folder + "/ports/COM3", ENOENT).find("not there"), std::string::npos);
}

TEST(PortNames, SettingsFolderFollowsTheEnvironment) {
  const char* keep[] = {"APPDATA", "XDG_CONFIG_HOME", "HOME"};
  std::string saved[3];
  bool had[3];
  for (int i = 0; i < 3; ++i) {
    const char* v = std::getenv(keep[i]);
    had[i] = v != nullptr;
    if (v) saved[i] = v;
  }
  ::setenv("APPDATA", "/a", 1);
  ::setenv("XDG_CONFIG_HOME", "/x", 1);
  ::setenv("HOME", "/h", 1);
  EXPECT_EQ(SettingsFolder(), "/a/Korvane");
  ::unsetenv("APPDATA");
  EXPECT_EQ(SettingsFolder(), "/x/Korvane");
  ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(SettingsFolder(), "/h/.config/Korvane");
  for (int i = 0; i < 3; ++i) {
    if (had[i])
      ::setenv(keep[i], saved[i].c_str(), 1);
    else
      ::unsetenv(keep[i]);
  }
}

TEST(PortNames, PermissionProblemNamesTheOwningGroup) {
  QTemporaryDir dir;
  const std::string device = dir.path().toStdString() + "/ttyFAKE";
  int fd = ::open(device.c_str(), O_CREAT | O_WRONLY, 0600);
  ASSERT_GE(fd, 0);
  ::close(fd);
  struct stat st {};
  ASSERT_EQ(::stat(device.c_str(), &st), 0);
  const struct group* g = ::getgrgid(st.st_gid);
  ASSERT_NE(g, nullptr);
  const std::string reason = OpenFailureReason(device, EACCES);
  EXPECT_NE(reason.find("group \"" + std::string(g->gr_name) + "\""), std::string::npos) << reason;
  EXPECT_NE(reason.find("usermod"), std::string::npos) << reason;
}

}  // namespace
}  // namespace korvane::platform
