#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <string>
#include <vector>

#include "app/widgets/PortSetupDialog.h"

namespace korvane::app {
namespace {

const char kNoInteger[] = "Geben Sie eine ganze Zahl ein.";
const char kOutOfRange[] = "Geben Sie eine ganze Zahl zwischen 1 und 255 ein.";

TEST(ValidateComNumber, AcceptsOneTo255) {
  struct Case {
    const char* text;
    const char* error;  // nullptr: valid
    int value;
  } cases[] = {
      {"1", nullptr, 1},      {"255", nullptr, 255},
      {" 12", nullptr, 12},   {"12 ", nullptr, 12},
      {"+7", nullptr, 7},     {"007", nullptr, 7},
      {"0", kOutOfRange, 0},  {"256", kOutOfRange, 0},
      {"-3", kOutOfRange, 0}, {"99999999999999999999", kOutOfRange, 0},
      {"abc", kNoInteger, 0}, {"", kNoInteger, 0},
      {"   ", kNoInteger, 0}, {"1.5", kNoInteger, 0},
      {"12a", kNoInteger, 0}, {"1 2", kNoInteger, 0},
      {"-", kNoInteger, 0},   {"0x10", kNoInteger, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("\"") + c.text + "\"");
    int value = -1;
    const auto error = ValidateComNumber(c.text, &value);
    if (c.error) {
      ASSERT_TRUE(error.has_value());
      EXPECT_EQ(*error, c.error);
      EXPECT_EQ(value, -1);
    } else {
      EXPECT_FALSE(error.has_value()) << *error;
      EXPECT_EQ(value, c.value);
    }
  }
}

TEST(ValidateComNumber, RefusesInTheDialogsLanguage) {
  EXPECT_EQ(ValidateComNumber("x", nullptr, Language::kEnglish), "Enter a whole number.");
  EXPECT_EQ(ValidateComNumber("256", nullptr, Language::kEnglish), "Enter a whole number from 1 to 255.");
}

TEST(FreePortListText, OneLinePerPort) {
  const std::vector<platform::FreePort> ports = {{1, "/dev/ttyS0", ""}, {34, "/dev/ttyUSB1", "FTDI USB Serial"}};
  EXPECT_EQ(FreePortListText(ports, Language::kGerman), "COM 1  /dev/ttyS0\nCOM 34  /dev/ttyUSB1  FTDI USB Serial\n");
  EXPECT_EQ(FreePortListText({}, Language::kGerman), "Kein freier Port gefunden.");
  EXPECT_EQ(FreePortListText({}, Language::kEnglish), "No free port found.");
}

class SetupDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tmp_.isValid());
    folder_ = tmp_.path().toStdString();
    dlg_.showMessage = [this](const QString& text) { messages_.push_back(text); };
    dlg_.scanFreePorts = [this](const std::string& folder) {
      scannedFolder_ = folder;
      return ports_;
    };
    dlg_.setSettingsFolder(folder_);
    dlg_.setCancelCaption("Cancel");
    dlg_.setLanguageCaption("Language");
  }

  QTemporaryDir tmp_;
  std::string folder_;
  PortSetupDialog dlg_;
  std::vector<QString> messages_;
  std::vector<platform::FreePort> ports_;
  std::string scannedFolder_;
};

TEST_F(SetupDialog, ShowsTheValuesHandedIn) {
  dlg_.setComNumber(3);
  dlg_.setLanguage(Language::kEnglish);
  EXPECT_EQ(dlg_.windowTitle(), "Setup");
  EXPECT_EQ(dlg_.comEdit()->text(), "3");
  EXPECT_EQ(dlg_.languageBox()->currentText(), "English");
  EXPECT_EQ(dlg_.freePortsButton()->text(), "Free Ports");
  EXPECT_EQ(dlg_.cancelButton()->text(), "Cancel");
  EXPECT_EQ(dlg_.cancelCaption(), "Cancel");
  EXPECT_EQ(dlg_.languageCaption(), "Language");
  EXPECT_EQ(dlg_.okButton()->text(), "OK");
  EXPECT_EQ(dlg_.deviceLabel()->text(), "/dev/ttyS2");
  dlg_.setLanguage(Language::kGerman);
  EXPECT_EQ(dlg_.freePortsButton()->text(), "Freie Ports");
  EXPECT_EQ(dlg_.languageBox()->currentText(), "Deutsch");
}

