#include "CliContext.h"

#include <QtGlobal>

#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <csignal>
#include <filesystem>
#include <ostream>
#include <fcntl.h>
#include <unistd.h>

#include "platform/NumberText.h"
#include "platform/PortNames.h"
#include "platform/SafeFile.h"
#include "trace/TraceRecorder.h"
#include "types/Texts.h"

namespace korvane::cli {
namespace {

// A whole decimal integer that fits an int, nothing else.
bool ParseInt(const std::string& text, int* value) {
  std::size_t i = 0;
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    i = 1;
  }
  if (i == text.size()) return false;
  long long v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    v = v * 10 + (text[i] - '0');
    if (v > static_cast<long long>(INT_MAX) + 1) return false;
  }
  if (negative) v = -v;
  if (v < INT_MIN || v > INT_MAX) return false;
  *value = static_cast<int>(v);
  return true;
}

bool IsOption(const std::string& arg, const std::string& name) { return arg == name || arg.rfind(name + "=", 0) == 0; }

}  // namespace

// --- options ------------------------------------------------------------------------------

bool ArgReader::Value(const std::string& name, std::string* value) {
  for (std::size_t i = 0; i < args_.size(); ++i) {
    const std::string& a = args_[i];
    if (IsOption(a, name) && Repeated(name, i)) return false;
    if (a == name) {
      // The next option is not this one's value: "--record --count 5" lacks the file.
      if (i + 1 >= args_.size() || args_[i + 1].rfind("--", 0) == 0) {
        error_ = name + " needs a value";
        args_.erase(args_.begin() + static_cast<long>(i));
        return false;
      }
      *value = args_[i + 1];
      args_.erase(args_.begin() + static_cast<long>(i), args_.begin() + static_cast<long>(i) + 2);
      return true;
    }
    if (a.rfind(name + "=", 0) == 0) {
      *value = a.substr(name.size() + 1);
      args_.erase(args_.begin() + static_cast<long>(i));
      return true;
    }
  }
  return false;
}

bool ArgReader::Repeated(const std::string& name, std::size_t first) {
  for (std::size_t j = first + 1; j < args_.size(); ++j) {
    if (IsOption(args_[j], name)) {
      error_ = name + " is given more than once";
      return true;
    }
  }
  return false;
}

bool ArgReader::Flag(const std::string& name) {
  for (std::size_t i = 0; i < args_.size(); ++i) {
    if (args_[i] == name) {
      if (Repeated(name, i)) return false;
      args_.erase(args_.begin() + static_cast<long>(i));
      return true;
    }
  }
  return false;
}

bool ArgReader::Int(const std::string& name, int min, int max, int* value) {
  std::string text;
  if (!Value(name, &text)) return false;
  int v = 0;
  if (!ParseInt(text, &v) || v < min || v > max) {
    error_ = platform::StringPrintf("%s takes a whole number from %d to %d, not \"%s\"", name.c_str(), min, max,
                                    text.c_str());
    return false;
  }
  *value = v;
  return true;
}

std::optional<std::string> ArgReader::Positional() {
  for (std::size_t i = 0; i < args_.size(); ++i) {
    if (args_[i].rfind("--", 0) != 0 || args_[i] == "-") {
      std::string v = args_[i];
      args_.erase(args_.begin() + static_cast<long>(i));
      return v;
    }
  }
  return std::nullopt;
}

bool ArgReader::Done() {
  if (!error_.empty()) return false;
  if (args_.empty()) return true;
  error_ = "unknown argument \"" + args_.front() + "\"";
  return false;
}

