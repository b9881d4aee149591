#pragma once
// Moves the queue's samples to the broker in order: at most a window of them in flight,
// each released from the queue when the broker acknowledges it and everything before
// it. After a reconnect, sending starts again at the first unacknowledged sample, so a
// sample the broker took just before a connection broke may arrive twice (with its own
// time and address), but none is lost.
#include <QObject>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>

namespace korvane::station {

class MqttClient;
class SampleQueue;

class Forwarder : public QObject {
  Q_OBJECT
 public:
  Forwarder(SampleQueue& queue, MqttClient& client, std::string prefix, int window, QObject* parent = nullptr);

  // Sends as far as the window allows; call after an append.
  void Pump();
  std::size_t InFlight() const { return inFlight_.size(); }
  bool Connected() const { return session_.has_value(); }

 signals:
  void Drained();  // every queued sample is acknowledged

 private:
  void OnConnected(quint64 session);
  void OnDelivered(quint64 session, int mid);
  void OnLost(quint64 session);

  SampleQueue& queue_;
  MqttClient& client_;
  const std::string prefix_;
  const int window_;
  std::optional<quint64> session_;
  std::unordered_map<int, std::int64_t> seqOfMid_;
  std::map<std::int64_t, bool> inFlight_;  // sequence number -> acknowledged
};

}  // namespace korvane::station
