#include "station/StationService.h"

#include "platform/NumberText.h"
#include "station/messages/Discovery.h"
#include "station/Forwarder.h"
#include "station/messages/SampleJson.h"
#include "station/config/SettingsCheck.h"

namespace korvane::station {

std::optional<StationSetup> MakeStationSetup(const StationSettings& s, std::string* error) {
  StationSetup setup;
  MqttEndpoint& e = setup.endpoint;
  if (s.broker) e.broker = *s.broker;  // without one the service stays unstarted (Modbus only)
  e.clientId = s.clientId;
  e.user = s.user;
  if (!s.passwordFile.empty() && !ReadPasswordFile(s.passwordFile, &e.password, error)) return std::nullopt;
  e.caFile = s.caFile;
  e.certFile = s.certFile;
  e.keyFile = s.keyFile;
  setup.prefix = s.prefix;
  setup.discovery = s.discovery;
  setup.language = s.language;
  setup.bufferFolder = s.bufferFolder;
  setup.limits.maxBytes = s.bufferBytes;
  setup.limits.reserveBytes = s.reserveBytes;
  return setup;
}

StationService::StationService(StationSetup setup, StationLog& log, QObject* parent)
    : QObject(parent), setup_(std::move(setup)), log_(log), queue_(log) {
  // The broker says "offline" for a station that vanishes without a clean stop.
  setup_.endpoint.willTopic = setup_.prefix + "/status";
  setup_.endpoint.willPayload = "offline";
  syncTimer_.setInterval(setup_.timings.sync);
  connect(&syncTimer_, &QTimer::timeout, this, &StationService::SyncQueue);
}

StationService::~StationService() {
  // The client first: its thread must not report into a half-destroyed service.
  forwarder_.reset();
  client_.reset();
}

std::string StationService::Url() const { return BrokerUrlText(setup_.endpoint.broker); }

bool StationService::IsConnected() const { return session_.has_value(); }

bool StationService::Start(std::string* error) {
  if (!queue_.Open(setup_.bufferFolder, setup_.limits, error)) return false;
  client_ = std::make_unique<MqttClient>(setup_.endpoint, setup_.timings.reconnect);
  forwarder_ = std::make_unique<Forwarder>(queue_, *client_, setup_.prefix, setup_.window);
  connect(forwarder_.get(), &Forwarder::Drained, this, &StationService::Drained);
  connect(client_.get(), &MqttClient::Connected, this, &StationService::OnConnected);
  connect(client_.get(), &MqttClient::Lost, this, [this](quint64, const QString& reason) {
    session_.reset();
    log_.Warning("connection to " + Url() + " lost: " + reason.toStdString() + "; samples wait in the queue");
    emit Connected(false);
  });
  connect(client_.get(), &MqttClient::Failed, this, [this](const QString& reason, qint64 retryMs) {
    log_.Warning(platform::StringPrintf("broker %s: %s; next try in %.1f s", Url().c_str(),
                                        reason.toStdString().c_str(), static_cast<double>(retryMs) / 1000.0));
  });
  connect(client_.get(), &MqttClient::Delivered, this, [this](quint64 session, int mid) {
    if (stopping_ && session == session_ && mid == offlineMid_) Disconnect();
  });
  connect(client_.get(), &MqttClient::Finished, this, [this] {
    SyncQueue();
    emit Stopped();
  });
  log_.Info("connecting to " + Url() + " as " + setup_.endpoint.clientId +
            (setup_.endpoint.user.empty() ? std::string() : " (user " + setup_.endpoint.user + ")"));
  client_->Start();
  syncTimer_.start();
  return true;
}

void StationService::OnConnected(quint64 session) {
  session_ = session;
  announced_.clear();
  log_.Info(platform::StringPrintf("connected to %s; %llu samples queued", Url().c_str(),
                                   static_cast<unsigned long long>(queue_.Pending())));
  PublishStatus();
  PublishLine();
  for (const auto& [address, sample] : modules_) Announce(sample);
  emit Connected(true);
}

void StationService::PublishStatus() {
  if (session_ && !stopping_) client_->Publish(*session_, setup_.prefix + "/status", "online", true);
}

void StationService::PublishLine() {
  if (session_ && !stopping_)
    client_->Publish(*session_, setup_.prefix + "/line",
                     !lineUp_       ? "offline"
                     : lineService_ ? "service"
                                    : "online",
                     true);
}

void StationService::Announce(const bus::BusSample& sample) {
  if (!setup_.discovery || !session_ || stopping_) return;
  const std::string key = DiscoveryKey(sample);
  if (announced_[sample.address] == key) return;
  std::vector<DiscoveryMessage> messages = DiscoveryMessages(sample, setup_.prefix);
  messages.push_back(ServiceSensorMessage(sample, setup_.prefix, setup_.language));
  for (const DiscoveryMessage& m : messages)
    if (!client_->Publish(*session_, m.topic, m.payload, true)) return;
  announced_[sample.address] = key;
}

void StationService::Publish(const bus::BusSample& sample) {
  if (!client_ || stopping_) return;
  lastSamples_[sample.address] = sample;
  if (sample.state == bus::ModuleState::kLive) modules_[sample.address] = sample;
  const bool inService = inService_ && inService_(sample.address);
  Queue(sample, SampleJson(sample, inService ? ModuleStatus::kService : StatusOf(sample)));
  if (sample.state == bus::ModuleState::kLive) Announce(sample);
  forwarder_->Pump();
}

void StationService::Queue(const bus::BusSample& sample, const std::string& json) {
  queue_.Append(std::chrono::duration_cast<std::chrono::milliseconds>(sample.time.time_since_epoch()).count(),
                sample.address, json);
}

std::uint64_t StationService::Waiting() const {
  const std::uint64_t pending = queue_.Pending(), inFlight = forwarder_ ? forwarder_->InFlight() : 0;
  return pending > inFlight ? pending - inFlight : 0;
}

void StationService::ReportLineLost() {
  if (lineUp_ && client_ && !stopping_) {
    const auto now = std::chrono::system_clock::now();
    for (auto& [address, sample] : lastSamples_) {
      sample.time = now;
      Queue(sample, SampleJson(sample, ModuleStatus::kLineLost));
    }
    if (forwarder_) forwarder_->Pump();
  }
  lineUp_ = false;
  PublishLine();
}

void StationService::ReportLineBack() {
  lineUp_ = true;
  PublishLine();
}

void StationService::ReportLineService(bool held) {
  if (held && !lineService_ && client_ && !stopping_) {
    const auto now = std::chrono::system_clock::now();
    for (auto& [address, sample] : lastSamples_) {
      bus::BusSample marked = sample;
      marked.time = now;
      marked.state = bus::ModuleState::kMissing;  // nothing polled: no values
      Queue(marked, SampleJson(marked, ModuleStatus::kService));
    }
    if (forwarder_) forwarder_->Pump();
  }
  lineService_ = held;
  PublishLine();
}

void StationService::SyncQueue() { queue_.Sync(); }

void StationService::Stop() {
  if (stopping_) return;
  SyncQueue();
  if (!client_) {
    emit Stopped();
    return;
  }
  stopping_ = true;
  if (!session_) {
    Disconnect();
    return;
  }
  // What is in flight gets its grace; then "offline" and, once the broker has it (or
  // after another grace), the DISCONNECT.
  auto sendOffline = [this] {
    if (offlineSent_) return;
    offlineSent_ = true;
    offlineMid_ = session_ ? client_->Publish(*session_, setup_.prefix + "/status", "offline", true) : std::nullopt;
    if (!offlineMid_) return Disconnect();
    QTimer::singleShot(setup_.timings.stopGrace, this, [this] { Disconnect(); });
  };
  if (forwarder_->InFlight() == 0) return sendOffline();
  connect(forwarder_.get(), &Forwarder::Drained, this, sendOffline, Qt::SingleShotConnection);
  QTimer::singleShot(setup_.timings.stopGrace, this, sendOffline);
}

void StationService::Disconnect() {
  if (client_) client_->Disconnect();
}

}  // namespace korvane::station
