#pragma once
// The version of every program, the about box, the history's records, the manual pages
// and the package: set once, in the project() line of CMakeLists.txt (the build writes it
// into Version.cpp from Version.cpp.in).
namespace korvane::platform {

extern const char kVersion[];

}  // namespace korvane::platform
