#include "PtyServer.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include "platform/NumberText.h"

namespace korvane::sim {
namespace {

int BaudOf(speed_t s) {
  switch (s) {
    case B1200: return 1200;
    case B2400: return 2400;
    case B4800: return 4800;
    case B9600: return 9600;
    case B19200: return 19200;
    case B38400: return 38400;
    case B57600: return 57600;
    case B115200: return 115200;
    default: return 0;
  }
}

std::string ErrorText(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

}  // namespace

PtyServer::PtyServer(Bus& bus, QObject* parent) : QObject(parent), bus_(bus) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &PtyServer::Flush);
  clock_.start();
}

PtyServer::~PtyServer() { Close(); }

bool PtyServer::Open() {
  CloseFds();
  error_.clear();
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master < 0) {
    error_ = ErrorText("posix_openpt");
    return false;
  }
  char name[128] = {};
  if (::grantpt(master) != 0 || ::unlockpt(master) != 0 || ::ptsname_r(master, name, sizeof name) != 0) {
    error_ = ErrorText("pseudo-terminal set-up");
    ::close(master);
    return false;
  }
  const int slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
  if (slave < 0) {
    error_ = ErrorText(name);
    ::close(master);
    return false;
  }
  // Raw, 8-N-1 at 4800 until a client sets its own line: no echo, no line editing.
  termios tio{};
  if (::tcgetattr(slave, &tio) == 0) {
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    ::cfsetispeed(&tio, B4800);
    ::cfsetospeed(&tio, B4800);
    ::tcsetattr(slave, TCSANOW, &tio);
  }
  ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
  master_ = master;
  slave_ = slave;
  slavePath_ = name;
  in_.clear();
  out_.clear();
  rxLineFreeNs_ = txLineFreeNs_ = 0;
  notifier_ = new QSocketNotifier(master_, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &PtyServer::OnReadable);
  // A client that closes the line takes its unanswered requests with it: replies still
  // on their way would reach the next client as stray bytes.
  closeWatch_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (closeWatch_ >= 0 && ::inotify_add_watch(closeWatch_, name, IN_CLOSE_WRITE | IN_CLOSE_NOWRITE) >= 0) {
    closeNotifier_ = new QSocketNotifier(closeWatch_, QSocketNotifier::Read, this);
    connect(closeNotifier_, &QSocketNotifier::activated, this, &PtyServer::OnClientClosed);
  }
  return true;
}

void PtyServer::OnClientClosed() {
  if (closeWatch_ < 0) return;
  char buf[4096];
  bool closed = false;
  while (::read(closeWatch_, buf, sizeof buf) > 0) closed = true;
  if (!closed) return;
  in_.clear();
  out_.clear();
  timer_.stop();
  rxLineFreeNs_ = txLineFreeNs_ = 0;
}

void PtyServer::CloseFds() {
  timer_.stop();
  if (closeNotifier_) {
    closeNotifier_->setEnabled(false);
    delete closeNotifier_;
    closeNotifier_ = nullptr;
  }
  if (closeWatch_ >= 0) ::close(closeWatch_);
  closeWatch_ = -1;
  if (notifier_) {
    notifier_->setEnabled(false);
    delete notifier_;
    notifier_ = nullptr;
  }
  if (master_ >= 0) ::close(master_);
  if (slave_ >= 0) ::close(slave_);
  master_ = slave_ = -1;
  in_.clear();
  out_.clear();
}

void PtyServer::HangUp() {
  if (master_ < 0) return;
  CloseFds();
  emit hungUp();
}

bool PtyServer::Reopen() {
  if (!Open()) return false;
  if (!linkPath_.empty()) return SetLink(linkPath_);
  return true;
}

void PtyServer::Close() {
  CloseFds();
  RemoveLink();
}

bool PtyServer::SetLink(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path link(path);
  if (link.has_parent_path()) fs::create_directories(link.parent_path(), ec);
  // Never replace something that is not a link: it is the user's file.
  const auto st = fs::symlink_status(link, ec);
  if (fs::exists(st) && !fs::is_symlink(st)) {
    error_ = path + " exists and is not a link; it is left alone.";
    return false;
  }
  // Re-point atomically: a client resolving the link never finds it missing.
  const fs::path tmp = link.string() + ".new";
  fs::remove(tmp, ec);
  fs::create_symlink(slavePath_, tmp, ec);
  if (!ec) fs::rename(tmp, link, ec);
  if (ec) {
    fs::remove(tmp, ec);
    error_ = path + ": " + ec.message();
    return false;
  }
  linkPath_ = path;
  return true;
}

void PtyServer::RemoveLink() {
  if (linkPath_.empty()) return;
  namespace fs = std::filesystem;
  std::error_code ec;
  // Only our own link: another simulator may have taken the name over meanwhile.
  const fs::path target = fs::read_symlink(linkPath_, ec);
  if (!ec && target.string() == slavePath_) fs::remove(linkPath_, ec);
  linkPath_.clear();
}

int PtyServer::clientBaud() const {
  if (master_ < 0) return 0;
  termios tio{};
  // On the master this reads the settings the client made on its side.
  if (::tcgetattr(master_, &tio) != 0) return 0;
  return BaudOf(::cfgetospeed(&tio));
}

qint64 PtyServer::ByteNs() const {
  const int baud = clientBaud();
  return baud > 0 ? 10'000'000'000LL / baud : 0;
}

int PtyServer::unreadByClient() const {
  int n = 0;
  if (slave_ < 0 || ::ioctl(slave_, FIONREAD, &n) != 0) return 0;
  return n;
}