bool ParseCommonOptions(std::vector<std::string>& args, CommonOptions& o, std::string* error) {
  ArgReader r(args);
  auto fail = [&](const std::string& text) {
    if (error) *error = text;
    return false;
  };
  std::string text;
  if (r.Value("--device", &text)) {
    if (text.empty()) return fail("--device needs a device path");
    o.device = text;
  }
  int v = 0;
  if (r.Int("--port", 1, 255, &v)) o.port = v;
  if (r.Int("--address", 0, 255, &v)) o.address = v;
  if (r.Int("--baud", 0, 1000000, &v)) {
    if (v != 4800 && v != 19200 && v != 38400) return fail("--baud takes 4800, 19200 or 38400");
    o.baud = v;
  }
  if (r.Value("--lang", &text)) {
    if (text == "de")
      o.language = 0;
    else if (text == "en")
      o.language = 1;
    else
      return fail("--lang takes de or en, not \"" + text + "\"");
  }
  if (r.Value("--settings", &text)) o.settingsFolder = text;
  if (r.Value("--trace", &text)) {
    if (text.empty()) return fail("--trace needs a file (- for stderr)");
    o.trace = text;
  }
  if (r.failed()) return fail(r.error());
  if (!o.device.empty() && o.port) return fail("give either --device or --port, not both");
  return true;
}

std::optional<app::TimeOfDay> ParseTimeOfDay(const std::string& text) {
  if (text.size() != 8 || text[2] != ':' || text[5] != ':') return std::nullopt;
  int h = 0, m = 0, s = 0;
  if (!ParseInt(text.substr(0, 2), &h) || !ParseInt(text.substr(3, 2), &m) || !ParseInt(text.substr(6, 2), &s))
    return std::nullopt;
  if (text[0] == '-' || text[3] == '-' || text[6] == '-' || text[0] == '+' || text[3] == '+' || text[6] == '+')
    return std::nullopt;
  if (h > 23 || m > 59 || s > 59) return std::nullopt;
  return app::TimeOfDay{h, m, s};
}

// --- trace ------------------------------------------------------------------------------

// The --trace file: lines go into a large stdio buffer, so a trace never waits for the
// disk between a request and its reply; the buffer is written out at the end.
class TraceFile {
 public:
  TraceFile(link::Link& link, std::FILE* file, bool own, std::ostream& err)
      : file_(file), own_(own), err_(err), recorder_(link, [this](const std::string& line) { Write(line); }) {
    if (own_) std::setvbuf(file_, nullptr, _IOFBF, 1 << 16);
  }
  ~TraceFile() {
    const bool failed = std::fflush(file_) != 0 || std::ferror(file_);
    if (own_) std::fclose(file_);
    if (failed) err_ << "korvane-cli: the trace file is incomplete (write failed)\n" << std::flush;
  }

 private:
  void Write(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), file_);
    std::fputc('\n', file_);
  }
  std::FILE* file_;
  bool own_;
  std::ostream& err_;
  trace::TraceRecorder recorder_;
};

// --- context ------------------------------------------------------------------------------

CliContext::CliContext(CommonOptions options, std::ostream& out, std::ostream& err, link::Link* link,
                       platform::Clock clock)
    : options_(std::move(options)), out_(out), err_(err), ui_(err), clock_(std::move(clock)) {
  if (options_.settingsFolder.empty()) options_.settingsFolder = platform::SettingsFolder();
  // Only read the program's settings; a first start of the desktop program creates them.
  std::error_code ec;
  if (std::filesystem::is_regular_file(app::SettingsFilePath(options_.settingsFolder), ec))
    settings_ = app::LoadSettingsFile(options_.settingsFolder);
  language_ = options_.language.value_or(settings_.language == 1 ? 1 : 0);

  if (link) {
    link_ = link;
  } else {
    const std::string folder = options_.settingsFolder;
    // Tests that cross every command with every fault shorten the reply time-out and
    // the second of the flows' pauses.
    link::LinkTimings timings;
    bool given = false;
    const int timeoutMs = qEnvironmentVariableIntValue("KORVANE_REPLY_TIMEOUT_MS", &given);
    if (given && timeoutMs > 0) {
      timings.replyTimeout = std::chrono::milliseconds(timeoutMs);
      // The scan's time-out keeps its ratio to the reply time-out.
      timings.scanTimeout = std::min(timings.scanTimeout, timings.replyTimeout / 10);
    }
    const int secondMs = qEnvironmentVariableIntValue("KORVANE_SECOND_MS", &given);
    if (given && secondMs > 0) timings.second = std::chrono::milliseconds(secondMs);
    ownLink_ = std::make_unique<link::Link>(
        ui_, [folder](int com) { return platform::DeviceForPort(folder, com); }, timings, clock_);
    link_ = ownLink_.get();
  }
  link_->setPortIndex(options_.port ? *options_.port - 1 : settings_.portIndex);
  link_->setBaudRate(options_.baud.value_or(settings_.baud));
  context_.language = language_;
  ui_.language = language_;
  qtTexts_.Apply(language_);
  context_.address = static_cast<std::uint8_t>(options_.address);
  if (!options_.device.empty()) link_->setDeviceOverride(options_.device);
}

