#pragma once
// The station: every bus sample becomes a JSON message on <prefix>/<address>/state,
// queued until the broker acknowledges it; <prefix>/status says "online" while
// connected (retained; the last will and a clean stop say "offline"), <prefix>/line
// "online" or "offline" for the line to the modules (retained); Home Assistant discovery
// configs announce each module. The bus engine's sample signal connects to Publish().
#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "bus/BusSample.h"
#include "station/mqtt/MqttClient.h"
#include "station/queue/SampleQueue.h"
#include "station/log/StationLog.h"
#include "station/config/StationSettings.h"

namespace korvane::station {

class Forwarder;

struct StationTimings {
  ReconnectTimings reconnect;
  std::chrono::milliseconds sync{1000};       // queue to disk at least this often
  std::chrono::milliseconds stopGrace{3000};  // Stop() waits this long for acknowledgements
};

struct StationSetup {
  MqttEndpoint endpoint;
  std::string prefix;
  bool discovery = true;
  Language language = Language::kGerman;  // of the names in the discovery configs
  std::string bufferFolder;
  QueueLimits limits;
  StationTimings timings;
  int window = 256;  // messages in flight
};

// The setup of settings that passed their checks; reads the password file. Nothing,
// with *error, when it cannot be read or is readable by others.
std::optional<StationSetup> MakeStationSetup(const StationSettings& settings, std::string* error);

class StationService : public QObject {
  Q_OBJECT
 public:
  StationService(StationSetup setup, StationLog& log, QObject* parent = nullptr);
  ~StationService() override;

  // Opens the queue (what it holds from before is sent first) and starts connecting.
  // False with *error when the buffer folder cannot be used.
  bool Start(std::string* error);

  // One sample of the bus engine. Never blocks: the sample is queued (on disk, or in
  // memory while the disk refuses) and sent when the broker can take it.
  void Publish(const bus::BusSample& sample);

  // The line to the modules went away, or came back: <prefix>/line says so (retained);
  // the reason goes to the log. When it goes, every module seen so far gets a message
  // with the state "line_lost" and no values, so that a consumer of the state topics
  // alone does not take its last values for current ones.
  void ReportLineLost();
  void ReportLineBack();
  // Whether a service client works with a module now: its samples say "service".
  void SetInService(std::function<bool(std::uint8_t)> inService) { inService_ = std::move(inService); }
  // A service client holds the line alone (polling paused): <prefix>/line says "service"
  // and every module seen so far gets a message with the state "service" and no values.
  void ReportLineService(bool held);

  // A clean stop: waits up to stopGrace for what is in flight, sets the status to
  // "offline", disconnects; Stopped follows. Unsent samples stay in the queue.
  void Stop();

  std::uint64_t Pending() const { return queue_.Pending(); }
  // Samples that wait for the broker: those queued and not yet sent (the ones sent and
  // not yet acknowledged are on their way).
  std::uint64_t Waiting() const;
  bool IsConnected() const;

 signals:
  void Connected(bool connected);  // the broker accepted or lost the connection
  void Drained();                  // every sample so far is acknowledged
  void Stopped();

 private:
  void OnConnected(quint64 session);
  void PublishStatus();
  void PublishLine();
  void Announce(const bus::BusSample& sample);
  void SyncQueue();
  void Disconnect();
  std::string Url() const;

  StationSetup setup_;
  StationLog& log_;
  SampleQueue queue_;
  std::unique_ptr<MqttClient> client_;
  std::unique_ptr<Forwarder> forwarder_;
  QTimer syncTimer_;
  std::optional<quint64> session_;
  bool lineUp_ = true;
  bool lineService_ = false;
  std::function<bool(std::uint8_t)> inService_;
  void Queue(const bus::BusSample& sample, const std::string& json);

  std::map<std::uint8_t, bus::BusSample> modules_;      // the last live sample of each
  std::map<std::uint8_t, bus::BusSample> lastSamples_;  // the last sample of each, live or not
  std::map<std::uint8_t, std::string> announced_;       // discovery key sent in this session
  bool stopping_ = false;
  bool offlineSent_ = false;
  std::optional<int> offlineMid_;
};

}  // namespace korvane::station
