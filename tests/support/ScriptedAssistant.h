#pragma once
// The calibration assistant answered from a script: each point waits for its session to
// end (automatic acceptance), or is taken at once, or when the time limit has passed, or
// given up; references are typed or the preset accepted; the result saved or not. What
// was shown is kept for the tests to assert on.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calibration/AssistantUi.h"
#include "calibration/PointSession.h"

namespace korvane::test {

class ScriptedAssistant : public calibration::AssistantUi {
 public:
  enum class PointAction { kWait, kTakeNow, kTakeWhenTimedOut, kCancel };
  struct ShownPoint {
    std::string instruction;
    calibration::PointSession::End end = calibration::PointSession::End::kNone;
    bool sawUnstable = false, sawStable = false, sawWaitingToLeave = false, sawTimedOut = false;
    int updates = 0;
    double value = 0;
  };

  // --- answers, consumed in order -----------------------------------------------------
  std::deque<PointAction> points;                           // default: wait
  std::deque<std::optional<float>> references;              // nullopt or none left: the preset
  std::deque<calibration::ResultChoice> results;            // default: exit
  std::deque<bool> confirms;                                // default: no
  std::function<void(calibration::PointSession&)> onPoint;  // as a point starts
  bool printAtEnd = false;
  int limitMs = 20000;  // a point that runs longer (real time) is given up and marked

  // --- what was shown -------------------------------------------------------------------
  std::vector<calibration::AssistantStart> starts;
  std::vector<ShownPoint> shownPoints;
  std::vector<calibration::ReferenceRequest> requests;
  std::vector<calibration::ResultView> views;
  std::vector<std::string> told, questions;
  std::string ended;
  bool overran = false;

  void Begin(const calibration::AssistantStart& s) override { starts.push_back(s); }

  void RunPoint(calibration::PointSession& s) override {
    const PointAction action = Next(points, PointAction::kWait);
    ShownPoint shown;
    shown.instruction = s.setup().instruction;
    if (onPoint) onPoint(s);
    if (action == PointAction::kCancel) {
      s.Cancel();
    } else {
      QEventLoop loop;
      QObject::connect(&s, &calibration::PointSession::updated, &loop, [&] {
        ++shown.updates;
        const bool stable = s.figures().stable && !s.waitingToLeave();
        (stable ? shown.sawStable : shown.sawUnstable) = true;
        shown.sawWaitingToLeave = shown.sawWaitingToLeave || s.waitingToLeave();
        shown.sawTimedOut = shown.sawTimedOut || s.timedOut();
        if (action == PointAction::kTakeNow || (action == PointAction::kTakeWhenTimedOut && s.timedOut()))
          s.TakeByHand();
      });
      QObject::connect(&s, &calibration::PointSession::ended, &loop, &QEventLoop::quit);
      QTimer::singleShot(limitMs, &loop, [&] {
        overran = true;
        s.Cancel();
      });
      if (s.running()) loop.exec();
    }
    shown.end = s.end();
    shown.value = s.value();
    shownPoints.push_back(shown);
  }

  std::optional<calibration::ReferenceAnswer> EnterReference(const calibration::ReferenceRequest& q) override {
    requests.push_back(q);
    const std::optional<float> typed = Next(references, std::optional<float>());
    calibration::ReferenceAnswer a;
    a.set = q.set;
    if (typed) {
      a.value = *typed;
    } else if (q.preset) {
      a.value = *q.preset;
    } else {
      return std::nullopt;  // nothing to accept: given up
    }
    return a;
  }

  calibration::ResultChoice ShowResult(const calibration::ResultView& v) override {
    views.push_back(v);
    return Next(results, calibration::ResultChoice::kExit);
  }
  bool ConfirmImplausibleSave(const std::string& q) override {
    questions.push_back(q);
    return Next(confirms, false);
  }
  void Tell(const std::string& text) override { told.push_back(text); }
  void End(const std::string& text, const std::function<void()>& print) override {
    ended = text;
    if (printAtEnd && print) print();
  }

 private:
  template <typename T>
  static T Next(std::deque<T>& q, T fallback) {
    if (q.empty()) return fallback;
    T v = q.front();
    q.pop_front();
    return v;
  }
};

}  // namespace korvane::test
