// Who may use the line: the holder of a lease and its own steps; whatever runs inside
// the holder's waits is someone else and is refused, counted and never sent.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <functional>
#include <vector>

#include "link/Link.h"
#include "support/ScriptedUi.h"

namespace korvane::link {
namespace {

struct LeaseFixture {
  LeaseFixture()
      : link(
            std::make_unique<InProcessLine>([this](const Frame& f) { sent.push_back(f); }),
            [](int) { return std::string("in-process"); }, LinkTimings::Fast()) {
    link.OpenPort(Language::kGerman);
    QObject::connect(&link, &Link::lineHeldChanged, [this](bool held) { heldSignals.push_back(held); });
  }
  // Runs f from the event loop while the caller waits (a click, a timer, a reply).
  void During(std::function<void()> f) { QTimer::singleShot(0, &link, std::move(f)); }
  void Feed(const Frame& f) {
    for (std::uint8_t b : f) link.OnSerialByte(b);
  }

  test::ScriptedUi ui;
  Link link;
  std::vector<Frame> sent;
  std::vector<bool> heldSignals;
};

struct Row {
  const char* name;
  std::function<void(LeaseFixture&)> act;
  int sent;     // frames that went out
  int refused;  // requests and leases refused
  std::vector<bool> heldSignals;
};

TEST(LineLease, WhoMayUseTheLine) {
  const Row rows[] = {
      {"a request on a free line goes out", [](LeaseFixture& f) { f.link.Send(0, kMeasuredValue1); }, 1, 0, {}},
      {"the holder's requests go out and its steps nest",
       [](LeaseFixture& f) {
         const LineLease flow = f.link.TakeLine();
         ASSERT_TRUE(flow);
         f.link.Send(0, kMeasuredValue1);
         const LineLease step = f.link.TakeLine();
         EXPECT_TRUE(step);
         f.link.Send(0, kLoggerFill);
         EXPECT_TRUE(f.link.lineHeld());
       },
       2,
       0,
       {true, false}},
      {"a request from inside the holder's wait is refused and its wait ends at once",
       [](LeaseFixture& f) {
         const LineLease flow = f.link.TakeLine();
         bool answered = true;
         qint64 waited = -1;
         f.During([&] {
           QElapsedTimer t;
           t.start();
           f.link.SendFrame(0x80, kWrite, 1, 164, ByteData(50));
           answered = f.link.WaitForReply();
           waited = t.elapsed();
         });
         f.link.WaitSeconds(2);
         EXPECT_FALSE(answered);
         EXPECT_GE(waited, 0);
         EXPECT_LT(waited, f.link.timings().replyTimeout.count() / 2);
       },
       0,
       1,
       {true, false}},
      {"a lease from inside the holder's wait is refused",
       [](LeaseFixture& f) {
         const LineLease flow = f.link.TakeLine();
         bool granted = true;
         f.During([&] { granted = static_cast<bool>(f.link.TakeLine()); });
         f.link.WaitSeconds(2);
         EXPECT_FALSE(granted);
       },
       0,
       1,
       {true, false}},
      {"a flow's own event loop counts as one of its waits",
       [](LeaseFixture& f) {
         const LineLease flow = f.link.TakeLine();
         QEventLoop loop;
         f.During([&] {
           f.link.Send(0, kMeasuredValue1);
           loop.quit();
         });
         f.link.RunNested(loop);
       },
       0,
       1,
       {true, false}},
      {"nothing nests into a line held across the event loop",
       [](LeaseFixture& f) {
         const LineLease measurement = f.link.HoldLine();
         f.link.Send(0, kMeasuredValue1);  // its own poll
         EXPECT_FALSE(f.link.TakeLine());
         EXPECT_FALSE(f.link.HoldLine());
       },
       1,
       2,
       {true, false}},
      {"the holder's chain goes on from inside its wait",
       [](LeaseFixture& f) {
         const LineLease flow = f.link.TakeLine();
         f.link.Send(0, kMeasuredValue1);
         f.During([&] { f.Feed(BuildFrame(0, kValues, 4, 1, FloatData(7.0f))); });
         f.link.WaitSeconds(2);
       },
       2,
       0,
       {true, false}},
      {"an earlier holder's chain does not go on under the next one",
       [](LeaseFixture& f) {
         LineLease first = f.link.TakeLine();
         f.link.Send(0, kMeasuredValue1);
         first.Release();
         const LineLease next = f.link.TakeLine();
         f.Feed(BuildFrame(0, kValues, 4, 1, FloatData(7.0f)));
       },
       1,
       1,
       {true, false, true, false}},
      {"a chain still runs on a line freed meanwhile",
       [](LeaseFixture& f) {
         LineLease measurement = f.link.HoldLine();
         f.link.Send(0, kMeasuredValue1);
         measurement.Release();
         f.Feed(BuildFrame(0, kValues, 4, 1, FloatData(7.0f)));
       },
       2,
       0,
       {true, false}},
      {"a moved lease holds the line until its new owner lets go",
       [](LeaseFixture& f) {
         LineLease a = f.link.TakeLine();
         LineLease b = std::move(a);
         EXPECT_FALSE(a);
         EXPECT_TRUE(f.link.lineHeld());
         b = LineLease();
         EXPECT_FALSE(f.link.lineHeld());
       },
       0,
       0,
       {true, false}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    LeaseFixture f;
    row.act(f);
    EXPECT_FALSE(f.link.lineHeld());
    EXPECT_EQ(static_cast<int>(f.sent.size()), row.sent);
    EXPECT_EQ(f.link.refusedRequests(), row.refused);
    EXPECT_EQ(f.heldSignals, row.heldSignals);
  }
}

}  // namespace
}  // namespace korvane::link
