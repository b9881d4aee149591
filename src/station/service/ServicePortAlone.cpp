// The service port's line held alone: granted to a lone client for a rate change or a
// logger stream, ended when it sets the station's rate again, goes, or holds it too long;
// a module it left at its fast rate is brought back first, also after a kill.
#include <QEventLoop>

#include "link/Protocol.h"
#include "station/log/StationLog.h"
#include "station/service/ServicePort.h"
#include "station/service/ServicePortDetail.h"

namespace korvane::station::service {
using detail::Duration;
using detail::IsBaudCommand;
namespace {

// A stream a gone client started is over when the line is quiet this long (a module
// sends its records back to back), or after the longest readout.
constexpr std::chrono::milliseconds kStreamQuiet{500};
constexpr std::chrono::milliseconds kQuietLook{100};
constexpr std::chrono::milliseconds kStreamWaitMax{60000};
// Before any client: client ids start at 1.
constexpr int kNobody = 0;

}  // namespace

void ServicePort::ForwardExclusive(Client& c, const link::Frame& f) {
  ++c.exchanges;
  if (link::FrameGroup(f) == link::kWrite) ++c.writes;
  if (IsBaudCommand(f)) {
    std::string error;
    if (link::FrameData(f)[0] != 0) {
      c.rates.ModuleFast();
      // Kept on disk before it goes: a station killed while the module is fast brings it back.
      Remember(left_.Switched(link::FrameAddress(f), &error), error);
    } else {
      c.rates.ModuleBack();
      if (left_.address() == link::FrameAddress(f)) Remember(left_.Clear(&error), error);
    }
  }
  line_->TransmitExclusive(f);
  if (HeldForStream()) streamEnd_.start(setup_.streamEnd);
}

void ServicePort::Remember(bool ok, const std::string& error) {
  if (!ok)
    log_.Warning("service port: cannot keep which module is at its fast rate (" + error +
                 "): a station killed now would not bring it back at its next start");
}

bool ServicePort::HeldForStream() const {
  return line_ && line_->exclusiveClient() && line_->lineRate() == line_->stationRate() && !left_.address() &&
         !return_ && !bringingBack_;
}

void ServicePort::SetRateFor(Client& c, std::uint32_t asked) {
  const int current = line_ ? line_->lineRate() : link::kSlowBaud;
  const int own = line_ ? line_->stationRate() : link::kSlowBaud;
  const int rate = static_cast<int>(asked);
  auto answer = [&](int r) { SendTelnet(c, RateAnswer(static_cast<std::uint32_t>(r))); };
  if (asked == 0 || !link::IsLineRate(rate)) return answer(current);
  if (line_ && line_->exclusiveClient() == c.id) {
    if (rate != current && line_->SetLineRate(rate)) {
      c.rates.LineSet(rate);
      log_.Info("service port: " + c.peer + " set the line to " + std::to_string(rate) + " baud");
      std::string error;
      Remember(left_.AtRate(rate, &error), error);
    }
    c.rate = line_->lineRate();
    answer(c.rate);
    if (c.rate != own) return;
    // Back at the station's rate: a module the client left fast comes back first.
    if (left_.address())
      BringBack();
    else
      EndExclusive();
    return;
  }
  if (rate == current) return answer(current);
  // Right behind its own request for the line (the baud command): answered once granted.
  if (pending_ && pending_->client == c.id && !pending_->rate) {
    pending_->rate = rate;
    return;
  }
  if (clients_.size() > 1 || pending_ || exclusive() || !line_ || !line_->isOpen()) {
    ++c.refused;
    log_.Info("service port: " + c.peer + ": rate " + std::to_string(rate) +
              " refused: the line is shared (another client is connected, or it is away)");
    return answer(current);
  }
  pending_ = Pending{c.id, rate, std::nullopt};
  emit exclusiveWanted();
}

void ServicePort::Granted() {
  if (!pending_) return;
  const Pending p = *pending_;
  pending_.reset();
  Client* c = Find(p.client);
  if (!c || !line_ || !line_->isOpen()) {
    emit exclusiveEnded();
    return;
  }
  line_->BeginExclusive(c->id);
  marks_.Exclusive(true, std::chrono::steady_clock::now());
  exclusiveClock_.start();
  exclusiveTimer_.start(setup_.exclusiveMax);
  log_.Info("service port: " + c->peer + " holds the line alone; polling paused");
  emit exclusiveChanged(true);
  if (p.frame) ForwardExclusive(*c, *p.frame);
  if (p.rate) SetRateFor(*c, static_cast<std::uint32_t>(*p.rate));
}

void ServicePort::Refused() {
  if (!pending_) return;
  const Pending p = *pending_;
  pending_.reset();
  Client* c = Find(p.client);
  if (c && p.rate) SendTelnet(*c, RateAnswer(static_cast<std::uint32_t>(line_ ? line_->lineRate() : link::kSlowBaud)));
}

void ServicePort::EndExclusive() {
  if (!line_ || !line_->exclusiveClient()) return;
  exclusiveTimer_.stop();
  streamEnd_.stop();
  if (line_->lineRate() != line_->stationRate()) line_->SetLineRate(line_->stationRate());
  line_->EndExclusive();
  bringingBack_ = false;
  marks_.Exclusive(false, std::chrono::steady_clock::now());
  log_.Info("service port: the line is shared again after " + Duration(exclusiveClock_.elapsed()) +
            (stopping_ ? "" : "; polling resumes"));
  emit exclusiveChanged(false);
  emit exclusiveEnded();
}

void ServicePort::BringBack() {
  // The client left a module at its fast rate: once a stream it started is over, the
  // baud command back to 4800 at that rate, the module's time to switch, then the line
  // at 4800.
  if (!line_ || !left_.address()) return EndExclusive();
  if (bringingBack_ || return_) return;
  bringingBack_ = true;
  streamEnd_.stop();
  QTimer* quiet = new QTimer(this);
  quiet->start(kQuietLook);
  QElapsedTimer waited;
  waited.start();
  connect(quiet, &QTimer::timeout, this, [this, quiet, waited] {
    if (line_ && line_->exclusiveClient() && streamClock_.isValid() && streamClock_.elapsed() < kStreamQuiet.count() &&
        waited.elapsed() < kStreamWaitMax.count())
      return;
    quiet->deleteLater();
    quiet->stop();
    SwitchBack();
  });
}

void ServicePort::SwitchBack() {
  if (!line_ || !line_->exclusiveClient() || !left_.address()) return EndExclusive();
  const std::uint8_t address = *left_.address();
  log_.Info("service port: bringing module " + std::to_string(address) + " back to 4800 baud");
  return_ = std::make_unique<ModuleReturn>(*line_, address, ReturnRates(left_.rate()),
                                           ModuleReturnTimings{setup_.moduleAcknowledge, setup_.moduleSwitch});
  connect(return_.get(), &ModuleReturn::finished, this, [this, address](int rate) {
    // The return goes with the event loop: this runs inside its signal.
    return_.release()->deleteLater();
    Returned(address, rate);
    EndExclusive();
  });
  return_->Start();
}

void ServicePort::AbandonReturn() {
  if (!return_) return;
  ModuleReturn* r = return_.release();
  r->disconnect(this);
  r->Abandon();
  r->deleteLater();
}

std::optional<int> ServicePort::ReturnInPlace(std::uint8_t address) {
  QEventLoop loop;
  std::optional<int> acknowledged;
  return_ = std::make_unique<ModuleReturn>(*line_, address, ReturnRates(left_.rate()),
                                           ModuleReturnTimings{setup_.moduleAcknowledge, setup_.moduleSwitch});
  connect(return_.get(), &ModuleReturn::finished, &loop, [&](int rate) {
    acknowledged = rate;
    loop.quit();
  });
  connect(return_.get(), &ModuleReturn::abandoned, &loop, &QEventLoop::quit);
  return_->Start();
  loop.exec();
  if (return_) return_.release()->deleteLater();
  return acknowledged;
}

void ServicePort::Returned(std::uint8_t address, int rate) {
  if (rate == 0)
    log_.Warning("service port: module " + std::to_string(address) +
                 " did not acknowledge the baud command back to 4800 baud at 19200 or 38400 baud: it may still "
                 "listen at its fast rate (a logger readout of it sets it back)");
  std::string error;
  if (!left_.Clear(&error)) log_.Warning("service port: cannot remove " + error);
}

void ServicePort::ReturnLeftModule() {
  if (!left_.address() || !line_ || !line_->isOpen() || line_->exclusiveClient() || return_) return;
  const std::uint8_t address = *left_.address();
  log_.Warning("service port: module " + std::to_string(address) +
               " was left at its fast rate when the station last stopped (killed, or its power went, while a "
               "client held it there): bringing it back to 4800 baud");
  // Nobody's: the engine does not poll yet, and no client may come in between.
  line_->BeginExclusive(kNobody);
  const std::optional<int> rate = ReturnInPlace(address);
  if (line_) {
    if (line_->isOpen() && line_->lineRate() != line_->stationRate()) line_->SetLineRate(line_->stationRate());
    line_->EndExclusive();
  }
  // A line that went away meanwhile keeps it for the next try.
  if (rate) Returned(address, *rate);
}

void ServicePort::Stop() {
  if (stopping_) return;
  stopping_ = true;
  server_.close();
  std::vector<int> ids;
  for (const auto& [id, c] : clients_) ids.push_back(id);
  for (int id : ids) {
    Client* c = Find(id);
    if (!c) continue;
    c->closing = true;
    c->idle->stop();
    c->socket->disconnect(this);
    c->socket->disconnectFromHost();
    OnGone(id, "closed: the station stops");
  }
  pending_.reset();
  if (!line_ || !line_->exclusiveClient()) return;
  // A module a client holds at its fast rate goes back before the line closes, once a
  // stream it sends is over; the hold then ends.
  if (left_.address() && line_->isOpen()) {
    BringBack();
    QEventLoop loop;
    QTimer look;
    connect(&look, &QTimer::timeout, &loop, [&] {
      if (!line_ || !line_->exclusiveClient()) loop.quit();
    });
    look.start(kQuietLook);
    QTimer::singleShot(kStreamWaitMax + std::chrono::seconds(15), &loop, &QEventLoop::quit);
    loop.exec();
  }
  EndExclusive();
}

}  // namespace korvane::station::service
