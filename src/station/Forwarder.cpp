#include "station/Forwarder.h"

#include "station/mqtt/MqttClient.h"
#include "station/queue/SampleQueue.h"

namespace korvane::station {

std::string QueuePayload(std::uint8_t address, const std::string& json) {
  return static_cast<char>(address) + json;
}

Forwarder::Forwarder(SampleQueue& queue, MqttClient& client, std::string prefix, int window, QObject* parent)
    : QObject(parent), queue_(queue), client_(client), prefix_(std::move(prefix)), window_(window) {
  connect(&client_, &MqttClient::Connected, this, &Forwarder::OnConnected);
  connect(&client_, &MqttClient::Delivered, this, &Forwarder::OnDelivered);
  connect(&client_, &MqttClient::Lost, this, [this](quint64 session) { OnLost(session); });
}

void Forwarder::Pump() {
  if (!session_) return;
  while (static_cast<int>(inFlight_.size()) < window_) {
    auto record = queue_.Next();
    if (!record) break;
    if (record->payload.empty()) {  // cannot happen for records this program wrote
      inFlight_[record->seq] = true;
      continue;
    }
    const auto address = static_cast<std::uint8_t>(record->payload.front());
    const std::string topic = prefix_ + "/" + std::to_string(address) + "/state";
    const auto mid = client_.Publish(*session_, topic, std::string_view(record->payload).substr(1), false);
    if (!mid) {
      // The connection is going; Lost follows and sending starts again after the reconnect.
      queue_.Rewind();
      break;
    }
    seqOfMid_[*mid] = record->seq;
    inFlight_[record->seq] = false;
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
  if (it == seqOfMid_.end()) return;  // not a queued record (status, discovery)
  inFlight_[it->second] = true;
  seqOfMid_.erase(it);
  std::optional<std::uint64_t> released;
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
