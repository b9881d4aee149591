#pragma once
// One serial device and the worker thread that reads it and carries out writes.
// Received bytes reach the owner's thread through bytesReceived, in arrival order;
// bytes read before the latest write's purge are never handed on.
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

namespace korvane::platform {
class Ui;
}

namespace korvane::link {

class SerialLine : public Line {
  Q_OBJECT

 public:
  // ui shows the error box of configuration steps and worker I/O that fail.
  explicit SerialLine(platform::Ui& ui, QObject* parent = nullptr);
  ~SerialLine() override;

  // Opens device (exclusively: a second open, from any process, fails — also as root)
  // and sets 8-N-1 at baud with RTS inactive and no handshake, 1000 ms timeouts,
  // then purges both directions. Stops a running worker first and closes a device
  // left open. False when the device cannot be opened (no message: openError() tells why).
  // Failing line settings show the error box and still return true.
  bool ConfigureLine(const std::string& device, int portNumber, int baud, char parity = 'N', int dataBits = 8,
                     int stopBits = 1, std::uint32_t eventMask = 0x40F, std::size_t bufferSize = 512);
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

  // The line's part: configures the device, pauses for it to settle and starts the worker.
  bool Open(const LineSettings& settings) override;
  void Transmit(const Frame& frame) override { QueueWrite(frame.data(), frame.size()); }
  void Stop() override { StopWorker(); }
  bool IsOpen() const { return fd_ >= 0; }
  int portNumber() const { return portNumber_; }

 private:
  void WorkerLoop(std::uint64_t session);
  void Deliver(std::uint64_t session, std::uint64_t generation, QByteArray bytes);
  void ReportWorkerError(const std::string& step, int error);
  void ShowErrorBox(const std::string& step, int error);
  void Wake();

  platform::Ui& ui_;
  int fd_ = -1;
  int wakePipe_[2] = {-1, -1};
  int portNumber_ = 0;
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
  std::size_t bufferSize_ = 512;
};

}  // namespace korvane::link
