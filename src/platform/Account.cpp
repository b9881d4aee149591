#include "platform/Account.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace korvane::platform {

std::string FullNameOfComment(const std::string& comment) {
  std::string name = comment.substr(0, comment.find(','));
  const auto first = name.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  name = name.substr(first, name.find_last_not_of(" \t") - first + 1);
  // A name is one line: a control character would end it.
  for (char c : name)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return {};
  return name;
}

std::string AccountName() {
  passwd entry{};
  passwd* found = nullptr;
  std::vector<char> buffer(16384);
  if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found) {
    if (found->pw_gecos) {
      if (std::string full = FullNameOfComment(found->pw_gecos); !full.empty()) return full;
    }
    if (found->pw_name && *found->pw_name) return found->pw_name;
  }
  if (const char* user = std::getenv("USER"); user && *user) return user;
  return std::to_string(::geteuid());
}

}  // namespace korvane::platform
