#include "app/LiveMeasurement.h"

#include <algorithm>

#include "link/FlowLog.h"
#include "link/Link.h"
#include "link/ReplyRules.h"
#include "measurement/LiveFormat.h"
#include "measurement/Recording.h"
#include "platform/Texts.h"
#include "platform/Ui.h"
#include "types/Catalogue.h"
#include "types/Texts.h"

namespace korvane::app {

LiveMeasurement::LiveMeasurement(link::Link& link, platform::Ui& ui, const link::FlowContext& context,
                                 platform::Clock clock, QObject* parent)
    : QObject(parent), link_(link), ui_(ui), context_(context), clock_(std::move(clock)) {
  connect(&pollTimer_, &QTimer::timeout, this, &LiveMeasurement::Poll);
  connect(&recordTimer_, &QTimer::timeout, this, &LiveMeasurement::OnRecordTimer);
  stepTimer_.setSingleShot(true);
  connect(&stepTimer_, &QTimer::timeout, this, &LiveMeasurement::OnStepTimeout);
  connect(&link_, &link::Link::liveValue, this, &LiveMeasurement::OnLiveValue);
  connect(&link_, &link::Link::chainEnded, this, &LiveMeasurement::OnChainEnd);
  connect(&link_, &link::Link::lineLost, this, [this](const QString& reason) {
    if (running_) Lose(reason.toStdString());
  });
}

bool LiveMeasurement::Start(std::chrono::milliseconds recordingPeriod) {
  if (running_) return true;
  link::LineLease line = link_.HoldLine();
  if (!line) return false;
  if (!link_.OpenPort(context_.language)) {
    ui_.Message(link_.openMessage());
    return false;
  }
  if (!link_.portOpen()) return false;
  // The measurement stays with the module at this address until it ends.
  const std::uint8_t address = context_.address;
  address_ = address;
  identity_.clear();
  const Language language = context_.language;
  // A line that went away says why, also before the measurement ran.
  auto commError = [&] { ui_.Message(link_.commErrorMessage(language)); };

  if (!link_.Read(address, link::kCalibration1)) {
    commError();
    return false;
  }
  // The other reads keep the previous values when the module stays silent.
  for (link::Parameter p : {link::kCalibration2, link::kCalibration3, link::kCalibration4}) link_.Read(address, p);
  link_.Read(address, link::kType);
  // Whose values these are, for the status line and the history (a short wait: the
  // module has just answered).
  if ((readIdentity_ || context_.log) && link_.Read(address, link::kIdentity, link_.timings().scanTimeout))
    identity_ = link_.module().identity;
  if (link_.isLineLost()) {
    commError();
    return false;
  }

  const link::ModuleState& m = link_.module();
  SetStatusLine(measurement::CalibrationStatusLine(m.typeIndex, language, m.calibration, 4));
  SetChannelCaptions(m.typeIndex, language);

  recordingPeriod_ = std::max(recordingPeriod, measurement::kMinimumRecordingPeriod);
  chains_ = 0;
  recorded_ = false;
  silentPolls_ = 0;
  chainSincePoll_ = true;
  replySincePoll_ = false;
  chainRunning_ = false;
  skippedPolls_ = 0;
  lastHeard_ = clock_();
  SetStale(false);
  line_ = std::move(line);
  StartPolling();
  recordTimer_.start(recordingPeriod_);
  running_ = true;
  emit runningChanged(true);
  return true;
}

void LiveMeasurement::Halt() {
  const bool was = running_;
  running_ = false;
  pollTimer_.stop();
  recordTimer_.stop();
  SetStale(false);
  if (was) emit runningChanged(false);
}

void LiveMeasurement::StopTimers() {
  Halt();
  EndChainOnRelease();
  line_.Release();
  RecordLive();
}

void LiveMeasurement::Stop() {
  if (!running_) return;
  Halt();
  // A chain in progress still completes; then the fields empty, and only then may
  // another flow have the line.
  link_.WaitSeconds(2);
  ClearValueDisplay();
  EndChainOnRelease();
  line_.Release();
  RecordLive();
}

void LiveMeasurement::StartPolling() {
  if (!running_) address_ = context_.address;  // the calibration's module
  pollTimer_.start(pollPeriod_);
}

void LiveMeasurement::StopPolling() { pollTimer_.stop(); }

void LiveMeasurement::Poll() {
  if (running_) {
    // A chain that is slow but still moving does not count against the module.
    if (chainSincePoll_)
      silentPolls_ = 0;
    else if (!replySincePoll_)
      ++silentPolls_;
    chainSincePoll_ = false;
    replySincePoll_ = false;
    if (silentPolls_ >= kSilentPollsForLoss) {
      Lose(Tr(context_.language, types::kModuleSilent));
      return;
    }
    // The fields stop being current with the first chain that did not complete.
    if (silentPolls_ > 0) SetStale(true);
  }
  // A damaged reply cost the rest of its chain; this tick is skipped as well.
  if (link_.badFrame()) {
    link_.clearBadFrame();
    chainRunning_ = false;
    stepTimer_.stop();
    return;
  }
  // A new chain would cut off one still under way: its requests and replies would cross.
  if (chainRunning_ && chainProgress_.elapsed() < link_.timings().replyTimeout.count()) {
    ++skippedPolls_;
    return;
  }
  chainRunning_ = true;
  chainProgress_.start();
  pendingAnswered_.fill(false);
  awaiting_ = link::kMeasuredValue1.number;
  stepTimer_.start(stepTimeout_.count() > 0 ? stepTimeout_ : link_.timings().replyTimeout / 2);
  link_.Send(address_, link::kMeasuredValue1);
}

void LiveMeasurement::OnStepTimeout() {
  if (!chainRunning_ || awaiting_ == 0) return;
  // A damaged reply ends the chain as it always did; the next tick is skipped.
  if (link_.badFrame() || link_.isLineLost()) {
    chainRunning_ = false;
    awaiting_ = 0;
    return;
  }
  pending_[awaiting_ - 1] = measurement::ShowsChannel(link_.module().typeIndex, awaiting_) ? kNotAnswered : "";
  pendingAnswered_[awaiting_ - 1] = false;
  const std::uint8_t next = link::NextLiveRequest(static_cast<std::uint8_t>(awaiting_));
  if (next == 0) {
    awaiting_ = 0;
    EndChain();
    return;
  }
  awaiting_ = next;
  chainProgress_.start();
  stepTimer_.start();
  link_.ContinueChain(address_, next);
}

void LiveMeasurement::EndChainOnRelease() {
  // Nothing more goes out for this chain once the line may belong to another flow.
  stepTimer_.stop();
  awaiting_ = 0;
}

void LiveMeasurement::ClearValueDisplay() {
  link_.WaitSeconds(1);
  EndChainOnRelease();
  for (auto& t : fields_) t.clear();
  for (auto& t : pending_) t.clear();
  answered_.fill(false);
  emit fieldTextsChanged();
}

void LiveMeasurement::SetChannelCaptions(int typeIndex, Language language) {
  captionType_ = typeIndex;
  for (int c = 1; c <= 6; ++c) labels_[c - 1] = types::ChannelLabel(typeIndex, c, language);
  for (int c = 1; c <= 5; ++c) units_[c - 1] = types::ChannelUnit(typeIndex, c);
  emit captionsChanged();
}

void LiveMeasurement::SetStatusLine(const std::string& text) {
  statusLine_ = text;
  emit statusLineChanged();
}

void LiveMeasurement::OnLiveValue(int channel) {
  // Chains of another flow (the bus view's modules) are not this module's values.
  if (!chainRunning_ || channel < 1 || channel > 6) return;
  replySincePoll_ = true;
  chainProgress_.start();
  const link::ModuleState& m = link_.module();
  pending_[channel - 1] = measurement::FieldText(m.typeIndex, channel, m.measured[channel - 1]);
  pendingAnswered_[channel - 1] = true;
  // The reply to the awaited request sent the chain's next one.
  if (channel == awaiting_ && channel != 6) {
    awaiting_ = link::NextLiveRequest(static_cast<std::uint8_t>(channel));
    stepTimer_.start();
  }
}

void LiveMeasurement::OnChainEnd() {
  if (!chainRunning_) return;
  EndChain();
}

void LiveMeasurement::EndChain() {
  stepTimer_.stop();
  awaiting_ = 0;
  chainRunning_ = false;
  // A chain the module answered nothing of is no chain: the fields keep their values.
  if (std::none_of(pendingAnswered_.begin(), pendingAnswered_.end(), [](bool a) { return a; })) return;
  // The fields change on screen once per chain, all six together.
  fields_ = pending_;
  answered_ = pendingAnswered_;
  ++chains_;
  KeepValues();
  chainSincePoll_ = true;
  silentPolls_ = 0;
  lastHeard_ = clock_();
  SetStale(false);
  emit fieldTextsChanged();
  emit chainCompleted();
}

void LiveMeasurement::OnRecordTimer() {
  // A line holds only values the module reported for this measurement.
  if (valuesCurrent()) emit recordingTick();
}

void LiveMeasurement::SetStale(bool stale) {
  if (stale_ == stale) return;
  stale_ = stale;
  emit staleChanged(stale);
}

void LiveMeasurement::Lose(const std::string& reason) {
  StopTimers();
  for (auto& t : fields_) t.clear();
  for (auto& t : pending_) t.clear();
  answered_.fill(false);
  emit fieldTextsChanged();
  emit lost(reason);
}

}  // namespace korvane::app

namespace korvane::app {

void LiveMeasurement::KeepValues() {
  QJsonArray values;
  // A value the module did not answer is not one it had.
  for (std::size_t c = 0; c < answered_.size(); ++c)
    values.append(answered_[c] ? QJsonValue(link::FlowNumber(link_.module().measured[c])) : QJsonValue());
  last_ = QJsonObject{{"values", values}};
  if (chains_ == 1) first_ = last_;
}

void LiveMeasurement::RecordLive() {
  // What the technician saw first and last: as found and as left, for the history. The
  // line is free again: what the start did not read of the module's identity is asked.
  if (recorded_ || chains_ == 0) return;
  recorded_ = true;
  link::FlowRecord r;
  r.kind = "live";
  // The module the values came from, whatever the address field says by now.
  r.module.identity = identity_;
  r.module.address = address_;
  r.module.type = captionType_ + 1;
  r.details["first"] = first_;
  r.details["last"] = last_;
  r.details["chains"] = chains_;
  link::RecordFlow(link_, context_, std::move(r));
}

}  // namespace korvane::app
