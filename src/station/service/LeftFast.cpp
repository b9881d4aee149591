#include "station/service/LeftFast.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sstream>

#include "link/Protocol.h"
#include "platform/SafeFile.h"

namespace korvane::station::service {

void LeftFast::Load() {
  address_.reset();
  rate_ = 0;
  if (path_.empty()) return;
  const std::optional<std::string> text = platform::ReadWholeFile(path_);
  if (!text) return;
  std::istringstream in(*text);
  int address = -1, rate = -1;
  if (!(in >> address >> rate) || address < 0 || address > 31 || (rate != 0 && !link::IsLineRate(rate))) return;
  address_ = static_cast<std::uint8_t>(address);
  rate_ = rate == link::kSlowBaud ? 0 : rate;
}

bool LeftFast::Switched(std::uint8_t address, std::string* error) {
  address_ = address;
  rate_ = 0;
  return Save(error);
}

bool LeftFast::AtRate(int rate, std::string* error) {
  if (!address_ || rate == rate_ || rate == link::kSlowBaud) return true;
  rate_ = rate;
  return Save(error);
}

bool LeftFast::Clear(std::string* error) {
  const bool had = address_.has_value();
  address_.reset();
  rate_ = 0;
  if (path_.empty() || !had) return true;
  if (std::remove(path_.c_str()) == 0 || errno == ENOENT) return true;
  *error = path_ + ": " + std::strerror(errno);
  return false;
}

bool LeftFast::Save(std::string* error) {
  if (path_.empty()) return true;
  // A station without a broker has not made its folder for a queue.
  std::error_code made;
  std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), made);
  const std::string text = std::to_string(*address_) + " " + std::to_string(rate_) + "\n";
  return platform::SaveFileReplacing(path_, text, error, Language::kEnglish);
}

std::vector<int> ReturnRates(int known) {
  if (known == link::kFastBaud) return {link::kFastBaud, link::kMediumBaud};
  return {link::kMediumBaud, link::kFastBaud};
}

}  // namespace korvane::station::service
