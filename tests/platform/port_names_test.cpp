#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
  EXPECT_NE(OpenFailureReason(folder + "/ports/COM3", ENOENT, Language::kEnglish).find("not there"), std::string::npos);
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

TEST(PortNames, PermissionProblemNamesTheGroupOnlyWhereJoiningHelps) {
  const struct {
    const char* group;
    unsigned gid;
    unsigned mode;
    bool named;
  } cases[] = {
      {"dialout", 20, S_IFCHR | 0660, true},   // the usual serial device
      {"dialout", 20, S_IFCHR | 0600, false},  // the group may not use it
      {"dialout", 20, S_IFCHR | 0640, false},  // read only for the group
      {"root", 0, S_IFCHR | 0660, false},      // nobody joins root's group
      {"", 20, S_IFCHR | 0660, false},         // no name for the group
  };
  for (const auto& c : cases) {
    const std::string reason = PermissionReason("/dev/ttyS0", c.group, c.gid, c.mode, Language::kEnglish);
    EXPECT_EQ(reason.find("usermod") != std::string::npos, c.named) << reason;
    EXPECT_NE(reason.find("/dev/ttyS0"), std::string::npos) << reason;
  }
}

TEST(PortNames, ScanProbesBuiltInPortsOnlyWithAUartAndNeverTheConsole) {
  QTemporaryDir sys;
  ASSERT_TRUE(sys.isValid());
  const std::string root = sys.path().toStdString();
  auto write = [&](const std::string& path, const char* text) {
    const std::string full = root + "/class/tty/" + path;
    ASSERT_TRUE(QDir().mkpath(QFileInfo(QString::fromStdString(full)).path()));
    QFile f(QString::fromStdString(full));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
  };
  write("ttyS0/type", "4\n");
  write("ttyS1/type", "0\n");
  write("ttyS2/type", "4\n");
  write("ttyS3/type", "garbage\n");
  write("console/active", "tty0 ttyS2\n");
  struct Case {
    const char* device;
    bool probed;
  } cases[] = {{"/dev/ttyS0", true},  {"/dev/ttyS1", false},  {"/dev/ttyS2", false}, {"/dev/ttyS3", false},
               {"/dev/ttyS9", false}, {"/dev/ttyUSB0", true}, {"/dev/ttyACM3", true}};
  for (const Case& c : cases) EXPECT_EQ(MayProbePort(c.device, root), c.probed) << c.device;
}

}  // namespace
}  // namespace korvane::platform
