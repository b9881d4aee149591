// Storing a calibration in the module over an in-process line.
#include <gtest/gtest.h>

#include <QTimer>

#include <vector>

#include "calibration/CalibrationStore.h"
#include "support/InProcessLinkTest.h"

namespace korvane::calibration {
namespace {

using link::BuildFrame;
using link::FloatData;
using link::FlowContext;
using link::Frame;
using link::FrameGroup;
using link::FrameParameter;
using link::kValues;
using link::kWrite;
using link::WriteReport;
using LinkTest = test::InProcessLinkTest;

TEST_F(LinkTest, WriteCalibrationSetWritesFourFloatsThenStores) {
  link.module().calibration = {0.0f, -59.17f, 1.5f, 1.013f};
  answer = [this](const Frame& f) { ReplyLater(f); };  // echo = acknowledgement
  calibration::WriteCalibrationSet(link, ui, FlowContext{3, Language::kGerman});
  ASSERT_EQ(sent.size(), 5u);
  const std::uint8_t params[] = {32, 33, 34, 37};
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(sent[i], BuildFrame(3, kWrite, 4, params[i], FloatData(link.module().calibration[i])));
  EXPECT_EQ(FrameGroup(sent[4]), kValues);
  EXPECT_EQ(FrameParameter(sent[4]), 65);
  std::vector<int> positions;
  for (const auto& e : ui.events)
    if (e.kind == "progress-set") positions.push_back(e.number);
  EXPECT_EQ(positions, (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(ui.Kinds().back(), "progress-close");
}

TEST_F(LinkTest, CalibrationSaveCountsMissingAcknowledgementsAndStopsOnALostLine) {
  struct Case {
    const char* name;
    std::function<void(const Frame&)> answer;
    WriteReport expected;
    std::size_t framesSent;
  } cases[] = {
      {"all acknowledged", [this](const Frame& f) { ReplyLater(f); }, {0, false}, 5},
      {"silent module", nullptr, {5, false}, 5},
      {"line lost at the second write",
       [this](const Frame& f) {
         if (FrameParameter(f) == 33)
           QTimer::singleShot(0, &link, [this] { link.OnLineLost(QStringLiteral("gone")); });
         else
           ReplyLater(f);
       },
       {0, true},
       2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    link.ClosePort();
    link.OpenPort(Language::kEnglish);
    sent.clear();
    answer = c.answer;
    const WriteReport r = WriteCalibrationSet(link, ui, FlowContext{0, Language::kGerman});
    EXPECT_EQ(r.unanswered, c.expected.unanswered);
    EXPECT_EQ(r.lineLost, c.expected.lineLost);
    EXPECT_EQ(sent.size(), c.framesSent);
  }
}

}  // namespace
}  // namespace korvane::calibration