TEST_F(SetupDialog, TheLanguageListShowsTheStoredDigitAndHandsBackTheChosenOne) {
  struct Case {
    int stored;
    const char* shown;
    const char* freePorts;
  } cases[] = {{0, "Deutsch", "Freie Ports"},
               {1, "English", "Free Ports"},
               {2, "Français", "Ports libres"},
               {7, "Deutsch", "Freie Ports"}};  // a hand-edited digit no language has
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    dlg_.setLanguage(LanguageFromSetting(c.stored));
    EXPECT_EQ(dlg_.languageBox()->currentText(), QString::fromUtf8(c.shown));
    EXPECT_EQ(dlg_.freePortsButton()->text(), QString::fromUtf8(c.freePorts));
  }
  ASSERT_EQ(dlg_.languageBox()->count(), static_cast<int>(std::size(kLanguages)));
  // OK with the list untouched hands the hand-edited digit back as it was.
  dlg_.setComNumber(1);
  dlg_.okButton()->click();
  EXPECT_EQ(SettingOf(dlg_.language()), 7);
  dlg_.languageBox()->setCurrentIndex(2);
  dlg_.okButton()->click();
  EXPECT_EQ(dlg_.language(), Language::kFrench);
}

TEST_F(SetupDialog, DeviceLabelFollowsTheTypedNumber) {
  ASSERT_TRUE(QDir().mkpath(tmp_.path() + "/ports"));
  ASSERT_TRUE(QFile::link("/dev/null", tmp_.path() + "/ports/COM7"));
  dlg_.comEdit()->setText("34");
  EXPECT_EQ(dlg_.deviceLabel()->text(), "/dev/ttyUSB1");
  dlg_.comEdit()->setText("7");
  EXPECT_EQ(dlg_.deviceLabel()->text(), QString::fromStdString(folder_ + "/ports/COM7"));
  dlg_.comEdit()->setText("200");  // valid, but no device behind it
  EXPECT_EQ(dlg_.deviceLabel()->text(), "-");
  dlg_.comEdit()->setText("x");
  EXPECT_EQ(dlg_.deviceLabel()->text(), "");
}

TEST_F(SetupDialog, OkReturnsNumberAndLanguage) {
  dlg_.setComNumber(1);
  dlg_.setLanguage(Language::kGerman);
  dlg_.comEdit()->setText("255");
  dlg_.languageBox()->setCurrentIndex(1);
  dlg_.okButton()->click();
  EXPECT_EQ(dlg_.result(), QDialog::Accepted);
  EXPECT_EQ(dlg_.comNumber(), 255);
  EXPECT_EQ(dlg_.language(), Language::kEnglish);
  EXPECT_TRUE(messages_.empty());
}

