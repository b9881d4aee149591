#include "link/LineOwner.h"

#include <QThread>

#include <filesystem>
#include <system_error>

#include "link/DeviceName.h"
#include "link/LinkTexts.h"
#include "platform/Reasons.h"

namespace korvane::link {
namespace {

// The device a path ends at, through any links: a ports link that now points elsewhere
// is another device, though its own path stayed the same.
std::string EndDevice(const std::string& path) {
  std::error_code error;
  const std::filesystem::path real = std::filesystem::canonical(path, error);
  return error ? path : real.string();
}

}  // namespace

LineOwner::LineOwner(std::unique_ptr<Line> line, PortResolver resolver, QObject* listener, Attach attach)
    : resolver_(std::move(resolver)), listener_(listener), attach_(std::move(attach)) {
  UseLine(std::move(line));
}

void LineOwner::UseLine(std::unique_ptr<Line> line) {
  if (line_) {
    line_->Close();
    line_->disconnect(listener_);
    // It may be the sender of what runs now (a lost line's handler that opens again).
    line_.release()->deleteLater();
  }
  line_ = std::move(line);
  attach_(*line_);
}

std::string LineOwner::device() const {
  return !deviceOverride_.empty() ? deviceOverride_ : (resolver_ ? resolver_(portIndex_ + 1) : std::string());
}

std::optional<FarStation> LineOwner::farStation() const {
  if (!open_ || lost_) return std::nullopt;
  return ParseStationSignature(line_->farEnd());
}

LineOwner::Opened LineOwner::Open(Language language, std::chrono::milliseconds replyTimeout,
                                  std::chrono::milliseconds settle) {
  const int com = portIndex_ + 1;
  // The COM number is resolved at every open: a ports link that went away and came
  // back is followed, never the device that stood in for it meanwhile.
  const std::string device = this->device();
  if (open_) {
    if (EndDevice(device) == openDevice_) return Opened::kAlready;
    Close();
  }
  failure_.clear();
  message_.clear();
  language_ = language;
  bool ok = false;
  if (device.empty()) {
    failure_ = platform::FormatReason(platform::reasons::kNoDeviceForCom, language, com);
  } else if (!IsLineRate(baud_)) {
    failure_ = platform::FormatReason(platform::reasons::kBadBaud, language, baud_);
  } else {
    if (factory_ && KindOf(device) != KindOf(lineDevice_)) {
      UseLine(factory_(device));
      lineDevice_ = device;
    }
    ok = line_->Open({device, baud_, language, replyTimeout});
    // A device that was just opened may need a moment before it listens.
    if (ok && KindOf(device) == LineKind::kSerial) QThread::msleep(static_cast<unsigned long>(settle.count()));
    if (!ok) failure_ = line_->openError();
    // The message says which device was tried, whatever the reason.
    if (!ok && failure_.find(device) == std::string::npos)
      failure_ = device + (failure_.empty() ? "" : ": " + failure_);
  }
  if (!ok) {
    message_ = CannotOpenText(language, deviceOverride_, com, failure_);
    return Opened::kFailed;
  }
  openDevice_ = EndDevice(device);
  lost_ = false;
  open_ = true;
  return Opened::kAfresh;
}

void LineOwner::Close() {
  line_->Stop();
  open_ = false;
}

void LineOwner::Lost(const QString& reason) {
  lost_ = true;
  failure_ = reason.toStdString();
  line_->Close();
  open_ = false;
}

}  // namespace korvane::link
