#include "station/mqtt/MqttClient.h"

#include <QMetaObject>

#include <cerrno>
#include <cstring>
#include <mosquitto.h>

namespace korvane::station {
namespace {

constexpr int kLoopTimeoutMs = 250;  // how soon the thread notices an abort

void InitLibraryOnce() {
  static std::once_flag once;
  std::call_once(once, [] { mosquitto_lib_init(); });
}

std::string ConnackReason(int rc) {
  switch (rc) {
    case 1: return "the broker does not speak MQTT 3.1.1";
    case 2: return "the broker rejected the client id";
    case 3: return "the broker is unavailable";
    case 4: return "bad user name or password";
    case 5: return "not authorised (wrong user name or password, or no right to connect)";
    default: return "refused with code " + std::to_string(rc);
  }
}

// What went wrong in a call or loop that returned rc, with errno as it was then.
std::string ErrorReason(int rc, int error) {
  if (rc == MOSQ_ERR_ERRNO) return std::strerror(error);
  if (rc == MOSQ_ERR_CONN_LOST) return "the connection was lost";
  if (rc == MOSQ_ERR_NO_CONN) return "the connection closed";
  if (rc == MOSQ_ERR_KEEPALIVE) return "the broker stopped answering";
  return mosquitto_strerror(rc);
}

}  // namespace

std::chrono::milliseconds NextReconnectDelay(std::chrono::milliseconds previous, const ReconnectTimings& timings) {
  return std::min(previous * 2, timings.last);
}

MqttClient::MqttClient(MqttEndpoint endpoint, ReconnectTimings timings, QObject* parent)
    : QObject(parent), endpoint_(std::move(endpoint)), timings_(timings) {
  InitLibraryOnce();
}

MqttClient::~MqttClient() {
  {
    std::lock_guard lock(mutex_);
    aborting_ = true;
    disconnecting_ = true;
  }
  wake_.notify_all();
  if (thread_.joinable()) thread_.join();
}

void MqttClient::Start() {
  thread_ = std::thread([this] { Run(); });
}

void MqttClient::Post(std::function<void()> call) {
  QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
}

std::optional<int> MqttClient::Publish(quint64 session, const std::string& topic, std::string_view payload,
                                       bool retain) {
  std::lock_guard lock(mutex_);
  if (!current_ || !connected_ || session != session_ || disconnecting_) return std::nullopt;
  int mid = 0;
  const int rc =
      mosquitto_publish(current_, &mid, topic.c_str(), static_cast<int>(payload.size()), payload.data(), 1, retain);
  if (rc != MOSQ_ERR_SUCCESS) return std::nullopt;
  return mid;
}

void MqttClient::Disconnect() {
  {
    std::lock_guard lock(mutex_);
    disconnecting_ = true;
    if (current_ && connected_) mosquitto_disconnect(current_);
  }
  wake_.notify_all();
}

mosquitto* MqttClient::NewClient(std::string* error) {
  mosquitto* m = mosquitto_new(endpoint_.clientId.c_str(), false, this);
  if (!m) {
    *error = std::string("cannot make an MQTT client: ") + std::strerror(errno);
    return nullptr;
  }
  mosquitto_threaded_set(m, true);
  mosquitto_int_option(m, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V311);
  mosquitto_int_option(m, MOSQ_OPT_TCP_NODELAY, 1);
  mosquitto_max_inflight_messages_set(m, 0);  // the caller keeps the window
  mosquitto_connect_callback_set(m, &MqttClient::OnConnect);
  mosquitto_publish_callback_set(m, &MqttClient::OnPublish);
  mosquitto_log_callback_set(m, &MqttClient::OnLog);
  int rc = MOSQ_ERR_SUCCESS;
  if (!endpoint_.user.empty())
    rc = mosquitto_username_pw_set(m, endpoint_.user.c_str(),
                                   endpoint_.password.empty() ? nullptr : endpoint_.password.c_str());
  if (rc == MOSQ_ERR_SUCCESS && !endpoint_.willTopic.empty())
    rc = mosquitto_will_set(m, endpoint_.willTopic.c_str(), static_cast<int>(endpoint_.willPayload.size()),
                            endpoint_.willPayload.data(), 1, true);
  if (rc == MOSQ_ERR_SUCCESS && endpoint_.broker.tls) {
    const char* cert = endpoint_.certFile.empty() ? nullptr : endpoint_.certFile.c_str();
    const char* key = endpoint_.keyFile.empty() ? nullptr : endpoint_.keyFile.c_str();
    if (endpoint_.caFile.empty()) {
      mosquitto_int_option(m, MOSQ_OPT_TLS_USE_OS_CERTS, 1);
      rc = mosquitto_tls_set(m, nullptr, "/etc/ssl/certs", cert, key, nullptr);
    } else {
      rc = mosquitto_tls_set(m, endpoint_.caFile.c_str(), nullptr, cert, key, nullptr);
    }
    if (rc == MOSQ_ERR_SUCCESS) rc = mosquitto_tls_insecure_set(m, false);
  }
  if (rc != MOSQ_ERR_SUCCESS) {
    *error = std::string("cannot set up the MQTT client: ") + mosquitto_strerror(rc);
    mosquitto_destroy(m);
    return nullptr;
  }
  return m;
}

void MqttClient::Run() {
  auto delay = timings_.first;
  while (true) {
    {
      std::lock_guard lock(mutex_);
      if (disconnecting_) break;
    }
    std::string reason;
    bool accepted = false;
    refusal_.clear();
    tlsError_.clear();
    mosquitto* m = NewClient(&reason);
    if (m) {
      const int rc =
          mosquitto_connect_async(m, endpoint_.broker.host.c_str(), endpoint_.broker.port, endpoint_.keepAliveSeconds);
      const int error = errno;
      if (rc == MOSQ_ERR_SUCCESS) {
        {
          std::lock_guard lock(mutex_);
          current_ = m;
        }
        reason = RunConnection(m, &accepted);
        std::lock_guard lock(mutex_);
        current_ = nullptr;
        connected_ = false;
      } else {
        reason = !tlsError_.empty() ? "TLS: " + tlsError_ : ErrorReason(rc, error);
      }
      mosquitto_destroy(m);
    }
    bool stop = false;
    quint64 session = 0;
    {
      std::lock_guard lock(mutex_);
      stop = disconnecting_;
      session = session_;
    }
    if (stop) break;
    if (accepted) {
      delay = timings_.first;
      Post([this, session, reason] { emit Lost(session, QString::fromStdString(reason)); });
    } else {
      Post([this, reason, delay] { emit Failed(QString::fromStdString(reason), delay.count()); });
    }
    if (!WaitBeforeRetry(delay)) break;
    if (!accepted) delay = NextReconnectDelay(delay, timings_);
  }
  Post([this] { emit Finished(); });
}

std::string MqttClient::RunConnection(mosquitto* m, bool* accepted) {
  const auto started = std::chrono::steady_clock::now();
  std::optional<std::chrono::steady_clock::time_point> disconnectSince;
  while (true) {
    const int rc = mosquitto_loop(m, kLoopTimeoutMs, 1);
    const int error = errno;
    {
      std::lock_guard lock(mutex_);
      *accepted = *accepted || connected_;
      if (aborting_) return {};
      if (disconnecting_ && !disconnectSince) {
        disconnectSince = std::chrono::steady_clock::now();
        if (!connected_) return {};
      }
    }
    // A DISCONNECT that the broker never takes does not hold the stop up.
    if (disconnectSince && std::chrono::steady_clock::now() - *disconnectSince > std::chrono::seconds(2)) return {};
    if (rc == MOSQ_ERR_SUCCESS) {
      // A connection the broker leaves unanswered counts as failed after two keep-alives.
      if (!*accepted &&
          std::chrono::steady_clock::now() - started > std::chrono::seconds(2 * endpoint_.keepAliveSeconds))
        return "the broker did not answer the connection";
      continue;
    }
    if (disconnectSince) return {};
    if (!refusal_.empty()) return "refused the connection: " + refusal_;
    if (!tlsError_.empty()) return "TLS: " + tlsError_;
    // A TLS listener drops a client that speaks plain MQTT to it without a word.
    const bool dropped =
        rc == MOSQ_ERR_CONN_LOST || rc == MOSQ_ERR_PROTOCOL || (rc == MOSQ_ERR_ERRNO && error == ECONNRESET);
    if (dropped && !*accepted && !endpoint_.broker.tls)
      return ErrorReason(rc, error) + " before the broker answered: it may expect TLS (mqtts://)";
    return ErrorReason(rc, error);
  }
}

bool MqttClient::WaitBeforeRetry(std::chrono::milliseconds delay) {
  std::unique_lock lock(mutex_);
  wake_.wait_for(lock, delay, [this] { return disconnecting_; });
  return !disconnecting_;
}

void MqttClient::OnConnect(mosquitto*, void* self, int rc) {
  auto* client = static_cast<MqttClient*>(self);
  if (rc != 0) {
    client->refusal_ = ConnackReason(rc);
    return;
  }
  client->connected_ = true;
  const quint64 session = ++client->session_;
  client->Post([client, session] { emit client->Connected(session); });
}

void MqttClient::OnPublish(mosquitto*, void* self, int mid) {
  auto* client = static_cast<MqttClient*>(self);
  const quint64 session = client->session_;
  client->Post([client, session, mid] { emit client->Delivered(session, mid); });
}

void MqttClient::OnLog(mosquitto*, void* self, int level, const char* text) {
  if (!(level & MOSQ_LOG_ERR) || !text) return;
  // "OpenSSL Error[0]: error:0A000086:SSL routines::certificate verify failed"
  const std::string line = text;
  if (line.rfind("OpenSSL Error", 0) != 0) return;
  const auto colon = line.find_last_of(':');
  static_cast<MqttClient*>(self)->tlsError_ = colon == std::string::npos ? line : line.substr(colon + 1);
}

}  // namespace korvane::station
