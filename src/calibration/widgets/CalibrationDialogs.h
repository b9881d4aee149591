#pragma once
// The calibration dialogs run modally for the desktop Ui.
#include <string>

#include "platform/Ui.h"

class QWidget;

namespace korvane::calibration {

// Value entry: 1 after OK (entry.value updated), 2 otherwise (entry.value unchanged).
int RunValueEntry(QWidget* parent, platform::ValueEntry& entry);
// Result display: 1 for save, 2 for exit or the close box.
int RunResultDisplay(QWidget* parent, const platform::ResultRows& rows);
// Two-way choice: 1 for the first button, 2 for the second or the close box.
int RunChoice(QWidget* parent, const std::string& first, const std::string& second);

}  // namespace korvane::calibration
