#include "link/SerialLine.h"

#include <QMetaObject>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <poll.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "platform/NumberText.h"
#include "platform/PortNames.h"
#include "platform/Reasons.h"
#include "platform/Texts.h"

namespace korvane::link {
namespace {

bool IsStandardRate(int baud) {
  switch (baud) {
    case 4800:
    case 9600:
    case 19200:
    case 38400:
    case 57600:
    case 115200: return true;
    default: return false;
  }
}

// How long a module may take to start its reply, beyond the frames' own time, before
// the line wakes for the reply's first byte instead of its last.
constexpr int kModuleThinkMs = 10;

// A line that keeps reporting readiness without bytes is not a live line: after this
// many in a row it counts as gone.
constexpr int kMaxSpurious = 8;

}  // namespace

SerialLine::SerialLine(QObject* parent) : Line(parent) {
  rest_.setSingleShot(true);
  rest_.setTimerType(Qt::PreciseTimer);
  connect(&rest_, &QTimer::timeout, this, [this] {
    // The frame did not come whole in its time (a late reply, a short notice): hand on
    // what there is and wake for the next byte again.
    Deliver();
    WakeAfter(1);
  });
}

SerialLine::~SerialLine() { Close(); }

bool SerialLine::Open(const LineSettings& settings) {
  setLanguage(settings.language);
  return ConfigureLine(settings.device, settings.baud);
}

bool SerialLine::ConfigureLine(const std::string& device, int baud) {
  Close();
  device_ = device;
  openError_.clear();
  const Language language = language_;
  auto setupFailed = [&](int error) {
    openError_ = SetupFailure(error);
    return false;
  };
  if (!IsStandardRate(baud)) return setupFailed(EINVAL);

  auto port = std::make_unique<QSerialPort>();
  // The port takes a name without a leading "/", "./" or "../" as one under /dev: a
  // relative path with a folder in it ("p2/ttyB") is meant from here.
  QString name = QString::fromStdString(device);
  if (name.contains('/') && !name.startsWith('/') && !name.startsWith("./") && !name.startsWith("../"))
    name.prepend("./");
  port->setPortName(name);
  port->setBaudRate(baud);
  port->setDataBits(QSerialPort::Data8);
  port->setParity(QSerialPort::NoParity);
  port->setStopBits(QSerialPort::OneStop);
  port->setFlowControl(QSerialPort::NoFlowControl);
  errno = 0;
  if (!port->open(QIODevice::ReadWrite)) {
    // What errno the failed open left is not to be relied on (the port formats its own
    // message after it), so the path and the port's kind of error tell.
    const int hint = errno;
    struct stat st {};
    if (::stat(device.c_str(), &st) != 0) {
      openError_ = platform::OpenFailureReason(device, errno, language);
    } else if (!S_ISCHR(st.st_mode) || port->error() == QSerialPort::UnsupportedOperationError) {
      // A folder, a plain file, /dev/null: no line settings.
      openError_ = platform::NotSerialReason(device, language);
    } else if (port->error() == QSerialPort::PermissionError) {
      // Either no right to the device, or the lock another program holds on it.
      if (::access(device.c_str(), R_OK | W_OK) != 0)
        openError_ = platform::OpenFailureReason(device, errno, language);
      else
        openError_ = platform::FormatReason(platform::reasons::kBusy, language, device);
    } else {
      openError_ = platform::OpenFailureReason(device,
                                               port->error() == QSerialPort::DeviceNotFoundError ? ENODEV
                                               : hint                                            ? hint
                                                                                                 : EIO,
                                               language);
    }
    return false;
  }
  const int fd = static_cast<int>(port->handle());
  // Exclusive also against root, which the terminal's own exclusive mode does not stop.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    openError_ = platform::FormatReason(platform::reasons::kBusy, language, device);
    port->close();
    return false;
  }
  // RTS held inactive. A pseudo-terminal has no modem lines: nothing to do there.
  int rts = TIOCM_RTS;
  if (::ioctl(fd, TIOCMBIC, &rts) != 0 && errno != ENOTTY && errno != EINVAL && errno != ENOTSUP && errno != EIO) {
    const int error = errno;
    port->close();
    return setupFailed(error);
  }
  if (!wake_.Load(fd)) {
    const int error = errno;
    port->close();
    return setupFailed(error);
  }
  wakeAfter_ = 0;  // set below
  port->clear(QSerialPort::AllDirections);
  connect(port.get(), &QSerialPort::readyRead, this, &SerialLine::OnReadyRead);
  connect(port.get(), &QSerialPort::errorOccurred, this, &SerialLine::OnError);
  port_ = std::move(port);
  baud_ = baud;
  stopped_ = false;
  partial_ = 0;
  spurious_ = 0;
  ++generation_;
  WakeAfter(1);
  return true;
}

bool SerialLine::SetRate(int baud) {
  openError_.clear();
  int error = !port_ ? EBADF : !IsStandardRate(baud) ? EINVAL : 0;
  if (!error && !port_->setBaudRate(baud)) error = errno ? errno : EIO;
  // Keeps the copy the wake-up threshold is set from in step with the new rate.
  if (!error && !wake_.Load(static_cast<int>(port_->handle()))) error = errno;
  if (error) {
    openError_ = SetupFailure(error);
    return false;
  }
  baud_ = baud;
  Purge();
  return true;
}