void PtyServer::WriteRaw(const std::vector<std::uint8_t>& bytes) {
  if (master_ < 0 || bytes.empty()) return;
  [[maybe_unused]] ssize_t n = ::write(master_, bytes.data(), bytes.size());
  if (onFrame) onFrame(false, bytes, "raw");
}

void PtyServer::OnReadable() {
  if (master_ < 0) return;
  // A client that closed the line and opened it again may already have written: forget
  // the old session before reading, or its end would throw away the new request.
  OnClientClosed();
  std::uint8_t buf[512];
  const qint64 now = NowNs();
  std::size_t got = 0;
  while (true) {
    const ssize_t n = ::read(master_, buf, sizeof buf);
    if (n > 0) {
      in_.insert(in_.end(), buf, buf + n);
      got += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    break;  // EAGAIN: all read. EIO cannot happen while we hold the slave open.
  }
  if (got == 0) return;
  // On a real line the request is through only after its bytes' time on the wire.
  qint64 complete = now;
  if (pacing_) {
    rxLineFreeNs_ = std::max(now, rxLineFreeNs_) + static_cast<qint64>(got) * ByteNs();
    complete = rxLineFreeNs_;
  }
  TakeFrames(complete);
}

void PtyServer::TakeFrames(qint64 completeAtNs) {
  // More forgiving than the program: skip to the next '(' and to the next frame
  // whenever the bytes do not close as a frame.
  while (true) {
    auto start = std::find(in_.begin(), in_.end(), link::kFrameStart);
    if (start != in_.begin()) {
      if (onFrame) onFrame(true, std::vector<std::uint8_t>(in_.begin(), start), "skipped");
      in_.erase(in_.begin(), start);
    }
    if (in_.size() < link::kFrameSize) return;
    Frame f;
    std::copy_n(in_.begin(), link::kFrameSize, f.begin());
    if (f[10] != link::kFrameEnd) {
      if (onFrame) onFrame(true, {in_.front()}, "skipped");
      in_.erase(in_.begin());
      continue;
    }
    in_.erase(in_.begin(), in_.begin() + static_cast<std::ptrdiff_t>(link::kFrameSize));
    HandleRequest(f, completeAtNs);
    if (master_ < 0) return;  // hung up
  }
}

void PtyServer::HandleRequest(const Frame& request, qint64 atNs) {
  const int lineBaud = clientBaud();
  std::string note;
  if (!link::IsValidFrame(request)) {
    note = "bad check byte";
  } else if (auto device = bus_.DeviceFor(link::FrameAddress(request))) {
    if (device->baud() != 0 && lineBaud != 0 && device->baud() != lineBaud)
      note = platform::StringPrintf("not understood: line at %d baud, device at %d", lineBaud, device->baud());
  } else {
    note = "no device at this address";
  }
  bus_.SetLineBaud(lineBaud);
  Reply reply = bus_.Handle(request);
  if (reply.hangUp)
    note = "hang-up";
  else if (reply.bytes.empty() && note.empty())
    note = "no reply";
  if (onFrame) onFrame(true, std::vector<std::uint8_t>(request.begin(), request.end()), note);
  emit requestReceived();

  if (!reply.hangUp && reply.bytes.empty()) return;
  Pending p;
  p.bytes = std::move(reply.bytes);
  p.hangUp = reply.hangUp;
  p.startNs = std::max(atNs + static_cast<qint64>(reply.delayMs) * 1'000'000, pacing_ ? txLineFreeNs_ : 0);
  if (pacing_) txLineFreeNs_ = p.startNs + static_cast<qint64>(p.bytes.size()) * ByteNs();
  out_.push_back(std::move(p));
  Flush();
}

void PtyServer::Flush() {
  // Timers fire on whole milliseconds: a byte due within half of one counts as due, so
  // the line is neither faster nor (on average) slower than its rate.
  const qint64 now = NowNs() + (pacing_ ? 500'000 : 0);
  while (!out_.empty() && master_ >= 0) {
    Pending& p = out_.front();
    if (now < p.startNs) break;
    if (p.hangUp) {
      HangUp();
      return;
    }
    std::size_t due = p.bytes.size();
    const qint64 byteNs = pacing_ ? ByteNs() : 0;
    // A byte is written once its ten bits would have crossed the line.
    if (byteNs > 0) due = std::min<std::size_t>(due, static_cast<std::size_t>((now - p.startNs) / byteNs));
    if (due > p.sent) {
      const ssize_t n = ::write(master_, p.bytes.data() + p.sent, due - p.sent);
      if (n > 0) {
        p.sent += static_cast<std::size_t>(n);
      } else if (n < 0 && errno == EAGAIN) {
        // The client does not read and the line's buffer is full: try again a little later.
        timer_.start(5);
        return;
      }
    }
    if (p.sent < p.bytes.size()) break;
    if (onFrame) onFrame(false, p.bytes, "");
    out_.pop_front();
    emit replyWritten();
  }
  Schedule();
}

void PtyServer::Schedule() {
  if (out_.empty() || master_ < 0) {
    timer_.stop();
    return;
  }
  const Pending& p = out_.front();
  const qint64 byteNs = pacing_ ? ByteNs() : 0;
  const qint64 due = p.startNs + static_cast<qint64>(byteNs > 0 ? p.sent + 1 : 0) * byteNs;
  const qint64 waitNs = std::max<qint64>(0, due - NowNs());
  timer_.start(static_cast<int>((waitNs + 500'000) / 1'000'000));
}

}  // namespace korvane::sim
