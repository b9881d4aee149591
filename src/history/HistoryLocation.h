#pragma once
// Where the module history is kept: <data folder>/history.sqlite by default, another
// file or a PostgreSQL database when the user names one (--history), or nowhere.
#include <optional>
#include <string>

#include "store/Database.h"

namespace korvane::history {

// $APPDATA/Korvane when APPDATA is set, else $XDG_DATA_HOME/Korvane, else
// ~/.local/share/Korvane.
std::string DataFolder();
std::string DefaultHistoryPath();

// What --history names: nothing for "none" (nothing is recorded), the default file for
// "" , a file or a postgresql:// URL otherwise. False with a message for a URL that is
// malformed or a path that names a folder.
struct HistoryChoice {
  std::optional<store::Location> location;  // none: record nothing
};
bool ParseHistoryOption(const std::string& text, HistoryChoice* choice, std::string* error);

// Who and where, for the events: the user's login name and the PC's host name.
std::string LoginName();
std::string HostName();

}  // namespace korvane::history
