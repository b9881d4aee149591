// The display unit's stored byte over an in-process line.
#include <gtest/gtest.h>

#include <QTimer>

#include <vector>

#include "display/StoredByte.h"
#include "support/InProcessLinkTest.h"

namespace korvane::display {
namespace {

using link::BuildFrame;
using link::ByteData;
using link::FlowContext;
using link::Frame;
using link::FrameParameter;
using link::kDisplayAddress;
using link::kValues;
using link::kWrite;
using LinkTest = test::InProcessLinkTest;

TEST_F(LinkTest, WriteByteAndStoreStoresOnlyAfterAnAcknowledgement) {
  answer = [this](const Frame& f) { ReplyLater(f); };
  WriteByteAndStore(link, ui, FlowContext{kDisplayAddress, Language::kGerman}, 9);
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0], BuildFrame(kDisplayAddress, kWrite, 1, 164, ByteData(9)));
  EXPECT_EQ(sent[1], BuildFrame(kDisplayAddress, kValues, 1, 53, ByteData(9)));

  sent.clear();
  answer = nullptr;
  WriteByteAndStore(link, ui, FlowContext{kDisplayAddress, Language::kGerman}, 9);
  EXPECT_EQ(sent.size(), 1u);
  EXPECT_EQ(ui.Messages().back(),
            "Fehler in der Datenkommunikation!\n\u00dcber in-process kam keine Antwort vom Modul.");
}

}  // namespace
}  // namespace korvane::display
