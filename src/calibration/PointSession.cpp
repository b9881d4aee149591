#include "calibration/PointSession.h"

#include <chrono>
#include <cmath>

#include "link/FlowLog.h"
#include "link/Link.h"

namespace korvane::calibration {
namespace {

// To decimals, as the shortest text of the result reads (0.052, not 0.052000000000000005).
double RoundedFigure(double v, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return std::isfinite(v) ? std::round(v * scale) / scale : 0.0;
}

}  // namespace

SecondsClock SteadySeconds() {
  return [] { return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count(); };
}

PointSession::PointSession(link::Link& link, SessionSetup setup, SecondsClock seconds, QObject* parent)
    : QObject(parent),
      link_(link),
      setup_(std::move(setup)),
      seconds_(seconds ? std::move(seconds) : SteadySeconds()),
      window_(setup_.criterion.windowSeconds) {
  start_ = seconds_();
  lastHeard_ = start_;
  silenceWatch_.setInterval(1000);
  connect(&silenceWatch_, &QTimer::timeout, this, &PointSession::CheckSilence);
  silenceWatch_.start();
  connect(&link_, &link::Link::chainEnded, this, &PointSession::OnChain);
  connect(&link_, &link::Link::lineLost, this, [this] { Finish(End::kLineLost); });
}

void PointSession::setAutoAccept(bool on) {
  setup_.autoAccept = on;
  emit updated();
}

void PointSession::setCriterion(const StabilityCriterion& c) {
  setup_.criterion = c;
  window_.setWindow(c.windowSeconds);
  figures_ = window_.Judge(c);
  emit updated();
}

double PointSession::elapsed() const { return seconds_() - start_; }

bool PointSession::timedOut() const { return !stableAfter_ && elapsed() >= setup_.timeLimitSeconds; }

void PointSession::TakeByHand() {
  // Nothing to take before the module has given a value.
  if (hasValue()) Finish(End::kByHand);
}
void PointSession::Cancel() { Finish(End::kCancelled); }

void PointSession::CheckSilence() {
  if (seconds_() - lastHeard_ >= kSilentSeconds) Finish(End::kSilent);
}

void PointSession::OnChain() {
  if (!running()) return;
  lastHeard_ = seconds_();
  const double t = lastHeard_ - start_;
  values_ = link_.module().measured;
  value_ = values_[static_cast<std::size_t>(setup_.channel - 1)];
  ++samples_;
  window_.Add(t, value_);
  if (std::isfinite(value_)) trend_.emplace_back(t, value_);
  while (!trend_.empty() && trend_.front().first < t - kTrendSeconds) trend_.pop_front();
  figures_ = window_.Judge(setup_.criterion);
  if (setup_.leaveFrom && !left_ && std::isfinite(value_) && std::fabs(value_ - *setup_.leaveFrom) >= setup_.leaveBy) {
    left_ = true;
    // What the window held came from the solution before.
    window_.Clear();
    window_.Add(t, value_);
    figures_ = window_.Judge(setup_.criterion);
  }
  if (figures_.stable && !waitingToLeave() && !stableAfter_) stableAfter_ = t;
  emit updated();
  if (setup_.autoAccept && figures_.stable && !waitingToLeave()) Finish(End::kAutomatic);
}

void PointSession::Finish(End end) {
  if (!running()) return;
  end_ = end;
  silenceWatch_.stop();
  stableAtEnd_ = figures_.stable && !waitingToLeave();
  emit ended();
}

QJsonObject PointSession::Record() const {
  const bool percent = setup_.criterion.kind == LimitKind::kPercent;
  QJsonObject r{
      {"channel", setup_.channel},
      {"captured", hasValue() ? QJsonValue(link::FlowNumber(static_cast<float>(value_))) : QJsonValue()},
      {"temperature", link::FlowNumber(values_[5])},
      {"drift", RoundedFigure(figures_.drift, 3)},
      {"noise", RoundedFigure(figures_.noise, 3)},
      {"drift_unit", percent ? "%/min" : QString::fromStdString(setup_.unit + "/min")},
      {"noise_unit", percent ? "%" : QString::fromStdString(setup_.unit)},
      {"window", setup_.criterion.windowSeconds},
      {"seconds", RoundedFigure(elapsed(), 1)},
      {"seconds_to_stable", stableAfter_ ? QJsonValue(RoundedFigure(*stableAfter_, 1)) : QJsonValue()},
      {"stable", stableAtEnd_},
      {"taken", end_ == End::kAutomatic ? "auto" : "hand"},
  };
  return r;
}

}  // namespace korvane::calibration
