#pragma once
// What the configuration dialog does to the settings when it opens and when its
// control values are taken back, without widgets: the command line produces the same
// setup files and frames as the dialog with these. Pure C++.
#include "configuration/ConfigSettings.h"

namespace korvane::configuration {

// The settings as the dialog's controls give them back after showing them: a radio
// index without a button and a list index without an entry become -1 (no selection),
// check states become 0/1. Texts and the address pass unchanged (the address is
// checked by CheckAddressText when the values are taken).
void ControlRoundTrip(ConfigSettings& s);

// Opening the dialog on the settings: the settings side of SetupDialogControls, then
// the round trip through the controls. Afterwards measurementType is the list index
// beside typeListOffset, as while the dialog shows.
void OpenDialogData(ConfigSettings& s);

// The settings as the dialog opens on what a read sequence found: the key lists from the
// key values, then OpenDialogData. What a setup file saved right after the read holds,
// and what the read's record holds: one source for both.
ConfigSettings OpenedOnRead(const ConfigSettings& read);

}  // namespace korvane::configuration
