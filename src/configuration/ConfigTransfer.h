#pragma once
// Reading a module's configuration parameter by parameter, the type check of the
// dialog's OK, and writing the configuration back in the fixed order. QtCore only:
// the frames go through the Link, every modal interaction through the Ui.
#include <cstdint>

#include "configuration/ConfigSettings.h"
#include "configuration/ConfigurationEditor.h"
#include "configuration/SetupActions.h"
#include "link/FlowContext.h"
#include "link/FlowLog.h"
#include "link/Link.h"
#include "platform/Ui.h"
#include "types/Catalogue.h"

namespace korvane::configuration {

// The parameters of the read sequence, in request order (request n = index n - 1).
inline constexpr link::Parameter kReadOrder[31] = {link::kType,
                                                   link::kOutput0Lower,
                                                   link::kOutput0Upper,
                                                   link::kOutput1Lower,
                                                   link::kOutput1Upper,
                                                   link::kOutput0Source,
                                                   link::kOutput1Source,
                                                   link::kCalibrationKey2,
                                                   link::kCalibration1,
                                                   link::kCalibration2,
                                                   link::kCalibration3,
                                                   link::kCalibration4,
                                                   link::kCalibrationKey1,
                                                   link::kAddress,
                                                   link::kCurrentRange,
                                                   link::kOutputKind,
                                                   link::kRelay1LimitType,
                                                   link::kRelay1Source,
                                                   link::kRelay1Limit,
                                                   link::kRelay1Hysteresis,
                                                   link::kRelay2LimitType,
                                                   link::kRelay2Source,
                                                   link::kRelay2Limit,
                                                   link::kRelay2Hysteresis,
                                                   link::kFixedTemperature,
                                                   link::kFixedTemperatureOn,
                                                   link::kCalibrationHold,
                                                   link::kFirmware,
                                                   link::kTemperatureOffset,
                                                   link::kIdentity,
                                                   link::kDeviceKind};

// Whether the write sequence stores calibration value 4 (calibration4) for type t.
inline bool WritesCalibration4(int t) { return types::MeasurementType(t).family() == types::Family::kChlorineWithPh; }

class ConfigTransfer : public SetupActions {
 public:
  // The context gives the module's address and the language; the write sequence
  // moves its address to the module's new one. clock and logger serve the dialog's
  // printout and series button.
  ConfigTransfer(link::Link& link, platform::Ui& ui, link::FlowContext& context,
                 platform::Clock clock = platform::SystemClock(), logger::LoggerLauncher* logger = nullptr)
      : SetupActions(ui, std::move(clock), logger), link_(link), ui_(ui), context_(context) {}

  // The 31 reads into the settings, under the progress window ("Datenübertragung",
  // range 0..30, position n before request n), then the 1 s pause (which gives a
  // person time before the dialog; setPauseBeforeDialog(false) drops it where no one
  // looks). Opens the port if
  // needed and takes the context's language and address. On a missing reply: progress
  // closed, communication error shown, false; the settings read so far keep their
  // new values.
  bool ReadConfigurationSequence(ConfigSettings& s);
  void setPauseBeforeDialog(bool pause) { pauseBeforeDialog_ = pause; }

  // OK of the dialog (after the control values were taken into the settings): reads
  // parameter 28 again and compares the module type with the chosen absolute type.
  TypeCheck CheckTypeOnOk(ConfigSettings& s) override;

  // After OK: KeyValuesFromIndices, command 67, the writes in their fixed order under
  // the progress window, store command 65 and command 68. The address written as
  // parameter 30 is used from the next frame on (the context's address changes too).
  // A write without reply does not stop the sequence, but it is counted where the
  // module should have acknowledged it; a lost line stops it. A report that is not
  // ok is shown to the user afterwards and returned. A setting whose value no module
  // may get (ConfigurationWrites) is named to the user and nothing is sent (refused()).
  link::WriteReport WriteConfigurationSequence(ConfigSettings& s);

  // The whole button "Konfigurieren": read, KeyIndicesFromValues, the editor (with
  // this transfer's type check on OK), then the write sequence. True when the
  // configuration was written completely (lastWrite() tells what the write got back).
  bool ReadConfiguration(ConfigSettings& s, ConfigurationEditor& editor);
  const link::WriteReport& lastWrite() const { return report_; }

  // "Öffnen" in the dialog: the file is what the write's record names as its source.
  LoadResult Load(ConfigSettings& s) override;
  // "Vergleichen" with the module: the read sequence into `into`, without the pause.
  bool ReadModule(ConfigSettings& into) override;

  // Tells the context's log that the configuration was read: every field with the
  // value the last read sequence found. ReadConfiguration does this itself.
  void RecordRead();
  // The last write sequence sent nothing: a setting held a value no module may get
  // (the user was told which).
  bool refused() const { return refused_; }

 private:
  void Write(link::Parameter p, const link::Data4& data);
  void Command(link::Command c, const link::Data4& data = {});

  link::Link& link_;
  platform::Ui& ui_;
  link::FlowContext& context_;
  int progress_ = 0;
  bool pauseBeforeDialog_ = true;
  link::WriteReport report_;
  bool refused_ = false;
  // What the last read found, for the write's record; the setup file "Öffnen" loaded.
  ConfigSettings found_;
  link::ModuleIdentity foundModule_;
  std::optional<ChosenSetup> loaded_;
  std::vector<ConfigWrite> writes_;  // of the last write sequence
};

}  // namespace korvane::configuration
