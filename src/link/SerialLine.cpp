#include "link/SerialLine.h"

#include <QMetaObject>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <optional>
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

using Clock = std::chrono::steady_clock;

// One character of 8-N-1 on the line: ten bits.
Clock::duration CharacterTime(int baud) {
  return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(10.0 / std::max(baud, 1)));
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

SerialLine::SerialLine(QObject* parent) : Line(parent) {
  if (::pipe2(wakePipe_, O_CLOEXEC | O_NONBLOCK) != 0) wakePipe_[0] = wakePipe_[1] = -1;
}

SerialLine::~SerialLine() {
  Close();
  for (int& fd : wakePipe_)
    if (fd >= 0) ::close(fd);
}

bool SerialLine::Open(const LineSettings& settings) {
  setLanguage(settings.language);
  if (!ConfigureLine(settings.device, settings.baud)) return false;
  StartWorker();
  return true;
}

bool SerialLine::ConfigureLine(const std::string& device, int baud) {
  StopWorker();
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  ++session_;
  device_ = device;
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
  termios tio{};
  const speed_t speed = SpeedFor(baud);
  int error = 0;
  if (speed == B0) {
    error = EINVAL;
  } else if (::tcgetattr(fd, &tio) != 0) {
    error = errno;
  } else {
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    tio.c_cflag |= CLOCAL | CREAD | CS8;
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    ::cfsetispeed(&tio, speed);
    ::cfsetospeed(&tio, speed);
    if (::tcsetattr(fd, TCSANOW, &tio) != 0) error = errno;
    // RTS held inactive. A pseudo-terminal has no modem lines: nothing to do there.
    int rts = TIOCM_RTS;
    if (!error && ::ioctl(fd, TIOCMBIC, &rts) != 0 && errno != ENOTTY && errno != EINVAL && errno != ENOTSUP &&
        errno != EIO)
      error = errno;
  }
  if (error) {
    openError_ = platform::StringPrintf(platform::reasons::kLineSetupFailed(language_), device.c_str(),
                                        platform::SystemErrorText(error, language_).c_str());
    ::close(fd);
    return false;
  }
  ::tcflush(fd, TCIOFLUSH);
  fd_ = fd;
  baud_ = baud;
  return true;
}

bool SerialLine::SetRate(int baud) {
  openError_.clear();
  termios tio{};
  const speed_t speed = SpeedFor(baud);
  int error = fd_ < 0 ? EBADF : speed == B0 ? EINVAL : 0;
  if (!error && ::tcgetattr(fd_, &tio) != 0) error = errno;
  if (!error) {
    ::cfsetispeed(&tio, speed);
    ::cfsetospeed(&tio, speed);
    if (::tcsetattr(fd_, TCSANOW, &tio) != 0) error = errno;
  }
  if (error) {
    openError_ = platform::StringPrintf(platform::reasons::kLineSetupFailed(language_), device_.c_str(),
                                        platform::SystemErrorText(error, language_).c_str());
    return false;
  }
  ::tcflush(fd_, TCIOFLUSH);
  baud_ = baud;
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

void SerialLine::WorkerLoop(std::uint64_t session) {
  const int fd = fd_;
  const Language language = language_;
  const std::string gone = platform::FormatReason(platform::reasons::kGone, language, device_);
  auto failed = [&](int error) {
    return platform::StringPrintf(platform::reasons::kLineFailed(language), device_.c_str(),
                                  platform::SystemErrorText(error, language).c_str());
  };
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
  // Bytes of the current frame read so far, and until when the line is left alone: a
  // frame's bytes come one character time apart, so the rest of it is read in one go
  // once it can be there, instead of waking for every byte.
  std::size_t partial = 0;
  std::optional<Clock::time_point> holdUntil;
  QByteArray held;  // read, not yet handed on: the first part of a frame
  std::uint64_t heldGeneration = 0;
  while (!shutdown_.load()) {
    const bool watchLine = lineUp && !holdUntil;
    pollfd fds[2] = {{wakePipe_[0], POLLIN, 0}, {watchLine ? fd : -1, POLLIN, 0}};
    timespec wait{};
    if (holdUntil) {
      const auto left = std::max(Clock::duration::zero(), *holdUntil - Clock::now());
      wait.tv_sec = std::chrono::duration_cast<std::chrono::seconds>(left).count();
      wait.tv_nsec = static_cast<long>((left - std::chrono::seconds(wait.tv_sec)).count());
    }
    int r = ::ppoll(fds, 2, holdUntil ? &wait : nullptr, nullptr);
    if (r < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (holdUntil && Clock::now() >= *holdUntil) {
      holdUntil.reset();
      fds[1].revents = POLLIN;  // read what came meanwhile; a hang-up shows in the read
    }
    if (fds[0].revents & POLLIN) [[maybe_unused]] ssize_t drained = ::read(wakePipe_[0], buf, sizeof buf);
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
      partial = 0;
      holdUntil.reset();
      undelivered_ -= static_cast<std::size_t>(held.size());
      held.clear();
      writtenGeneration_ = generation;
      int error = 0;
      if (!WriteAll(fd, out.constData(), static_cast<std::size_t>(out.size()), error)) {
        if (error == EIO || error == ENXIO || error == ENODEV)
          lose(gone);
        else
          lose(failed(error));
      }
    } else if (haveWrite) {
      writtenGeneration_ = generation;
    }

    if (lineUp && (fds[1].revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL))) {
      // A hung-up line (pulled adapter, closed pseudo-terminal master) polls as
      // HUP/ERR; its last bytes are still read and handed on first.
      const bool hungUp = fds[1].revents & (POLLHUP | POLLERR | POLLNVAL);
      bool got = false;
      std::string failure;
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
          if (held.isEmpty()) heldGeneration = writtenGeneration_.load();
          held.append(buf, static_cast<qsizetype>(n));
          partial = (partial + static_cast<std::size_t>(n)) % kFrameSize;
          got = true;
          // A read that did not fill the buffer took all there was.
          if (static_cast<std::size_t>(n) < sizeof buf) break;
          continue;
        }
        if (n < 0 && errno == EINTR) continue;
        // With VMIN = VTIME = 0 a live line answers 0 when it has nothing more: that
        // is not an end of file. Only a hang-up (above) or an I/O error ends the line.
        if (n == 0 || errno == EAGAIN) break;
        failure = errno == EIO || errno == ENXIO || errno == ENODEV ? gone : failed(errno);
        break;
      }
      // Part of a frame: the rest is read and handed on with it once it can be there.
      // Nothing more after a part (a short notice): handed on as it is.
      const bool more = lineUp && got && partial > 0 && !hungUp && failure.empty();
      if (more) {
        holdUntil = Clock::now() + (kFrameSize - partial) * CharacterTime(baud_);
      } else if (!held.isEmpty()) {
        QMetaObject::invokeMethod(
            this, [this, session, gen = heldGeneration, bytes = held] { Deliver(session, gen, bytes); },
            Qt::QueuedConnection);
        held.clear();
      }
      if (!failure.empty()) lose(failure);
      if (hungUp) lose(gone);
    }
  }
  alive_ = false;
}

}  // namespace korvane::link
