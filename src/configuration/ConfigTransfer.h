#pragma once
// Reading a module's configuration parameter by parameter, the type check of the
// dialog's OK, and writing the configuration back in the fixed order. QtCore only:
// the frames go through the Link, every modal interaction through the Ui.
#include <cstdint>
#include <functional>

#include "configuration/ConfigSettings.h"
#include "link/Link.h"
#include "platform/Ui.h"

namespace korvane::configuration {

// The parameters of the read sequence, in request order (request n = index n - 1).
inline constexpr std::uint8_t kReadOrder[31] = {28, 39, 40, 41, 42, 51, 52, 36, 32, 33, 34, 37, 35, 30, 47, 48,
                                                63, 67, 55, 56, 64, 68, 57, 58, 72, 73, 81, 31, 38, 26, 29};

class ConfigTransfer {
 public:
  ConfigTransfer(link::Link& link, platform::Ui& ui) : link_(link), ui_(ui) {}

  // The 31 reads into the settings, under the progress window ("Datenübertragung",
  // range 0..30, position n before request n), then the 1 s pause. Opens the port if
  // needed and takes the link's language and address. On a missing reply: progress
  // closed, communication error shown, false; the settings read so far keep their
  // new values.
  bool ReadConfigurationSequence(ConfigSettings& s);

  // OK of the dialog (after the control values were taken into the settings): reads
  // parameter 28 again and compares the module type with the chosen absolute type.
  enum class OkCheck { kAccepted, kNoReply, kTypeMismatch };
  OkCheck CheckTypeOnOk(ConfigSettings& s);

  // After OK: KeyValuesFromIndices, command 67, the writes in their fixed order under
  // the progress window, store command 65 and command 68. The address written as
  // parameter 30 is used from the next frame on (the link's address changes too).
  // Writes without reply are not reported; the sequence always runs to its end.
  void WriteConfigurationSequence(ConfigSettings& s);

  // The whole button "Konfigurieren": read, KeyIndicesFromValues, runDialog (which
  // shows the settings, runs SetupDialogControls and returns true after an OK that
  // passed CheckTypeOnOk), then the write sequence. True when the configuration was
  // written. A CLI's runDialog applies ApplySetupDialogRules to get the same frames.
  bool ReadConfiguration(ConfigSettings& s, const std::function<bool(ConfigSettings&)>& runDialog);

 private:
  bool Read(std::uint8_t parameter, std::uint8_t length);
  void Write(std::uint8_t parameter, std::uint8_t length, const link::Data4& data);
  void Command(std::uint8_t command, const link::Data4& data);

  link::Link& link_;
  platform::Ui& ui_;
  int progress_ = 0;
};

}  // namespace korvane::configuration
