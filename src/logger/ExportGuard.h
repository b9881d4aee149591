#pragma once
// Before a logger readout writes its export file: the recording in progress must not
// write into the same file.
#include <string>

namespace korvane::logger {

class ExportGuard {
 public:
  virtual ~ExportGuard() = default;
  // Called with the export file chosen; closes the recording when it is the same file.
  virtual void BeforeExport(const std::string& path) = 0;
};

}  // namespace korvane::logger
