#pragma once
// The assistant's steps: a point is taken when the reading has settled (or by hand,
// marked so), its reference value is pre-filled from the recognised buffer or the last
// value used on the module, and the result is shown against its limits; an implausible
// result is saved only after a second question. Every point's figures are kept for the
// calibration's record.
#include <array>
#include <functional>

#include "calibration/AssistantUi.h"
#include "calibration/CalibrationSteps.h"
#include "link/FlowContext.h"
#include "link/FlowLog.h"

namespace korvane::link {
class Link;
}

namespace korvane::calibration {

class AssistedSteps : public CalibrationSteps {
 public:
  AssistedSteps(link::Link& link, const link::FlowContext& context, AssistantParts& parts);

  // The record of the run as it stands, for a certificate printed before it ends.
  void setRecord(std::function<link::FlowRecord()> record) { record_ = std::move(record); }

  void Begin(const std::string& procedure, int typeIndex, int points) override;
  PointResult Point(const PointRequest& request) override;
  float Measured(int channel) const override { return values_[static_cast<std::size_t>(channel - 1)]; }
  void CalibrationError(Verdict verdict) override;
  bool Offer(const ResultOffer& offer) override;
  void Tell(const std::string& text) override;
  void End(const std::string& outcome) override;
  bool assisted() const override { return true; }

  // Why the last point ended without being taken: "cancelled" or "line-lost" ("" taken).
  const std::string& stopped() const { return stopped_; }
  const std::string& bufferSet() const { return parts_.settings.bufferSet; }

 private:
  struct Taken {
    double watched = 0;
    float reference = 0;
    int buffer = -1;
  };
  BufferGuess Guess(const PointRequest& r, const std::string& setKey, double millivolts, double celsius) const;
  std::string SameSolutionWarning(const PointRequest& r, double watched) const;
  double LeaveBy(const PointRequest& r, double previous) const;
  std::function<void()> Printer();

  link::Link& link_;
  const link::FlowContext& context_;
  AssistantParts& parts_;
  Language lang_;
  std::string procedure_;
  int type_ = 0;
  std::array<float, 6> values_{};
  std::optional<Taken> first_;
  float lastEntry_ = 0;  // the entry's value, as the classic entry keeps it
  std::string stopped_;
  std::function<link::FlowRecord()> record_;
};

}  // namespace korvane::calibration