TEST_F(SetupDialog, NetworkChoiceIsKeptAsTheComNumbersMapping) {
  ASSERT_TRUE(QDir().mkpath(tmp_.path() + "/ports"));
  ASSERT_TRUE(QFile::link("/dev/null", tmp_.path() + "/ports/COM9"));
  const struct {
    int com;
    bool network;
    int protocol;  // 0 rfc2217://, 1 socket://
    const char* host;
    const char* maps;     // the device COM n maps to afterwards
    const char* message;  // nullptr: accepted
  } cases[] = {
      {4, true, 0, " 10.0.0.7 ", "rfc2217://10.0.0.7:4001", nullptr},
      {4, true, 1, "box.local", "socket://box.local:4001", nullptr},  // replaces the earlier line
      {4, false, 0, "", "/dev/ttyS3", nullptr},                       // off: the default device again
      {5, true, 0, "", "/dev/ttyS4", "the host name is missing"},
      {9, true, 0, "10.0.0.7", "/ports/COM9", "already links to a device"},  // the device link stays
      {9, false, 0, "", "/ports/COM9", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.com) + " " + c.host);
    messages_.clear();
    dlg_.setLanguage(Language::kEnglish);
    dlg_.setComNumber(c.com);
    dlg_.setResult(0);
    dlg_.networkBox()->setChecked(c.network);
    dlg_.protocolBox()->setCurrentIndex(c.protocol);
    dlg_.hostEdit()->setText(c.host);
    dlg_.networkPortBox()->setValue(4001);
    dlg_.okButton()->click();
    EXPECT_EQ(dlg_.result(), c.message ? 0 : QDialog::Accepted);
    ASSERT_EQ(messages_.size(), c.message ? 1u : 0u);
    if (c.message) {
      EXPECT_TRUE(messages_[0].contains(c.message)) << messages_[0].toStdString();
    }
    EXPECT_TRUE(platform::DeviceForPort(folder_, c.com).ends_with(c.maps)) << platform::DeviceForPort(folder_, c.com);
  }
  // Opened again, the dialog shows the line the COM number is on.
  ASSERT_TRUE(platform::MapPortToNetwork(folder_, 6, "socket://10.1.2.3:2001", Language::kEnglish).empty());
  dlg_.setComNumber(6);
  EXPECT_TRUE(dlg_.networkBox()->isChecked());
  EXPECT_EQ(dlg_.networkLine(), "socket://10.1.2.3:2001");
  EXPECT_EQ(dlg_.networkBox()->title(), "Network");
}

// COM5 on the network, COM1 the current port: the box shows each number's line as it is
// typed, and OK keeps every mapping the user did not turn off.
TEST_F(SetupDialog, NetworkBoxFollowsTheTypedNumber) {
  ASSERT_TRUE(platform::MapPortToNetwork(folder_, 5, "rfc2217://10.0.0.7:4001", Language::kGerman).empty());
  dlg_.setComNumber(1);
  ASSERT_FALSE(dlg_.networkBox()->isChecked());
  const struct {
    const char* typed;
    bool checked;
    const char* host;
    const char* label;
  } steps[] = {
      {"5", true, "10.0.0.7", "rfc2217://10.0.0.7:4001"},
      {"2", false, "", "/dev/ttyS1"},  // COM5's line never follows onto COM2
      {"5", true, "10.0.0.7", "rfc2217://10.0.0.7:4001"},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.typed);
    dlg_.comEdit()->setText(step.typed);
    EXPECT_EQ(dlg_.networkBox()->isChecked(), step.checked);
    EXPECT_EQ(dlg_.hostEdit()->text(), step.host);
    EXPECT_EQ(dlg_.deviceLabel()->text(), step.label);
  }
  dlg_.okButton()->click();
  EXPECT_EQ(dlg_.result(), QDialog::Accepted);
  EXPECT_EQ(platform::DeviceForPort(folder_, 5), "rfc2217://10.0.0.7:4001");
  // From COM5 to COM2: the box now shows COM2's "off", COM5 keeps its line.
  dlg_.setComNumber(5);
  dlg_.comEdit()->setText("2");
  dlg_.okButton()->click();
  EXPECT_EQ(dlg_.comNumber(), 2);
  EXPECT_EQ(platform::DeviceForPort(folder_, 5), "rfc2217://10.0.0.7:4001");
  // Ticking the box for a number shows the line it will lead to.
  dlg_.networkBox()->setChecked(true);
  dlg_.hostEdit()->setText("box.local");
  EXPECT_EQ(dlg_.deviceLabel()->text(), "rfc2217://box.local:4001");
}

