#include "link/SerialLine.h"

#include <QMetaObject>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include "platform/NumberText.h"
#include "platform/PortNames.h"
#include "platform/Reasons.h"
#include "platform/Ui.h"

namespace korvane::link {
namespace {

speed_t SpeedFor(int baud) {
  switch (baud) {
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    default: return B0;
  }
}

// Waits until fd is writable and writes all bytes, within the 1000 ms per byte plus
// 1000 ms the line allows a write.
bool WriteAll(int fd, const char* data, std::size_t n, int& error) {
  const int timeoutMs = 1000 + 1000 * static_cast<int>(n);
  std::size_t done = 0;
  while (done < n) {
    ssize_t w = ::write(fd, data + done, n - done);
    if (w > 0) {
      done += static_cast<std::size_t>(w);
      continue;
    }
    if (w < 0 && errno != EAGAIN && errno != EINTR) {
      error = errno;
      return false;
    }
    pollfd p{fd, POLLOUT, 0};
    int r = ::poll(&p, 1, timeoutMs);
    if (r == 0) {
      error = ETIMEDOUT;
      return false;
    }
    if (r > 0 && (p.revents & (POLLERR | POLLHUP | POLLNVAL))) {
      error = EIO;
      return false;
    }
  }
  return true;
}

}  // namespace

SerialLine::SerialLine(platform::Ui& ui, QObject* parent) : Line(parent), ui_(ui) {
  if (::pipe2(wakePipe_, O_CLOEXEC | O_NONBLOCK) != 0) wakePipe_[0] = wakePipe_[1] = -1;
}

SerialLine::~SerialLine() {
  Close();
  for (int& fd : wakePipe_)
    if (fd >= 0) ::close(fd);
}

bool SerialLine::Open(const LineSettings& settings) {
  setLanguage(settings.language);
  if (!ConfigureLine(settings.device, settings.com, settings.baud)) return false;
  QThread::msleep(static_cast<unsigned long>(settings.settle.count()));
  StartWorker();
  return true;
}

void SerialLine::ShowErrorBox(const std::string& step, int error) {
  ui_.ErrorBox(platform::StringPrintf("WARNING:  %s Failed with the following error: \n%s\nPort: %d\n", step.c_str(),
                                      std::strerror(error), portNumber_),
               "Application Error");
}

bool SerialLine::ConfigureLine(const std::string& device, int portNumber, int baud, char parity, int dataBits,
                               int stopBits, std::uint32_t /*eventMask*/, std::size_t bufferSize) {
  StopWorker();
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  ++session_;
  portNumber_ = portNumber;
  device_ = device;
  bufferSize_ = bufferSize;
  openError_.clear();
  {
    std::lock_guard lock(writeMutex_);
    writePending_ = false;
  }

  int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    openError_ = platform::OpenFailureReason(device, errno, language_);
    return false;
  }
  // Exclusive: flock also holds against root, which TIOCEXCL does not stop.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    openError_ = platform::FormatReason(platform::reasons::kBusy, language_, device);
    ::close(fd);
    return false;
  }
  // Only a terminal device carries the line: /dev/null, /dev/zero or a plain file would
  // read as an endless stream of nothing or of zeros.
  if (!::isatty(fd)) {
    openError_ = platform::NotSerialReason(device, language_);
    ::close(fd);
    return false;
  }
  ::ioctl(fd, TIOCEXCL);
  fd_ = fd;

  termios tio{};
  const speed_t speed = SpeedFor(baud);
  const bool validLine = speed != B0 && (parity == 'N' || parity == 'E' || parity == 'O') && dataBits >= 5 &&
                         dataBits <= 8 && (stopBits == 1 || stopBits == 2);
  if (::tcgetattr(fd, &tio) != 0) {
    ShowErrorBox("GetCommState()", errno);
  } else if (!validLine) {
    ShowErrorBox("BuildCommDCB()", EINVAL);
  } else {
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cflag |= dataBits == 5 ? CS5 : dataBits == 6 ? CS6 : dataBits == 7 ? CS7 : CS8;
    if (parity != 'N') tio.c_cflag |= PARENB | (parity == 'O' ? PARODD : 0);
    if (stopBits == 2) tio.c_cflag |= CSTOPB;
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    ::cfsetispeed(&tio, speed);
    ::cfsetospeed(&tio, speed);
    if (::tcsetattr(fd, TCSANOW, &tio) != 0) ShowErrorBox("SetCommState()", errno);
    // RTS held inactive. A pseudo-terminal has no modem lines: nothing to do there.
    int rts = TIOCM_RTS;
    if (::ioctl(fd, TIOCMBIC, &rts) != 0 && errno != ENOTTY && errno != EINVAL && errno != ENOTSUP && errno != EIO)
      ShowErrorBox("SetCommState()", errno);
  }
  ::tcflush(fd, TCIOFLUSH);
  return true;
}

bool SerialLine::StartWorker() {
  if (fd_ < 0 || alive_.load()) return alive_.load();
  shutdown_ = false;
  alive_ = true;
  const std::uint64_t session = session_.load();
  worker_ = std::thread([this, session] { WorkerLoop(session); });
  return true;
}

