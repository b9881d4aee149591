#include "link/LineLease.h"

#include "link/Link.h"

namespace korvane::link {

LineLease::LineLease(Link* link) : link_(link) {}

LineLease& LineLease::operator=(LineLease&& other) noexcept {
  if (this != &other) {
    Release();
    link_ = other.link_;
    other.link_.clear();
  }
  return *this;
}

void LineLease::Release() {
  if (Link* link = link_.data()) {
    link_.clear();
    link->ReleaseLine();
  }
}

}  // namespace korvane::link
