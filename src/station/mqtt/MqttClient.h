#pragma once
// The station's connection to the broker over libmosquitto (MQTT 3.1.1, QoS 1,
// persistent session, retained last will).
//
// The network runs on a thread of its own with mosquitto_loop(), so a slow name lookup,
// TCP connect or TLS handshake never holds up the Qt thread where the bus is polled.
// Each attempt uses a fresh libmosquitto client: what was in flight on a lost connection
// is sent again by the caller from its queue, never a second time by the library. The
// thread reports through queued calls into the Qt thread (Connected, Delivered, Lost,
// Failed, Finished), so everything else stays single-threaded; Publish() may be called
// from the Qt thread at any time (libmosquitto locks its own queues and wakes the loop).
// Reconnects back off from ReconnectTimings::first, doubling up to last; refusals by the
// broker and TLS failures are retried the same way, never over plain TCP.
#include <QObject>
#include <QString>

#include <atomic>
#include <chrono>
#include <functional>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "station/config/BrokerUrl.h"

struct mosquitto;

namespace korvane::station {

struct MqttEndpoint {
  BrokerUrl broker;
  std::string clientId;
  std::string user;      // empty: none
  std::string password;  // never logged
  std::string caFile;    // mqtts without one: the system's CA certificates
  std::string certFile;  // client certificate and key, both or neither
  std::string keyFile;
  std::string willTopic;  // retained, QoS 1; empty: none
  std::string willPayload;
  int keepAliveSeconds = 30;
};

struct ReconnectTimings {
  std::chrono::milliseconds first{1000};
  std::chrono::milliseconds last{60000};
};

// The wait before the attempt after one that waited previous: double, at most last.
std::chrono::milliseconds NextReconnectDelay(std::chrono::milliseconds previous, const ReconnectTimings& timings);

class MqttClient : public QObject {
  Q_OBJECT
 public:
  MqttClient(MqttEndpoint endpoint, ReconnectTimings timings, QObject* parent = nullptr);
  // Ends the thread at once without a DISCONNECT: the broker sends the will.
  ~MqttClient() override;

  void Start();
  // Queues a QoS 1 message on the session Connected announced; its message id, or
  // nothing when that session is no longer connected.
  std::optional<int> Publish(quint64 session, const std::string& topic, std::string_view payload, bool retain);
  // A clean end: DISCONNECT when connected (the broker keeps the will to itself), no
  // further attempts; Finished follows.
  void Disconnect();

 signals:
  void Connected(quint64 session);              // the broker accepted the connection
  void Delivered(quint64 session, int mid);     // the broker acknowledged a message
  void Lost(quint64 session, QString reason);   // an accepted connection ended
  void Failed(QString reason, qint64 retryMs);  // an attempt failed; the next in retryMs
  void Finished();                              // after Disconnect(): the thread ended

 private:
  void Run();
  mosquitto* NewClient(std::string* error);
  // Runs one connection until it ends; its reason, empty after a clean disconnect.
  std::string RunConnection(mosquitto* client, bool* accepted);
  bool WaitBeforeRetry(std::chrono::milliseconds delay);
  void Post(std::function<void()> call);

  static void OnConnect(mosquitto*, void* self, int rc);
  static void OnPublish(mosquitto*, void* self, int mid);
  static void OnLog(mosquitto*, void* self, int level, const char* text);

  const MqttEndpoint endpoint_;
  const ReconnectTimings timings_;
  std::thread thread_;

  std::mutex mutex_;  // guards what follows, shared with the thread
  std::condition_variable wake_;
  mosquitto* current_ = nullptr;
  bool disconnecting_ = false;
  bool aborting_ = false;

  // Set by libmosquitto's callbacks, which take no lock of ours (they run while the
  // library holds its own).
  std::atomic<bool> connected_{false};
  std::atomic<quint64> session_{0};

  // Used by the thread only.
  std::string refusal_;   // the CONNACK's reason of the current attempt
  std::string tlsError_;  // the last TLS error libmosquitto logged
};

}  // namespace korvane::station
