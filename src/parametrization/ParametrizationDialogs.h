#pragma once
// The parametrization's own windows, as the flows see them: the type selection, the
// parametrization dialog and the raw value window. Qt widgets on the desktop, doubles
// in the tests.
#include <cstdint>
#include <optional>

namespace korvane::parametrization {

class Parametrization;

// The small window that shows the raw converter value during a measurement.
class RawValueView {
 public:
  virtual ~RawValueView() = default;
  virtual void Open(std::uint32_t value) = 0;
  virtual void Show(std::uint32_t value) = 0;
  virtual void Close() = 0;
};

class ParametrizationDialogs {
 public:
  virtual ~ParametrizationDialogs() = default;
  // The type to parametrize (catalogue index 0..30); nullopt when cancelled.
  virtual std::optional<int> SelectType() = 0;
  // Shows the initialized parametrization modally; its buttons call the actions.
  virtual void Run(Parametrization& session) = 0;
  virtual RawValueView& rawValueView() = 0;
};

}  // namespace korvane::parametrization
