#pragma once
// The line for one flow's whole run. While a flow holds it, the link refuses (and
// counts) requests from anyone else, so two flows never interleave their frames on the
// one line. Moving a lease hands it on; destroying or releasing it frees the line.
#include <QPointer>

namespace korvane::link {

class Link;

class LineLease {
 public:
  LineLease() = default;
  LineLease(const LineLease&) = delete;
  LineLease& operator=(const LineLease&) = delete;
  LineLease(LineLease&& other) noexcept : link_(other.link_) { other.link_.clear(); }
  LineLease& operator=(LineLease&& other) noexcept;
  ~LineLease() { Release(); }

  // False when the line was refused (another flow holds it) or the lease was released.
  explicit operator bool() const { return !link_.isNull(); }
  void Release();

 private:
  friend class Link;
  explicit LineLease(Link* link);

  QPointer<Link> link_;
};

}  // namespace korvane::link
