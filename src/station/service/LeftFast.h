#pragma once
// The module a service client switched to its fast rate and has not switched back yet.
// It stands in a small file in the station's folder as well ("3 19200": the address and
// the line's rate, 0 while not known), so that a station that is killed, or whose power
// goes, while a client holds it there brings it back to 4800 baud at its next start.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korvane::station::service {

class LeftFast {
 public:
  // Without a path it is kept in memory only.
  explicit LeftFast(std::string path = {}) : path_(std::move(path)) {}

  // What an earlier run left; a file that does not read as one is nothing.
  void Load();
  // The module's baud command to its fast rate goes out; the line then follows at rate.
  // False with *error when the file cannot be written (the module is kept in memory).
  bool Switched(std::uint8_t address, std::string* error);
  bool AtRate(int rate, std::string* error);
  // It is back at 4800 baud (or was tried). False with *error when the file stays.
  bool Clear(std::string* error);

  std::optional<std::uint8_t> address() const { return address_; }
  int rate() const { return rate_; }
  const std::string& path() const { return path_; }

 private:
  bool Save(std::string* error);

  std::string path_;
  std::optional<std::uint8_t> address_;
  int rate_ = 0;
};

// The rates to send the baud command back at, in turn: the one the line followed the
// module to, then the other fast rate (a controller listens at 38400, an amplifier at
// 19200); both when none is known.
std::vector<int> ReturnRates(int known);

}  // namespace korvane::station::service
