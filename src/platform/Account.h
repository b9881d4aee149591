#pragma once
// Who runs the program, as the system knows the account.
#include <string>

namespace korvane::platform {

// The account's full name (the first field of its passwd comment), else its login name,
// else its user id.
std::string AccountName();

// The full name in a passwd comment ("Anna Berg,Room 12,,"): up to the first comma,
// blanks around it dropped; "" when there is none.
std::string FullNameOfComment(const std::string& comment);

}  // namespace korvane::platform
