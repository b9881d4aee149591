// The station's configuration: the INI file, the options that override it, the
// defaults, and the files it names, as one table of what is taken and what is refused.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <sys/stat.h>

#include "station/config/SettingsCheck.h"
#include "station/config/StationCommand.h"
#include "station/config/StationKeys.h"

namespace korvane::station {
namespace {

struct SettingsRow {
  const char* name;
  const char* ini;                // station.ini in the folder ({NUL}: a NUL byte); nullptr: no --config
  std::vector<std::string> args;  // after --config
  const char* error;              // part of the message; empty: accepted
  std::function<void(const StationSettings&, const std::string& dir)> check = nullptr;
};

const char* const kGood =
    "# comment\n[line]\ndevice = /dev/ttyUSB0\nbaud = 4800\naddresses = 0,3,5-7\n"
    "[broker]\nurl = mqtt://broker.local\n";

TEST(StationSettings, IniAndOptionsAreTakenOrRefusedNamingThePlace) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  const std::string dir = tmp.path().toStdString();
  for (const char* name : {"ca.crt", "pw600", "pw640"}) {
    QFile f(tmp.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("secret\n");
  }
  ::chmod((dir + "/pw600").c_str(), 0600);
  ::chmod((dir + "/pw640").c_str(), 0640);
  const StationEnvironment env{"host1", dir, dir + "/state", "", "/home/x"};
  const std::string longPrefix = "[topics]\nprefix = " + std::string(70000, 'p') + "\n";
  const std::string languageError = "station.ini:2: language takes " + LanguageCodeList() + ", not \"xx\"";
  const std::string tls = "[broker]\nurl = mqtts://b:8883\n";

  const SettingsRow rows[] = {
      {"defaults",
       kGood,
       {},
       "",
       [](const StationSettings& s, const std::string& d) {
         EXPECT_EQ(s.device, "/dev/ttyUSB0");
         EXPECT_EQ(s.addresses, (std::vector<std::uint8_t>{0, 3, 5, 6, 7}));
         EXPECT_EQ(s.broker->port, 1883);
         EXPECT_EQ(s.prefix, "korvane/host1");
         EXPECT_EQ(s.clientId, "korvane-station-host1");
         EXPECT_EQ(s.bufferFolder, d + "/state");
         EXPECT_EQ(s.bufferBytes, 100 << 20);
         EXPECT_EQ(s.reserveBytes, 32 << 20);
         EXPECT_EQ(s.language, Language::kGerman);
         EXPECT_TRUE(s.discovery);
       }},
      {"options override the file",
       kGood,
       {"--port", "3", "--baud", "19200", "--bus", "--poll", "500", "--prefix", "plant/basin1", "--discovery", "off",
        "--buffer", "q", "--buffer-size", "5", "--broker", "mqtts://[::1]"},
       "",
       [](const StationSettings& s, const std::string& d) {
         EXPECT_EQ(s.port, 3);
         EXPECT_TRUE(s.device.empty());
         EXPECT_EQ(s.baud, 19200);
         EXPECT_TRUE(s.scan);
         EXPECT_EQ(s.pollMs, 500);
         EXPECT_EQ(s.prefix, "plant/basin1");
         EXPECT_FALSE(s.discovery);
         EXPECT_EQ(s.bufferFolder, d + "/q");
         EXPECT_EQ(s.bufferBytes, 5 << 20);
         EXPECT_EQ(BrokerUrlText(*s.broker), "mqtts://[::1]:8883");
       }},
      {"files relative to the INI's folder",
       "[line]\nport=1\naddresses=scan\n[broker]\nurl=mqtts://b\nca_file=ca.crt\n"
       "user=u\npassword_file=pw600\n",
       {},
       "",
       [](const StationSettings& s, const std::string& d) {
         EXPECT_EQ(s.caFile, d + "/ca.crt");
         EXPECT_EQ(s.passwordFile, d + "/pw600");
       }},
      {"no INI at all", nullptr, {"--device", "/dev/ttyS0", "--address", "1", "--broker", "mqtt://h:1"}, ""},
      {"unknown key", "[line]\ndevice = x\nbauds = 4800\n", {}, "station.ini:3: unknown key \"bauds\" in [line]"},
      {"unknown section", "[lines]\ndevice = x\n", {}, "station.ini:2: unknown section [lines]"},
      {"key before a section", "device = x\n", {}, "station.ini:1: \"device\" stands before the first [section]"},
      {"not key = value", "[line]\ndevice\n", {}, "station.ini:2: \"device\" is not key = value"},
      {"key given twice", "[line]\nbaud=4800\nbaud=4800\n", {}, "station.ini:3: baud is already set on line 2"},
      {"device and port", "[line]\ndevice=x\nport=2\n", {}, "station.ini:3: give either device or port"},
      {"bad URL", "[broker]\n\nurl = http://b\n", {}, "station.ini:3: url \"http://b\" is not a broker URL"},
      {"password in the URL",
       "[broker]\nurl = mqtt://u:pw@b\n",
       {},
       "station.ini:2: url \"mqtt://u:pw@b\" holds a user"},
      {"bad port", "[broker]\nurl = mqtt://b:99999\n", {}, "port that is not 1..65535"},
      {"bad address",
       "[line]\naddresses = 5,40\n",
       {},
       "station.ini:2: addresses \"5,40\": \"40\" is not an address 0..31"},
      {"address twice", "[line]\naddresses = 0,0\n", {}, "station.ini:2: addresses \"0,0\": address 0 is listed twice"},
      {"byte-order mark and comments after values",
       "\xEF\xBB\xBF[line] ; the bus\ndevice = /dev/ttyUSB0 # by-id is better\naddresses = 3\t; pH\n"
       "[broker]\nurl = mqtt://b:1883 # comment\nclient_id = a#b;c\n",
       {},
       "",
       [](const StationSettings& s, const std::string&) {
         EXPECT_EQ(s.device, "/dev/ttyUSB0");
         EXPECT_EQ(s.broker->port, 1883);
         EXPECT_EQ(s.clientId, "a#b;c");  // without a blank before it, # is part of the value
       }},
      {"prefix of the broker's own topics",
       kGood,
       {"--prefix", "$SYS/korvane"},
       "--prefix \"$SYS/korvane\" starts with $"},
      {"prefix with a wildcard", kGood, {"--prefix", "plant/+/x"}, "--prefix \"plant/+/x\" holds a wildcard"},
      {"bad baud", "[line]\nbaud = 9600\n", {}, "station.ini:2: baud takes 4800, 19200 or 38400, not \"9600\""},
      {"empty address option", kGood, {"--address", ""}, "--address \"\": the address list is empty"},
      {"repeated address option", kGood, {"--address", "1,1"}, "--address \"1,1\": address 1 is listed twice"},
      {"option without its value", kGood, {"--address", "--bus"}, "--address"},
      {"option given twice", kGood, {"--baud", "4800", "--baud", "19200"}, "--baud is given more than once"},
      {"unknown option", kGood, {"--bauds", "4800"}, "bauds"},
      {"address list and bus scan", kGood, {"--address", "1", "--bus"}, "either --address or --bus"},
      {"missing config file", nullptr, {"--config", "nope.ini"}, "nope.ini: "},
      {"no broker", "[line]\nport=1\naddresses=1\n", {}, "no broker"},
      // clang-format off
      {"Modbus TCP only", "[line]\nport=1\naddresses=1\n[modbus]\nlisten = 0.0.0.0:502\nunit = 7\nfloat_order = cdab\n"
       "max_connections = 2\n", {"--buffer", "ca.crt"}, "",
       [](const StationSettings& s, const std::string&) {
         EXPECT_FALSE(s.broker);
         EXPECT_EQ(s.modbus.host, "0.0.0.0");
         EXPECT_EQ(s.modbus.port, 502);
         EXPECT_EQ(s.modbus.unit, 7);
         EXPECT_EQ(s.modbus.floatOrder, FloatOrder::kCdab);
         EXPECT_EQ(s.modbus.maxConnections, 2);
       }},
      {"Modbus TCP beside the broker", kGood, {"--modbus", "[::1]:1502"}, "",
       [](const StationSettings& s, const std::string&) {
         EXPECT_EQ(s.modbus.host, "::1");
         EXPECT_EQ(s.modbus.unit, 1);
         EXPECT_EQ(s.modbus.floatOrder, FloatOrder::kAbcd);
         EXPECT_EQ(s.modbus.maxConnections, 8);
       }},
      {"Modbus address without port", "[modbus]\nlisten = 127.0.0.1\n", {}, "station.ini:2: listen \"127.0.0.1\" names no port"},
      {"Modbus address by name", kGood, {"--modbus", "plc.local:502"}, "--modbus \"plc.local:502\" is not an IP address"},
      {"Modbus unit id", "[modbus]\nunit = 256\n", {}, "station.ini:2: unit takes a unit id 0..255, not \"256\""},
      {"Modbus float order", "[modbus]\nfloat_order = badc\n", {}, "station.ini:2: float_order takes abcd"},
      {"service port", "[service]\nlisten = 10.0.0.2:4001\nallow = 10.1.0.0/16, 192.168.5.7\nread_only = yes\n",
       {"--device", "x", "--address", "1", "--broker", "mqtt://b", "--service-max-clients", "3"}, "",
       [](const StationSettings& s, const std::string&) {
         EXPECT_EQ(s.service.host, "10.0.0.2");
         EXPECT_EQ(s.service.port, 4001);
         EXPECT_EQ(s.service.allow, (std::vector<std::string>{"10.1.0.0/16", "192.168.5.7"}));
         EXPECT_TRUE(s.service.readOnly);
         EXPECT_EQ(s.service.maxClients, 3);
         EXPECT_EQ(s.service.idleS, 300);
         EXPECT_EQ(s.service.exclusiveMaxS, 600);
       }},
      {"service port beyond loopback without allow", kGood, {"--service", "0.0.0.0:4001"},
       "the service port on 0.0.0.0 serves the line to anyone who reaches it"},
      {"service allow that is no subnet", kGood, {"--service-allow", "10.1.0.0/33"},
       "--service-allow \"10.1.0.0/33\" is not an address or subnet"},
      // clang-format on
      {"missing CA file",
       "[line]\nport=1\naddresses=1\n[broker]\nurl=mqtts://b\nca_file=/nonexistent/ca.crt\n",
       {},
       "station.ini:6: ca_file /nonexistent/ca.crt: No such file or directory"},
      {"missing CA file given as option",
       kGood,
       {"--broker", "mqtts://b", "--ca-file", "/nonexistent/ca.crt"},
       "--ca-file: ca_file /nonexistent/ca.crt"},
      {"TLS file for a plain broker",
       "[line]\nport=1\naddresses=1\n[broker]\nurl=mqtt://b\nca_file=ca.crt\n",
       {},
       "station.ini:6: ca_file is for TLS, but the broker URL mqtt://b:1883 is plain"},
      {"certificate without key",
       kGood,
       {"--broker", "mqtts://b", "--cert-file", "ca.crt"},
       "--cert-file: a client certificate needs both"},
      {"password file without user",
       "[line]\nport=1\naddresses=1\n[broker]\nurl=mqtt://b\npassword_file=pw600\n",
       {},
       "station.ini:6: a password file needs a user"},
      {"password file readable by the group",
       "[line]\nport=1\naddresses=1\n[broker]\nurl=mqtt://b\nuser=u\n"
       "password_file=pw640\n",
       {},
       "station.ini:7: password_file {dir}/pw640 may be read or changed by group or others (mode 0640)"},
      {"buffer folder is a file",
       kGood,
       {"--buffer", "ca.crt"},
       "--buffer: buffer folder {dir}/ca.crt is not a folder"},
      // What MQTT does not take, which the service would meet only when connecting.
      {"prefix with a TAB",
       "[topics]\nprefix = plant\t1\n",
       {},
       "station.ini:2: prefix holds a control character (U+0009) at byte 6"},
      {"prefix with a NUL byte",
       "[topics]\nprefix = probe{NUL}c\n",
       {},
       "station.ini:2: prefix holds a NUL byte at byte 6"},
      {"prefix in Latin-1",
       "[topics]\nprefix = k\xE4lte\n",
       {},
       "station.ini:2: prefix is not UTF-8 (byte 0xE4 at byte 2)"},
      {"prefix of 70 000 characters", longPrefix.c_str(), {}, "station.ini:2: prefix is 70000 bytes long; at most 512"},
      {"client id in Latin-1", "[broker]\nclient_id = st\xE4tion\n", {}, "station.ini:2: client_id is not UTF-8"},
      {"client id with a control character",
       kGood,
       {"--client-id",
        "a\x7F"
        "b"},
       "--client-id holds a control character (U+007F)"},
      {"client id of bytes that are no UTF-8 on the command line",
       kGood,
       {"--client-id", "st\xE4tion"},
       "--client-id holds U+FFFD (bytes that were not UTF-8) at byte 3"},
      {"user in Latin-1", "[broker]\nuser = j\xFCrgen\n", {}, "station.ini:2: user is not UTF-8"},
      {"UTF-8 is taken", kGood, {"--prefix", "kl\xC3\xA4rwerk/becken 1", "--user", "j\xC3\xBCrgen"}, ""},
      {"language and reserve",
       "[topics]\nlanguage = en\n[buffer]\nreserve_mb = 0\n",
       {"--device", "x", "--address", "1", "--broker", "mqtt://b"},
       "",
       [](const StationSettings& s, const std::string&) {
         EXPECT_EQ(s.language, Language::kEnglish);
         EXPECT_EQ(s.reserveBytes, 0);
       }},
      {"another language", "[topics]\nlanguage = xx\n", {}, languageError.c_str()},
      {"bad reserve", kGood, {"--buffer-reserve", "-1"}, "--buffer-reserve takes megabytes 0..1048576"},
  };
  auto expand = [&](std::string text) {
    for (auto at = text.find("{dir}"); at != std::string::npos; at = text.find("{dir}")) text.replace(at, 5, dir);
    return text;
  };
  for (const SettingsRow& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<std::string> args;
    if (row.ini) {
      QFile ini(tmp.filePath("station.ini"));
      ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
      std::string text = row.ini;
      for (auto at = text.find("{NUL}"); at != std::string::npos; at = text.find("{NUL}")) text.replace(at, 5, 1, '\0');
      ini.write(text.data(), static_cast<qint64>(text.size()));
      ini.close();
      args = {"--config", "station.ini"};
    }
    args.insert(args.end(), row.args.begin(), row.args.end());
    std::string error;
    const auto command = ParseStationCommand(args, env, &error);
    if (command) error = SettingsFileProblem(command->settings);
    const std::string expected = expand(row.error);
    if (expected.empty()) {
      ASSERT_TRUE(error.empty()) << error;
      if (row.check) row.check(command->settings, dir);
    } else {
      EXPECT_NE(error.find(expected), std::string::npos) << error;
      EXPECT_EQ(error.find("secret"), std::string::npos) << error;
    }
  }
}

TEST(StationSettings, EveryKeyHasItsOption) {
  const std::string usage = StationUsage();
  for (const StationKey& k : StationKeys()) EXPECT_NE(usage.find(k.option), std::string::npos) << k.key;
}

TEST(StationSettings, PasswordFileIsReadWithoutItsLineEndAndRefusedWhenOthersMayReadIt) {
  QTemporaryDir tmp;
  const std::string path = tmp.filePath("pw").toStdString();
  QFile f(QString::fromStdString(path));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("s3cret\r\n");
  f.close();
  std::string password, error;
  ::chmod(path.c_str(), 0600);
  ASSERT_TRUE(ReadPasswordFile(path, &password, &error)) << error;
  EXPECT_EQ(password, "s3cret");
  ::chmod(path.c_str(), 0604);
  EXPECT_FALSE(ReadPasswordFile(path, &password, &error));
  EXPECT_NE(error.find("mode 0604"), std::string::npos) << error;
  EXPECT_EQ(error.find("s3cret"), std::string::npos);
}

}  // namespace
}  // namespace korvane::station
