#pragma once
// A real mosquitto broker for tests and benchmarks, on free ports of 127.0.0.1 only,
// with its configuration in a folder of the caller; and a subscriber on libmosquitto
// that collects what the broker delivers. Header-only so bench/ can use it too.
#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <csignal>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <mosquitto.h>

namespace korvane::test {

// A port of 127.0.0.1 that nothing listens on right now.
inline int FreeLoopbackPort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof a;
  int port = 0;
  if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &length) == 0)
    port = ntohs(a.sin_port);
  ::close(fd);
  return port;
}

inline bool Accepts(int port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(static_cast<std::uint16_t>(port));
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
  ::close(fd);
  return ok;
}

inline QString Program(const char* name) {
  return QStandardPaths::findExecutable(name, {"/usr/sbin", "/usr/bin", "/usr/local/sbin", "/usr/local/bin"});
}

class LocalBroker {
 public:
  // folder: where the configuration goes. listeners: the lines after each
  // "listener PORT 127.0.0.1" (empty for a plain one).
  LocalBroker(QString folder, std::vector<std::string> listeners, std::string common = "allow_anonymous true\n")
      : folder_(std::move(folder)), listeners_(std::move(listeners)), common_(std::move(common)) {
    for (std::size_t i = 0; i < listeners_.size(); ++i) ports_.push_back(FreeLoopbackPort());
  }
  ~LocalBroker() { Kill(); }
  LocalBroker(const LocalBroker&) = delete;
  LocalBroker& operator=(const LocalBroker&) = delete;

  static bool Available() { return !Program("mosquitto").isEmpty(); }

  int port(std::size_t listener = 0) const { return ports_[listener]; }
  void SetCommon(std::string common) { common_ = std::move(common); }

  // Starts the broker and waits until every listener accepts connections.
  bool Start() {
    const passwd* pw = ::getpwuid(::getuid());
    // As root mosquitto would switch to its own user, which cannot read the test's files.
    std::string config =
        std::string("user ") + (pw ? pw->pw_name : "root") +
        "\npersistence false\nmax_queued_messages 0\nmax_inflight_messages 0\nper_listener_settings false\n" + common_;
    for (std::size_t i = 0; i < listeners_.size(); ++i)
      config += "listener " + std::to_string(ports_[i]) + " 127.0.0.1\n" + listeners_[i];
    QFile file(folder_ + "/mosquitto.conf");
    if (!file.open(QIODevice::WriteOnly) || file.write(config.data(), static_cast<qint64>(config.size())) < 0)
      return false;
    file.close();
    // Its log goes to a file beside the configuration, appended across restarts.
    process_.setStandardOutputFile(folder_ + "/mosquitto.log", QIODevice::Append);
    process_.setStandardErrorFile(folder_ + "/mosquitto.log", QIODevice::Append);
    process_.start(Program("mosquitto"), {"-c", folder_ + "/mosquitto.conf"});
    if (!process_.waitForStarted(5000)) return false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (const int port : ports_) {
      while (!Accepts(port)) {
        if (process_.state() != QProcess::Running || std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      }
    }
    return true;
  }

  // SIGSTOP: the broker takes no more packets; what clients send waits unacknowledged.
  void Freeze() { ::kill(static_cast<pid_t>(process_.processId()), SIGSTOP); }

  // SIGKILL: the broker gets no chance to say goodbye.
  void Kill() {
    if (process_.state() == QProcess::NotRunning) return;
    ::kill(static_cast<pid_t>(process_.processId()), SIGKILL);
    process_.waitForFinished(5000);
  }

  std::string Log() const {
    QFile file(folder_ + "/mosquitto.log");
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
  }

  // SIGHUP: mosquitto reads its password file again.
  void Reload() { ::kill(static_cast<pid_t>(process_.processId()), SIGHUP); }

 private:
  QString folder_;
  std::vector<std::string> listeners_;
  std::string common_;
  std::vector<int> ports_;
  QProcess process_;
};

// Writes a mosquitto password file with the given users (name, password).
inline bool WritePasswordFile(const QString& path, const std::vector<std::pair<std::string, std::string>>& users) {
  QFile::remove(path);
  for (std::size_t i = 0; i < users.size(); ++i) {
    QStringList args;
    if (i == 0) args << "-c";
    args << "-b" << path << QString::fromStdString(users[i].first) << QString::fromStdString(users[i].second);
    QProcess p;
    p.start(Program("mosquitto_passwd"), args);
    if (!p.waitForFinished(10000) || p.exitCode() != 0) return false;
  }
  return true;
}

// A subscriber on its own libmosquitto thread, QoS 1. Messages are kept in arrival order.
class TestSubscriber {
 public:
  struct Message {
    std::string topic;
    std::string payload;
    bool retained = false;
    std::chrono::steady_clock::time_point arrived;
  };

  TestSubscriber() { mosquitto_lib_init(); }
  // countOnly: keep no messages, only count them (a benchmark's backlog).
  explicit TestSubscriber(bool countOnly) : TestSubscriber() { countOnly_ = countOnly; }
  ~TestSubscriber() { Close(); }
  TestSubscriber(const TestSubscriber&) = delete;
  TestSubscriber& operator=(const TestSubscriber&) = delete;

  // Connects to 127.0.0.1:port and subscribes to filter; true once the broker confirmed.
  bool Subscribe(int port, const std::string& filter, const std::string& user = {}, const std::string& password = {}) {
    Close();
    m_ = mosquitto_new(nullptr, true, this);
    if (!user.empty()) mosquitto_username_pw_set(m_, user.c_str(), password.c_str());
    mosquitto_message_callback_set(m_, [](mosquitto*, void* self, const mosquitto_message* m) {
      auto* s = static_cast<TestSubscriber*>(self);
      std::lock_guard lock(s->mutex_);
      ++s->count_;
      if (s->countOnly_) {
        s->changed_.notify_all();
        return;
      }
      s->messages_.push_back(
          {m->topic, std::string(static_cast<const char*>(m->payload), static_cast<std::size_t>(m->payloadlen)),
           m->retain, std::chrono::steady_clock::now()});
      s->changed_.notify_all();
    });
    mosquitto_subscribe_callback_set(m_, [](mosquitto*, void* self, int, int, const int*) {
      auto* s = static_cast<TestSubscriber*>(self);
      std::lock_guard lock(s->mutex_);
      s->subscribed_ = true;
      s->changed_.notify_all();
    });
    subscribed_ = false;
    if (mosquitto_connect(m_, "127.0.0.1", port, 30) != MOSQ_ERR_SUCCESS) return false;
    if (mosquitto_subscribe(m_, nullptr, filter.c_str(), 1) != MOSQ_ERR_SUCCESS) return false;
    if (mosquitto_loop_start(m_) != MOSQ_ERR_SUCCESS) return false;
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(10), [this] { return subscribed_; });
  }

  void Close() {
    if (!m_) return;
    mosquitto_disconnect(m_);
    mosquitto_loop_stop(m_, true);
    mosquitto_destroy(m_);
    m_ = nullptr;
  }

  // Waits (on this thread, without an event loop) until done(messages) holds.
  template <class Done>
  bool WaitFor(Done done, std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [&] { return done(messages_); });
  }

  std::size_t Count() {
    std::lock_guard lock(mutex_);
    return count_;
  }

  std::vector<Message> Messages() {
    std::lock_guard lock(mutex_);
    return messages_;
  }

 private:
  mosquitto* m_ = nullptr;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<Message> messages_;
  bool subscribed_ = false;
  bool countOnly_ = false;
  std::size_t count_ = 0;
};

}  // namespace korvane::test
