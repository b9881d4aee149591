#pragma once
// What the calibration assistant asks of whoever shows it: the desktop program's
// assistant window, korvane-cli calibrate's lines, the tests' script. One run of a
// calibration is one conversation: points while the sensor settles, their reference
// values, the result judged, and the end. Texts are UTF-8.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calibration/AssistantSettings.h"
#include "calibration/BufferTables.h"
#include "calibration/CalibrationUi.h"
#include "calibration/ResultJudgement.h"
#include "link/FlowLog.h"

namespace korvane::calibration {

class PointSession;

// The run as a whole, when it starts.
struct AssistantStart {
  std::string title;  // "pH – zwei Punkte"
  int typeIndex = 0;
  std::string procedure;  // "ph-two-point"
  int points = 1;
  std::vector<std::string> problems;  // korvane.conf and buffer-file entries that were not understood
};

// What a pH point's buffer set says about the solution the sensor stands in.
struct BufferGuess {
  std::optional<float> value;  // the buffer's pH at the temperature; none: nothing pre-filled
  std::string buffer;          // the buffer recognised ("4.01"), "" none
  std::string text;            // "Puffer 4.01 erkannt: pH 4.00 bei 12.3 °C", or why nothing is pre-filled
};

struct ReferenceRequest {
  int point = 0;       // 1, 2; 0 for a single point
  std::string prompt;  // "Aktuellen Pufferwert eingeben."
  std::string unit;
  std::optional<float> preset;  // what the entry starts with; none: empty
  std::string presetText;       // where the preset comes from, or why there is none
  std::string warning;          // "Gleiche Lösung wie beim 1. Punkt!"
  // pH points: the buffer sets and the one chosen; guess() answers for another choice.
  std::vector<BufferSet> sets;
  std::string set;
  std::function<BufferGuess(const std::string& setKey)> guess;
};

struct ReferenceAnswer {
  float value = 0;
  std::string set;  // the buffer set chosen (pH points)
  std::string lot, expiry;
};

struct ResultView {
  std::string procedure;
  int typeIndex = 0;
  ResultRows rows;  // the values as the result dialog shows them
  ResultJudgement judgement;
  std::string verdict;  // "Kalibrierfehler!" and what broke which limit, or empty when plausible
  // Prints the calibration's certificate as the run stands; empty where no one can print.
  std::function<void()> printCertificate;
};

enum class ResultChoice { kSave, kExit };

class AssistantUi {
 public:
  virtual ~AssistantUi() = default;
  virtual void Begin(const AssistantStart& start) = 0;
  // Shows the point until the session has ended (taken, cancelled, line lost).
  virtual void RunPoint(PointSession& session) = 0;
  // The point's reference value; nothing when the user gives the calibration up.
  virtual std::optional<ReferenceAnswer> EnterReference(const ReferenceRequest& request) = 0;
  virtual ResultChoice ShowResult(const ResultView& view) = 0;
  // Saving an implausible result asks again; "Nein" is the default.
  virtual bool ConfirmImplausibleSave(const std::string& question) = 0;
  // A message of the run (calibration error, communication error, what was saved).
  virtual void Tell(const std::string& text) = 0;
  // The run is over: text says how; the certificate can still be printed.
  virtual void End(const std::string& text, const std::function<void()>& printCertificate) = 0;
};

// The last reference value the history knows for a point of a procedure on a module.
struct ReferenceQuery {
  std::string identity;  // as the module sent it; "" unknown
  int address = -1;
  int wireType = 0;
  std::string procedure;
  int point = 0;  // 0-based
};

// What the assistant mode of a calibration needs besides the classic parts.
struct AssistantParts {
  AssistantUi* ui = nullptr;
  AssistantSettings settings;
  std::vector<BufferSet> bufferSets = BuiltInBufferSets();
  std::vector<std::string> problems;  // of korvane.conf and the buffer file
  std::function<double()> seconds;    // monotonic; steady clock when empty
  std::function<std::optional<float>(const ReferenceQuery&)> lastReference;
  // Prints (or writes) the certificate of a calibration record; empty: none offered.
  std::function<void(const link::FlowRecord&)> printCertificate;
  // A criterion, automatic acceptance or the buffer set changed in the window: keep it.
  std::function<void(const AssistantSettings&)> keepSettings;
};

}  // namespace korvane::calibration
