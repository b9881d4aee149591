#pragma once
// The setup printout: a heading naming the series, the device identity and the time
// of printing, then label-and-value lines of the configuration, laid out on printer
// pages in device units.
#include <array>
#include <string>

#include "configuration/ConfigSettings.h"
#include "platform/Clock.h"
#include "platform/Page.h"
#include "platform/Ui.h"

namespace korvane::configuration {

// "QX 7100" (device kind 5), "PD/PB/PF 70" (4), "QX 5100/6100" (any other).
std::string SeriesHeading(int deviceKind);
// Document name of the print job: "<series heading> Setup-Plot".
std::string PrintDocumentName(int deviceKind);

// "Setup <series> -Nr.: <identity>  dd.mm.yyyy hh:mm\n\n".
std::string BuildPrintHeading(const ConfigSettings& s, const platform::LocalTime& now);

// The body lines, each ended by "\n", for the absolute type of s in its language.
// sourceNames are the names on the source radio buttons (SetupDialogControls).
std::string BuildPrintBody(const ConfigSettings& s, const std::array<std::string, 6>& sourceNames);

// Lays heading and body out on the page: x = 9 % of the width; the heading once at
// 2 % of the height; body lines 100 units apart from 6 % of the height; a page ends
// when the next line would pass 87 % of the height. Ends the job; false when it failed.
bool LayoutPrint(platform::PageTarget& page, const std::string& heading, const std::string& body);

// Button "Drucken": the print dialog, then heading, body and layout. False when the
// user cancelled the print dialog or the job failed (the user was told; a PDF file is
// then not written).
bool PrintSetup(platform::Ui& ui, const ConfigSettings& s, const std::array<std::string, 6>& sourceNames,
                const platform::Clock& clock);

}  // namespace korvane::configuration
