#pragma once
// One serial device and the worker thread that reads it and carries out writes.
// Received bytes reach the owner's thread through bytesReceived, in arrival order;
// bytes read before the latest write's purge are never handed on. Failures are told
// through openError() and lineLost, never to the user directly.
#include <QByteArray>
#include <QString>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "link/Line.h"
#include "platform/Language.h"

namespace korvane::link {

class SerialLine : public Line {
  Q_OBJECT

 public:
  explicit SerialLine(QObject* parent = nullptr);
  ~SerialLine() override;

  // Opens device (exclusively: a second open, from any process, fails — also as root)
  // and sets 8-N-1 at baud with RTS inactive and no handshake, then purges both
  // directions. Stops a running worker first and closes a device left open. False when
  // the device cannot be opened or set up, with the reason in openError().
  bool ConfigureLine(const std::string& device, int baud);
  std::string openError() const override { return openError_; }
  // Language of openError() and of the lineLost reason, for
  // the next ConfigureLine and the worker it starts.
  void setLanguage(Language language) { language_ = language; }

  bool StartWorker();
  // Ends the worker; harmless when it is not running. Never waits for the owner's
  // thread, so it cannot deadlock with a delivery in flight.
  void StopWorker();
  bool IsWorkerAlive() const { return alive_.load(); }

  // Hands bytes to the worker (length taken modulo 256), which purges both directions
  // and writes them. A second call before the worker wrote the first replaces it.
  void QueueWrite(const std::uint8_t* data, std::size_t length);

  // Closes the device (stopping the worker first).
  void Close() override;

  // The line's part: configures the device and starts the worker.
  bool Open(const LineSettings& settings) override;
  void Transmit(const Frame& frame) override { QueueWrite(frame.data(), frame.size()); }
  // Sets the rate of the open device in place and purges both directions.
  bool SetRate(int baud) override;
  void Stop() override { StopWorker(); }
  bool IsOpen() const { return fd_ >= 0; }

 private:
  void WorkerLoop(std::uint64_t session);
  void Deliver(std::uint64_t session, std::uint64_t generation, QByteArray bytes);
  void Wake();

  int fd_ = -1;
  int wakePipe_[2] = {-1, -1};
  std::atomic<int> baud_{0};
  std::string device_;
  std::string openError_;
  std::atomic<Language> language_{Language::kGerman};
  std::thread worker_;
  std::atomic<bool> alive_{false};
  std::atomic<bool> shutdown_{false};

  // Pending write: the latest QueueWrite, with its generation.
  std::mutex writeMutex_;
  QByteArray pendingWrite_;
  bool writePending_ = false;
  std::uint64_t pendingGeneration_ = 0;

  // Owner side: generation of the latest queued write; deliveries of older ones are stale.
  std::uint64_t queuedGeneration_ = 0;
  // Worker side: generation of the write most recently carried out.
  std::atomic<std::uint64_t> writtenGeneration_{0};
  // Bytes handed to the owner's thread and not yet taken; bounded by kMaxUndelivered.
  static constexpr std::size_t kMaxUndelivered = 64 * 1024;
  std::atomic<std::size_t> undelivered_{0};
  // Every ConfigureLine starts a new session; deliveries of an old one are dropped.
  std::atomic<std::uint64_t> session_{0};
};

}  // namespace korvane::link
