#pragma once
// Serves a simulated module line on a pseudo-terminal, so the unmodified program (or
// a test's SerialLine) talks to it as to a serial device. Runs in the thread whose
// event loop it lives in.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Bus.h"

class QSocketNotifier;

namespace korvane::sim {

class PtyServer : public QObject {
  Q_OBJECT

 public:
  explicit PtyServer(Bus& bus, QObject* parent = nullptr);
  ~PtyServer() override;

  // Creates the pseudo-terminal; false (with the reason in error()) when it cannot.
  bool Open();
  // The line goes away: the client sees a hang-up. The link (if any) stays.
  void HangUp();
  // A fresh pseudo-terminal after a hang-up; the link is re-pointed to it.
  bool Reopen();
  // Closes the line and removes the link.
  void Close();
  bool isOpen() const { return master_ >= 0; }

  // Path of the device the client opens (/dev/pts/N).
  const std::string& slavePath() const { return slavePath_; }
  const std::string& error() const { return error_; }

  // Makes path a symbolic link to the device (creating its folder); it follows Reopen
  // and is removed by Close and the destructor. False when it cannot be made (error()).
  bool SetLink(const std::string& path);
  void RemoveLink();
  const std::string& linkPath() const { return linkPath_; }

  // Replies (and the request's own bytes) take the time they would on a real line
  // at the rate the client set: 10 bits per byte.
  void setPacing(bool on) { pacing_ = on; }
  bool pacing() const { return pacing_; }

  // The rate the client set on its side of the line (0 when unknown).
  int clientBaud() const;

  // Writes bytes to the client at once (tests: bytes that nobody asked for).
  void WriteRaw(const std::vector<std::uint8_t>& bytes);
  // Bytes written to the client that it has not read yet.
  int unreadByClient() const;
  // True while a reply waits for its time to be written.
  bool replyPending() const { return !out_.empty(); }

  // Every frame in both directions: in = true for requests. note says what happened
  // to a request that got no reply ("ignored: line at 19200 baud, module at 4800").
  std::function<void(bool in, const std::vector<std::uint8_t>& bytes, const std::string& note)> onFrame;

 signals:
  void requestReceived();
  // The last byte of a reply went out.
  void replyWritten();
  void hungUp();

 private:
  void OnReadable();
  void TakeFrames(qint64 completeAtNs);
  void HandleRequest(const Frame& request, qint64 atNs);
  void Schedule();
  void Flush();
  void CloseFds();
  void OnClientClosed();
  qint64 NowNs() const { return clock_.nsecsElapsed(); }
  qint64 ByteNs() const;

  struct Pending {
    std::vector<std::uint8_t> bytes;
    qint64 startNs;  // when the first byte may go out
    std::size_t sent = 0;
    bool hangUp = false;
  };

  Bus& bus_;
  int master_ = -1;
  int slave_ = -1;  // held so the master never sees EIO while no client is attached
  std::string slavePath_;
  std::string linkPath_;
  std::string error_;
  bool pacing_ = false;
  QSocketNotifier* notifier_ = nullptr;
  int closeWatch_ = -1;  // inotify on the slave: a client closing the line
  QSocketNotifier* closeNotifier_ = nullptr;
  std::vector<std::uint8_t> in_;
  std::deque<Pending> out_;
  QTimer timer_;
  QElapsedTimer clock_;
  qint64 rxLineFreeNs_ = 0;  // when the request bytes received so far are through the line
  qint64 txLineFreeNs_ = 0;  // when the replies queued so far are through the line
};

}  // namespace korvane::sim