// The box turned off for a number on the network: the label names the device OK leads
// the number to, not the line OK removes.
TEST_F(SetupDialog, BoxTurnedOffNamesTheDeviceOkLeadsTo) {
  ASSERT_TRUE(platform::MapPortToNetwork(folder_, 5, "rfc2217://10.0.0.7:4001", Language::kGerman).empty());
  dlg_.setComNumber(5);
  dlg_.networkBox()->setChecked(false);
  EXPECT_EQ(dlg_.deviceLabel()->text(), "/dev/ttyS4");
  dlg_.networkBox()->setChecked(true);
  EXPECT_EQ(dlg_.deviceLabel()->text(), "rfc2217://10.0.0.7:4001");
}

TEST_F(SetupDialog, RateFieldOffersTheLineRatesAndKeepsAnotherAsItStands) {
  EXPECT_EQ(dlg_.rateBox()->count(), 3);
  for (int baud : {19200, 38400, 4800}) {
    dlg_.setBaudRate(baud);
    EXPECT_EQ(dlg_.baudRate(), baud);
  }
  dlg_.setBaudRate(9600);  // a settings file edited by hand
  EXPECT_EQ(dlg_.rateBox()->currentText(), "9600");
  dlg_.rateBox()->setCurrentIndex(0);
  EXPECT_EQ(dlg_.baudRate(), 4800);
  dlg_.setTechnician("  Anna Berg ");
  EXPECT_EQ(dlg_.technician(), "Anna Berg");
}

TEST_F(SetupDialog, InvalidNumberKeepsTheDialogOpen) {
  dlg_.setComNumber(4);
  dlg_.setLanguage(Language::kGerman);
  dlg_.show();
  struct Case {
    const char* text;
    const char* message;
  } cases[] = {{"0", kOutOfRange}, {"256", kOutOfRange}, {"abc", kNoInteger}, {"", kNoInteger}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    messages_.clear();
    dlg_.comEdit()->setText(c.text);
    dlg_.languageBox()->setCurrentIndex(1);
    dlg_.okButton()->click();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], c.message);
    EXPECT_TRUE(dlg_.isVisible());
    EXPECT_EQ(dlg_.result(), 0);
    // Nothing is handed back.
    EXPECT_EQ(dlg_.comNumber(), 4);
    EXPECT_EQ(dlg_.language(), Language::kGerman);
  }
  dlg_.comEdit()->setText("5");
  dlg_.okButton()->click();
  EXPECT_FALSE(dlg_.isVisible());
  EXPECT_EQ(dlg_.result(), QDialog::Accepted);
  EXPECT_EQ(dlg_.comNumber(), 5);
}

TEST_F(SetupDialog, CancelReturnsNothing) {
  dlg_.setComNumber(2);
  dlg_.setLanguage(Language::kEnglish);
  dlg_.comEdit()->setText("9");
  dlg_.languageBox()->setCurrentIndex(0);
  dlg_.cancelButton()->click();
  EXPECT_EQ(dlg_.result(), QDialog::Rejected);
  EXPECT_EQ(dlg_.comNumber(), 2);
  EXPECT_EQ(dlg_.language(), Language::kEnglish);
}

TEST_F(SetupDialog, FreePortsListsTheScanInTheDialogsLanguage) {
  dlg_.setLanguage(Language::kEnglish);
  dlg_.freePortsButton()->click();
  EXPECT_EQ(scannedFolder_, folder_);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0], "No free port found.");
  ports_ = {{2, "/dev/ttyS1", ""}};
  dlg_.freePortsButton()->click();
  ASSERT_EQ(messages_.size(), 2u);
  EXPECT_EQ(messages_[1], "COM 2  /dev/ttyS1\n");
  // The scan does not close the dialog.
  EXPECT_EQ(dlg_.result(), 0);
}

}  // namespace
}  // namespace korvane::app