void SerialLine::StopWorker() {
  if (!worker_.joinable()) return;
  shutdown_ = true;
  Wake();
  worker_.join();
  shutdown_ = false;
}

void SerialLine::Close() {
  StopWorker();
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  ++session_;
}

void SerialLine::Wake() {
  if (wakePipe_[1] >= 0) {
    const char c = 1;
    [[maybe_unused]] ssize_t n = ::write(wakePipe_[1], &c, 1);
  }
}

void SerialLine::QueueWrite(const std::uint8_t* data, std::size_t length) {
  length %= 256;
  if (length > bufferSize_) length = bufferSize_;
  {
    std::lock_guard lock(writeMutex_);
    pendingWrite_ = QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(length));
    writePending_ = true;
    pendingGeneration_ = ++queuedGeneration_;
  }
  Wake();
}

void SerialLine::Deliver(std::uint64_t session, std::uint64_t generation, QByteArray bytes) {
  // Bytes read before the latest queued write was carried out belong to an earlier
  // exchange: the write's purge would have dropped them, so drop them here too.
  undelivered_ -= static_cast<std::size_t>(bytes.size());
  if (session != session_.load() || generation < queuedGeneration_) return;
  emit bytesReceived(bytes);
}

void SerialLine::ReportWorkerError(const std::string& step, int error) {
  const std::uint64_t session = session_.load();
  QMetaObject::invokeMethod(
      this,
      [this, step, error, session] {
        if (session == session_.load()) ShowErrorBox(step, error);
      },
      Qt::QueuedConnection);
}

void SerialLine::WorkerLoop(std::uint64_t session) {
  const int fd = fd_;
  const std::string gone = platform::FormatReason(platform::reasons::kGone, language_, device_);
  ::tcflush(fd, TCIOFLUSH);
  bool lineUp = true;
  auto lose = [&](const std::string& why) {
    if (!lineUp) return;
    lineUp = false;
    const QString reason = QString::fromStdString(why);
    QMetaObject::invokeMethod(
        this,
        [this, reason, session] {
          if (session == session_.load()) emit lineLost(reason);
        },
        Qt::QueuedConnection);
  };
  char buf[4096];
  while (!shutdown_.load()) {
    pollfd fds[2] = {{wakePipe_[0], POLLIN, 0}, {lineUp ? fd : -1, POLLIN, 0}};
    int r = ::poll(fds, 2, -1);
    if (r < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (fds[0].revents & POLLIN) {
      while (::read(wakePipe_[0], buf, sizeof buf) > 0) {
      }
    }
    if (shutdown_.load()) break;

    QByteArray out;
    std::uint64_t generation = 0;
    bool haveWrite = false;
    {
      std::lock_guard lock(writeMutex_);
      if (writePending_) {
        out = pendingWrite_;
        generation = pendingGeneration_;
        writePending_ = false;
        haveWrite = true;
      }
    }
    if (haveWrite && lineUp) {
      // A new request never sees leftovers of an earlier reply.
      ::tcflush(fd, TCIOFLUSH);
      writtenGeneration_ = generation;
      int error = 0;
      if (!WriteAll(fd, out.constData(), static_cast<std::size_t>(out.size()), error)) {
        if (error == EIO || error == ENXIO || error == ENODEV)
          lose(gone);
        else
          ReportWorkerError("WriteFile()", error);
      }
    } else if (haveWrite) {
      writtenGeneration_ = generation;
    }

    if (lineUp && (fds[1].revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL))) {
      // A hung-up line (pulled adapter, closed pseudo-terminal master) polls as
      // HUP/ERR; its last bytes are still read and handed on first.
      const bool hungUp = fds[1].revents & (POLLHUP | POLLERR | POLLNVAL);
      // One round reads a bounded amount, so writes and the stop request are never
      // starved by a line that keeps sending.
      for (std::size_t round = 0; round < kMaxUndelivered && !shutdown_.load();) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n > 0) {
          round += static_cast<std::size_t>(n);
          // While the owner's thread has not taken what it was given, more bytes are
          // noise from a line that floods: dropped, so memory stays bounded.
          if (undelivered_.load() + static_cast<std::size_t>(n) > kMaxUndelivered) continue;
          undelivered_ += static_cast<std::size_t>(n);
          QByteArray bytes(buf, static_cast<qsizetype>(n));
          const std::uint64_t gen = writtenGeneration_.load();
          QMetaObject::invokeMethod(
              this, [this, session, gen, bytes] { Deliver(session, gen, bytes); }, Qt::QueuedConnection);
          continue;
        }
        if (n < 0 && errno == EINTR) continue;
        // With VMIN = VTIME = 0 a live line answers 0 when it has nothing more: that
        // is not an end of file. Only a hang-up (above) or an I/O error ends the line.
        if (n == 0 || errno == EAGAIN) break;
        if (errno == EIO || errno == ENXIO || errno == ENODEV)
          lose(gone);
        else
          ReportWorkerError("ReadFile()", errno);
        break;
      }
      if (hungUp) lose(gone);
    }
  }
  alive_ = false;
}

}  // namespace korvane::link