void SerialLine::Transmit(const Frame& frame) {
  if (!port_ || stopped_) return;
  // A new request never sees leftovers of an earlier reply, read or not.
  Purge();
  // Straight to the line: the terminal takes a frame whole into its empty output queue,
  // and the port's own writer would cost a round of the event loop for each write.
  const auto* data = reinterpret_cast<const char*>(frame.data());
  const auto size = static_cast<qint64>(frame.size());
  const qint64 written = ::write(static_cast<int>(port_->handle()), data, frame.size());
  if (written == size) {
    // The reply is one frame: wake once, at its last byte. Should it come later than
    // the request and a reply take on the line (or be shorter, a notice), wake for
    // its first byte again.
    WakeAfter(kFrameSize);
    rest_.start(CharacterTimes(2 * kFrameSize + 2) + kModuleThinkMs);
    return;
  }
  if (written < 0 && errno != EAGAIN && errno != EINTR) {
    const int code = errno;
    Fail(code == EIO || code == ENXIO || code == ENODEV, code);
    return;
  }
  // A full output queue: the port writes the rest when the line can take it.
  const qint64 done = std::max<qint64>(written, 0);
  port_->write(data + done, size - done);
}

void SerialLine::Purge() {
  ++generation_;
  rest_.stop();
  held_.clear();
  partial_ = 0;
  spurious_ = 0;
  port_->clear(QSerialPort::AllDirections);
  WakeAfter(1);
}

void SerialLine::Stop() {
  if (!port_) return;
  stopped_ = true;
  ++generation_;
  rest_.stop();
  held_.clear();
  // Nobody takes bytes now: wake only for a full buffer of them, to drop them.
  WakeAfter(255);
}

void SerialLine::Close() {
  rest_.stop();
  held_.clear();
  ++generation_;
  if (!port_) return;
  port_->disconnect(this);
  port_->close();
  // Close may be reached from inside the port's own signal (a loss found by its read).
  port_.release()->deleteLater();
}

void SerialLine::WakeAfter(std::size_t count) {
  count = std::clamp<std::size_t>(count, 1, 255);
  if (!port_ || count == wakeAfter_) return;
  // With VTIME 0 the terminal reports input ready only once VMIN bytes are waiting, so
  // the rest of a frame wakes the program once, at its last byte.
  if (wake_.Set(static_cast<int>(port_->handle()), count)) wakeAfter_ = count;
}

void SerialLine::OnReadyRead() {
  if (!port_) return;
  const QByteArray bytes = port_->readAll();
  if (bytes.isEmpty()) return;
  spurious_ = 0;
  if (stopped_) return;
  // While the owner has not taken what it was given, more bytes are noise from a line
  // that floods: dropped, so memory stays bounded.
  if (held_.size() + bytes.size() > static_cast<qsizetype>(kMaxHeld)) return;
  held_.append(bytes);
  partial_ = (partial_ + static_cast<std::size_t>(bytes.size())) % kFrameSize;
  if (partial_ == 0) {
    rest_.stop();
    WakeAfter(1);
    Deliver();
    return;
  }
  // Part of a frame: the rest can be there no sooner than its bytes take on the line.
  const std::size_t missing = kFrameSize - partial_;
  WakeAfter(missing);
  rest_.start(CharacterTimes(missing + 1));
}

int SerialLine::CharacterTimes(std::size_t count) const {
  // Ten bits a character (8-N-1), in whole milliseconds, rounded up.
  return static_cast<int>(std::ceil(static_cast<double>(count) * 10000.0 / std::max(baud_, 1)));
}

void SerialLine::Deliver() {
  if (held_.isEmpty()) return;
  // Handed on from the event loop, not from inside the port's signal: what the owner does
  // with the bytes may open a window and wait, and the port must go on reading then.
  QMetaObject::invokeMethod(
      this,
      [this, generation = generation_, bytes = held_] {
        if (generation == generation_) emit bytesReceived(bytes);
      },
      Qt::QueuedConnection);
  held_.clear();
}

void SerialLine::OnError(QSerialPort::SerialPortError error) {
  const int code = errno;
  if (!port_ || error == QSerialPort::NoError) return;
  // A read that found the line hung up returns nothing and leaves errno as it was, so
  // the line itself is asked.
  pollfd p{static_cast<int>(port_->handle()), POLLIN, 0};
  const bool hungUp = p.fd >= 0 && ::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL));
  if (error == QSerialPort::ResourceError && (code == EAGAIN || code == EINTR) && !hungUp &&
      ++spurious_ < kMaxSpurious) {
    // Readiness whose bytes a purge took in between: the line is alive.
    port_->clearError();
    // Reading again: the port stopped watching the line on the error.
    port_->setReadBufferSize(0);
    return;
  }
  if (hungUp || error == QSerialPort::ResourceError || code == EIO || code == ENXIO || code == ENODEV) {
    Fail(true, code);
  } else if (error == QSerialPort::ReadError || error == QSerialPort::WriteError) {
    Fail(false, code ? code : EIO);
  } else {
    // A setting the device does not take (modem lines of a pseudo-terminal): not a loss.
    port_->clearError();
  }
}

std::string SerialLine::SetupFailure(int error) const {
  return platform::Fill(Tr(language_, platform::reasons::kLineSetupFailed), device_,
                        platform::SystemErrorText(error, language_));
}

void SerialLine::Fail(bool gone, int error) {
  Lose(gone ? platform::FormatReason(platform::reasons::kGone, language_, device_)
            : platform::Fill(Tr(language_, platform::reasons::kLineFailed), device_,
                             platform::SystemErrorText(error, language_)));
  port_->close();  // a hung-up line would keep reporting itself
}

void SerialLine::Lose(const std::string& why) {
  if (!port_ || stopped_) return;
  Deliver();  // the last bytes before the loss come first
  stopped_ = true;
  const QString reason = QString::fromStdString(why);
  // The owner hears of it from the event loop: it closes the line, which must not
  // happen inside the port's own call.
  QMetaObject::invokeMethod(
      this,
      [this, reason, generation = generation_] {
        if (generation == generation_) emit lineLost(reason);
      },
      Qt::QueuedConnection);
}

}  // namespace korvane::link
