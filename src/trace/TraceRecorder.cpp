#include "trace/TraceRecorder.h"

#include <QTime>

#include "link/Link.h"

namespace korvane::trace {

TraceTime SystemTraceTime() {
  const QTime t = QTime::currentTime();
  return {t.hour(), t.minute(), t.second(), t.msec()};
}

TraceRecorder::TraceRecorder(link::Link& link, Sink sink, TraceClock clock, QObject* parent)
    : QObject(parent), sink_(std::move(sink)), clock_(std::move(clock)) {
  using Kind = TraceEvent::Kind;
  connect(&link, &link::Link::frameSent, this, [this](const link::Frame& f) { Record({Kind::kSent, {}, f}); });
  connect(&link, &link::Link::replyReceived, this, [this](const link::Frame& f) { Record({Kind::kReceived, {}, f}); });
  connect(&link, &link::Link::frameDamaged, this, [this](const link::Frame& f) { Record({Kind::kDamaged, {}, f}); });
  connect(&link, &link::Link::replyTimedOut, this, [this](const link::Frame& f, int ms) {
    Record({Kind::kTimeout, {}, f, ms});
  });
  connect(&link, &link::Link::watchdogNotice, this, [this](const std::string&) { Record({Kind::kWatchdog, {}, {}}); });
  connect(&link, &link::Link::lineLost, this, [this](const QString& why) {
    Record({Kind::kLineLost, {}, {}, 0, why.toStdString()});
  });
}

TraceRecorder::~TraceRecorder() = default;

void TraceRecorder::Record(TraceEvent e) {
  e.time = clock_();
  sink_(FormatTraceLine(e));
}

}  // namespace korvane::trace
