#include "station/Forwarder.h"

#include "station/mqtt/MqttClient.h"
#include "station/queue/SampleQueue.h"

namespace korvane::station {

Forwarder::Forwarder(SampleQueue& queue, MqttClient& client, std::string prefix, int window, QObject* parent)
    : QObject(parent), queue_(queue), client_(client), prefix_(std::move(prefix)), window_(window) {
  connect(&client_, &MqttClient::Connected, this, &Forwarder::OnConnected);
  connect(&client_, &MqttClient::Delivered, this, &Forwarder::OnDelivered);
  connect(&client_, &MqttClient::Lost, this, [this](quint64 session) { OnLost(session); });
}

void Forwarder::Pump() {
  if (!session_) return;
  while (static_cast<int>(inFlight_.size()) < window_) {
    const auto sample = queue_.Next();
    if (!sample) break;
    const std::string topic = prefix_ + "/" + std::to_string(sample->address) + "/state";
    const auto mid = client_.Publish(*session_, topic, sample->json, false);
    if (!mid) {
      // The connection is going; Lost follows and sending starts again after the reconnect.
      queue_.Rewind();
      break;
    }
    seqOfMid_[*mid] = sample->seq;
    inFlight_[sample->seq] = false;
  }
}

void Forwarder::OnConnected(quint64 session) {
  session_ = session;
  seqOfMid_.clear();
  inFlight_.clear();
  queue_.Rewind();
  Pump();
}

void Forwarder::OnDelivered(quint64 session, int mid) {
  if (session != session_) return;
  const auto it = seqOfMid_.find(mid);
  if (it == seqOfMid_.end()) return;  // not a queued sample (status, discovery)
  inFlight_[it->second] = true;
  seqOfMid_.erase(it);
  std::optional<std::int64_t> released;
  while (!inFlight_.empty() && inFlight_.begin()->second) {
    released = inFlight_.begin()->first + 1;
    inFlight_.erase(inFlight_.begin());
  }
  if (released) queue_.Release(*released);
  Pump();
  if (inFlight_.empty() && queue_.Pending() == 0) emit Drained();
}

void Forwarder::OnLost(quint64 session) {
  if (session != session_) return;
  session_.reset();
  seqOfMid_.clear();
  inFlight_.clear();
}

}  // namespace korvane::station