CliContext::~CliContext() {
  if (ownLink_) ownLink_->ClosePort();
  trace_.reset();
}

bool CliContext::StartTrace() {
  const std::string& path = options_.trace;
  if (path.empty()) return true;
  if (path == "-") {
    trace_ = std::make_unique<TraceFile>(*link_, stderr, false, err_);
    return true;
  }
  std::string problem = platform::WriteTargetProblem(path, language_);
  std::FILE* f = problem.empty() ? std::fopen(path.c_str(), "w") : nullptr;
  if (!f) {
    if (problem.empty()) problem = std::strerror(errno);
    err_ << "korvane-cli: --trace " << path << ": " << problem << '\n' << std::flush;
    return false;
  }
  trace_ = std::make_unique<TraceFile>(*link_, f, true, err_);
  return true;
}

int CliContext::OpenPort() {
  // The link tells the reason itself (to stderr through the Ui).
  return link_->OpenPort(language_) && link_->portOpen() ? kExitOk : kExitPortFailed;
}

int CliContext::CommError() {
  err_ << types::kCommError(language_);
  // A line that went away says so, not only that an answer is missing.
  if (link_->isLineLost() && !link_->openFailure().empty()) err_ << ' ' << link_->openFailure();
  err_ << '\n' << std::flush;
  return kExitNoAnswer;
}

int CliContext::Usage(const std::string& message) {
  err_ << "korvane-cli: " << message << "\n(korvane-cli --help lists the commands and options)\n" << std::flush;
  return kExitUsage;
}

// --- interrupt ------------------------------------------------------------------------------

namespace {
int interruptPipe[2] = {-1, -1};  // written by the signal handler only

void OnInterruptSignal(int) {
  const char c = 1;
  [[maybe_unused]] ssize_t n = ::write(interruptPipe[1], &c, 1);
}
}  // namespace

struct InterruptGuard::Impl {
  std::unique_ptr<QSocketNotifier> notifier;
  struct sigaction oldInt {};
  struct sigaction oldTerm {};
};

InterruptGuard::InterruptGuard(std::function<void()> onInterrupt) : impl_(std::make_unique<Impl>()) {
  if (interruptPipe[0] < 0 && ::pipe2(interruptPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  impl_->notifier = std::make_unique<QSocketNotifier>(interruptPipe[0], QSocketNotifier::Read);
  QObject::connect(impl_->notifier.get(), &QSocketNotifier::activated, [cb = std::move(onInterrupt)] {
    char buf[16];
    while (::read(interruptPipe[0], buf, sizeof buf) > 0) {
    }
    cb();
  });
  struct sigaction sa {};
  sa.sa_handler = OnInterruptSignal;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESTART;
  sigaction(SIGINT, &sa, &impl_->oldInt);
  sigaction(SIGTERM, &sa, &impl_->oldTerm);
}

InterruptGuard::~InterruptGuard() {
  sigaction(SIGINT, &impl_->oldInt, nullptr);
  sigaction(SIGTERM, &impl_->oldTerm, nullptr);
}

}  // namespace korvane::cli
