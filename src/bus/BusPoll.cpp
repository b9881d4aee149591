#include "bus/BusPoll.h"

#include <QEventLoop>

#include <ctime>

#include "bus/BusTexts.h"
#include "link/Link.h"
#include "link/ReplyRules.h"
#include "measurement/LiveFormat.h"
#include "platform/ShownText.h"
#include "platform/Texts.h"
#include "types/Catalogue.h"
#include "types/Cp1252.h"

namespace korvane::bus {

BusPoll::BusPoll(link::Link& link, BusPollSettings settings, platform::Clock clock, QObject* parent)
    : QObject(parent), link_(link), settings_(std::move(settings)), clock_(std::move(clock)) {
  qRegisterMetaType<korvane::bus::BusSample>();
  cycleTimer_.setSingleShot(true);
  cycleTimer_.setTimerType(Qt::PreciseTimer);
  connect(&cycleTimer_, &QTimer::timeout, this, &BusPoll::RunCycle);
  // Between cycles nothing waits on the line: a loss ends the engine here. During a
  // cycle the chain's wait sees it.
  connect(&link_, &link::Link::lineLost, this, [this](const QString& reason) {
    if (running_ && !inCycle_) Finish(reason);
  });
}

BusPoll::~BusPoll() {
  if (running_) link_.module() = saved_;
}

std::chrono::system_clock::time_point BusPoll::Now() const {
  // Without a clock of its own (the station) the time keeps its milliseconds.
  if (!clock_) return std::chrono::system_clock::now();
  const platform::LocalTime t = clock_();
  std::tm tm{};
  tm.tm_year = t.year - 1900;
  tm.tm_mon = t.month - 1;
  tm.tm_mday = t.day;
  tm.tm_hour = t.hour;
  tm.tm_min = t.minute;
  tm.tm_sec = t.second;
  tm.tm_isdst = -1;
  return std::chrono::system_clock::from_time_t(std::mktime(&tm));
}

bool BusPoll::Start() {
  if (running_) return true;
  startFailure_.clear();
  if (!link_.portOpen() || link_.isLineLost()) {
    startFailure_ = link_.isLineLost() ? link_.openFailure() : Tr(settings_.language, kPortClosed);
    return false;
  }
  link::LineLease line = link_.HoldLine();
  if (!line) {
    startFailure_ = Tr(settings_.language, kLineHeld);
    return false;
  }
  saved_ = link_.module();
  modules_.clear();
  for (std::uint8_t a : settings_.addresses) {
    Module m;
    m.address = a;
    // A module that does not answer now is missing from the first cycle on; its type
    // is read when it answers.
    ReadIdentity(m);
    if (link_.isLineLost()) {
      startFailure_ = link_.openFailure();
      link_.module() = saved_;
      return false;
    }
    modules_.push_back(m);
  }
  line_ = std::move(line);
  running_ = true;
  stopRequested_ = false;
  cycle_ = 0;
  typeCheck_ = 0;
  cycleTimer_.start(0);
  return true;
}

void BusPoll::Stop() {
  if (!running_) return;
  stopRequested_ = true;
  // Inside a cycle the chain under way completes first; the cycle ends the engine.
  if (!inCycle_) Finish(QString());
}

void BusPoll::Pause() {
  if (!running_ || paused_ || pauseRequested_) return;
  pauseRequested_ = true;
  if (inCycle_) return;  // the cycle pauses after its chain
  cycleTimer_.stop();
  paused_ = true;
  emit pausedNow();
}

void BusPoll::Resume() {
  pauseRequested_ = false;
  if (!running_ || !paused_) return;
  paused_ = false;
  cycleTimer_.start(0);
}

void BusPoll::Finish(const QString& reason) {
  paused_ = pauseRequested_ = false;
  running_ = false;
  inCycle_ = false;
  cycleTimer_.stop();
  link_.module() = saved_;
  line_.Release();
  emit ended(reason);
}

bool BusPoll::ReadFrom(std::uint8_t address, link::Parameter p) {
  // A late reply of another module would end the wait too: only this one's counts.
  if (!link_.Read(address, p, link_.timings().scanTimeout)) return false;
  const link::Frame& r = link_.lastReply();
  return link::FrameAddress(r) == address && link::FrameGroup(r) == link::kRead && link::FrameParameter(r) == p.number;
}

bool BusPoll::ReadIdentity(Module& m) {
  if (!ReadFrom(m.address, link::kType)) return false;
  const link::ModuleState& s = link_.module();
  m.wireType = s.ParameterByte(link::kType.number);
  m.deviceKind = ReadFrom(m.address, link::kDeviceKind) ? s.ParameterByte(link::kDeviceKind.number) : -1;
  // The four characters as the module sends them (Windows-1252), shown as text.
  m.identity =
      ReadFrom(m.address, link::kIdentity)
          ? platform::ShownText(types::FromWindows1252(link::IdentityText(s.parameter[link::kIdentity.number])))
          : "";
  m.firmware.reset();
  if (ReadFrom(m.address, link::kFirmware)) m.firmware = s.ParameterFloat(link::kFirmware.number);
  for (std::size_t i = 0; i < link::kCalibrationValues.size(); ++i) {
    m.calibrationRead[i] = ReadFrom(m.address, link::kCalibrationValues[i]);
    m.calibration[i] = m.calibrationRead[i] ? s.ParameterFloat(link::kCalibrationValues[i].number) : 0.0f;
  }
  m.calibrationText =
      measurement::CalibrationStatusLine(CatalogueIndex(m.wireType), settings_.language, m.calibration, 4);
  return true;
}

bool BusPoll::TypeChanged(Module& m) {
  if (!ReadFrom(m.address, link::kType)) return false;
  const int now = link_.module().ParameterByte(link::kType.number);
  if (now == m.wireType) return false;
  // Another module: its kind, identity and calibration are its own.
  if (!ReadIdentity(m)) m.wireType = now;
  return true;
}

bool BusPoll::Due(const Module& m) const {
  return m.misses < kMissesForBackOff || cycle_ - m.lastAsked >= kBackOffCycles;
}

BusPoll::ChainResult BusPoll::RunChain(std::uint8_t address, std::array<float, 6>& values,
                                       std::array<bool, 6>& answered) {
  QEventLoop loop;
  QTimer reply;  // the short time-out, for each reply of the chain
  reply.setSingleShot(true);
  reply.setTimerType(Qt::PreciseTimer);
  bool over = false;
  ChainResult result = ChainResult::kSilent;
  auto end = [&](ChainResult r) {
    if (over) return;
    over = true;
    result = r;
    loop.quit();
  };
  auto fromHere = [&] { return link::FrameAddress(link_.lastReply()) == address; };
  const auto timeout = link_.timings().scanTimeout;
  int replies = 0;
  std::uint8_t awaiting = link::kMeasuredValue1.number;
  answered.fill(false);
  const QMetaObject::Connection c[] = {
      connect(&link_, &link::Link::liveValue, &loop,
              [&](int channel) {
                if (!fromHere() || channel < 1 || channel > 6) return;
                values[static_cast<std::size_t>(channel - 1)] =
                    link_.module().measured[static_cast<std::size_t>(channel - 1)];
                answered[static_cast<std::size_t>(channel - 1)] = true;
                ++replies;
                // The reply to the awaited request sent the chain's next one.
                if (channel == awaiting) awaiting = link::NextLiveRequest(awaiting);
                reply.start(timeout);
              }),
      connect(&link_, &link::Link::chainEnded, &loop,
              [&] {
                if (fromHere() && awaiting == 0) end(ChainResult::kDone);
              }),
      connect(&link_, &link::Link::frameDamaged, &loop, [&] { end(ChainResult::kDamaged); }),
      connect(&link_, &link::Link::lineLost, &loop, [&] { end(ChainResult::kLost); }),
      connect(&reply, &QTimer::timeout, &loop,
              [&] {
                // A module that answered nothing of this chain is silent; one that
                // answered before leaves this value unanswered, and the chain goes on.
                if (replies == 0 || awaiting == 0) {
                  end(replies == 0 ? ChainResult::kSilent : ChainResult::kDone);
                  return;
                }
                awaiting = link::NextLiveRequest(awaiting);
                if (awaiting == 0) {
                  end(ChainResult::kDone);
                  return;
                }
                link_.ContinueChain(address, awaiting);
                reply.start(timeout);
              }),
  };
  const int refused = link_.refusedRequests();
  link_.Send(address, link::kMeasuredValue1);
  if (link_.isLineLost())
    end(ChainResult::kLost);
  else if (link_.refusedRequests() != refused)
    end(ChainResult::kSilent);
  if (!over) {
    reply.start(timeout);
    link_.RunNested(loop);
  }
  for (const auto& k : c) disconnect(k);
  // The damage is in the trace; the flag belongs to the single measurement's poll.
  if (result == ChainResult::kDamaged) link_.clearBadFrame();
  return result;
}

BusSample BusPoll::Sample(const Module& m) const {
  BusSample s;
  s.address = m.address;
  s.type = m.wireType;
  const int typeIndex = CatalogueIndex(m.wireType);
  s.typeName = m.wireType > 0 ? types::TypeName(typeIndex, settings_.language) : std::string();
  s.identity = m.identity;
  s.deviceKind = m.deviceKind;
  s.calibration = m.calibrationText;
  if (m.firmware) {
    s.firmware = link::FirmwareText(*m.firmware);
    s.firmwareVersion = *m.firmware;
  }
  for (std::size_t i = 0; i < m.calibration.size(); ++i)
    if (m.calibrationRead[i]) s.calibrationValues[i] = m.calibration[i];
  for (int c = 1; c <= 6; ++c) {
    ChannelSample& ch = s.channels[static_cast<std::size_t>(c - 1)];
    ch.name = types::ChannelLabel(typeIndex, c, settings_.language);
    // The temperature's unit stands beside its field in the window.
    ch.unit = c <= 5 ? types::ChannelUnit(typeIndex, c) : "°C";
  }
  return s;
}

void BusPoll::RunCycle() {
  if (!running_) return;
  inCycle_ = true;
  ++cycle_;
  cycleClock_.start();
  const auto period = settings_.period;
  // One module's type is checked per cycle when the last one left time to spare, and
  // at least every tenth cycle, so a module swapped without a silent cycle is noticed.
  const bool checkOne = lastSpare_ >= link_.timings().scanTimeout || cycle_ % kBackOffCycles == 0;
  const std::size_t checked = modules_.empty() ? 0 : typeCheck_ % modules_.size();
  if (checkOne) ++typeCheck_;
  for (std::size_t i = 0; i < modules_.size() && !stopRequested_ && !pauseRequested_; ++i) {
    Module& m = modules_[i];
    std::array<float, 6> values{};
    std::array<bool, 6> answered{};
    ChainResult r = ChainResult::kSilent;
    const bool asked = Due(m);
    if (asked) {
      m.lastAsked = cycle_;
      r = RunChain(m.address, values, answered);
    }
    int previousType = 0;
    if (r == ChainResult::kDone) {
      // A module back from silence (or never heard before) may be another one plugged
      // in at the address.
      const bool back = m.misses > 0 || m.wireType == 0;
      const int before = m.wireType;
      if ((back || (checkOne && i == checked)) && TypeChanged(m) && before != 0) previousType = before;
    }
    if (r == ChainResult::kLost || link_.isLineLost()) {
      Finish(QString::fromStdString(link_.openFailure()));
      return;
    }
    BusSample sample = Sample(m);
    sample.previousType = previousType;
    sample.time = Now();
    if (r == ChainResult::kDone) {
      m.misses = 0;
      sample.state = ModuleState::kLive;
      sample.since = sample.time;
      const int typeIndex = CatalogueIndex(m.wireType);
      for (std::size_t c = 0; c < 6; ++c) {
        const int channel = static_cast<int>(c + 1);
        if (answered[c]) {
          sample.channels[c].text = measurement::FieldText(typeIndex, channel, values[c]);
          sample.channels[c].value = values[c];
        } else {
          sample.channels[c].text = measurement::ShowsChannel(typeIndex, channel) ? measurement::kNotAnswered : "";
        }
      }
    } else {
      // A module in back-off keeps its count until it is asked again.
      if (m.misses == 0) m.missingSince = sample.time;
      if (asked) ++m.misses;
      sample.state = ModuleState::kMissing;
      sample.since = m.missingSince;
    }
    emit sampleReady(sample);
  }
  if (stopRequested_) {
    Finish(QString());
    return;
  }
  inCycle_ = false;
  if (pauseRequested_) {
    paused_ = true;
    emit pausedNow();
    return;
  }
  lastSpare_ = period - std::chrono::milliseconds(cycleClock_.elapsed());
  emit cycleEnded(cycle_);
  if (!running_) return;  // a receiver stopped the engine
  const auto left = period - std::chrono::milliseconds(cycleClock_.elapsed());
  cycleTimer_.start(static_cast<int>(std::max<std::chrono::milliseconds::rep>(0, left.count())));
}

}  // namespace korvane::bus
