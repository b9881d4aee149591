#pragma once
// How a calibration procedure takes its measuring points and offers its result: with
// the classic message boxes and entries, or with the assistant. The procedures
// (Calibrate.cpp) are the same for both; the formulas get the same kind of values.
#include <QJsonObject>

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "calibration/AssistantSettings.h"
#include "calibration/BufferTables.h"
#include "calibration/CalibrationMath.h"
#include "calibration/CalibrationUi.h"
#include "platform/Text.h"

namespace korvane::calibration {

struct PointRequest {
  const platform::Text* text = nullptr;  // the point's text; none before the air pressure
  int point = 0;                         // 1, 2; 0 for a single point
  int captureChannel = 0;                // captured before the entry; 0: the procedure reads after it
  int watchChannel = 1;                  // the channel whose settling counts
  std::string prompt, unit;
  bool presetFromCapture = false;  // the entry starts with the captured value (air pressure)
  CriterionGroup group = CriterionGroup::kPh;
  // pH points: the buffers are recognised on the module's electrode line.
  bool phBuffers = false;
  ElectrodeLine line;
};

struct PointResult {
  bool taken = false;  // false: given up or the line went; the procedure ends
  float captured = 0;
  float reference = 0;
  float temperature = 0;
  QJsonObject record;  // the point as the history keeps it
};

// What the result needs besides its rows.
struct ResultOffer {
  ResultRows rows;
  std::string procedure;
  int typeIndex = 0;
  KValues before{}, after{};
  std::optional<float> slope;  // pH compensation
  Verdict verdict = Verdict::kPlausible;
};

class CalibrationSteps {
 public:
  virtual ~CalibrationSteps() = default;
  virtual void Begin(const std::string& procedure, int typeIndex, int points) = 0;
  virtual PointResult Point(const PointRequest& request) = 0;
  // The values the formulas read after the last point: the classic procedure reads the
  // module's live values when the entry has closed, the assistant the point's own.
  virtual float Measured(int channel) const = 0;
  // A result the formulas refused or judged implausible.
  virtual void CalibrationError(Verdict verdict) = 0;
  // True when the result is to be saved.
  virtual bool Offer(const ResultOffer& offer) = 0;
  virtual void Tell(const std::string& text) = 0;
  // The run is over (saved, not saved, given up).
  virtual void End(const std::string& outcome) = 0;
  // Whether the run records the assistant's figures.
  virtual bool assisted() const = 0;
};

}  // namespace korvane::calibration
