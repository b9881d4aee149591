// korvane.conf's calibration entries, and the result judged against its limits.
#include <gtest/gtest.h>

#include "calibration/AssistantSettings.h"
#include "calibration/ResultJudgement.h"

namespace korvane::calibration {
namespace {

TEST(AssistantSettingsTest, EntriesAreReadAndWhatIsNotUnderstoodIsNamedWithItsDefault) {
  const std::map<std::string, std::string> values{
      {"calibration.mode", "classic"},           {"calibration.auto", "maybe"},    {"calibration.buffers", "din19266"},
      {"calibration.time-limit", "5"},           {"calibration.ph.drift", "0.25"}, {"calibration.ph.window", " 45 "},
      {"calibration.conductivity.noise", "0,4"}, {"technician", "Anna"},
  };
  std::vector<std::string> problems;
  const AssistantSettings s = ParseAssistantSettings(values, &problems, Language::kGerman);
  EXPECT_FALSE(s.assistant);
  EXPECT_TRUE(s.autoAccept);
  EXPECT_EQ(s.bufferSet, "din19266");
  EXPECT_EQ(s.timeLimitSeconds, 300);
  EXPECT_EQ(s.For(CriterionGroup::kPh).maxDrift, 0.25);
  EXPECT_EQ(s.For(CriterionGroup::kPh).windowSeconds, 45);
  EXPECT_EQ(s.For(CriterionGroup::kConductivity).maxNoise, 0.3);
  EXPECT_EQ(s.For(CriterionGroup::kConductivity).kind, LimitKind::kPercent);
  EXPECT_EQ(problems, (std::vector<std::string>{
                          "korvane.conf: \"calibration.auto=maybe\" ist nicht yes | no; es gilt yes.",
                          "korvane.conf: \"calibration.time-limit=5\" ist keine Zahl von 10 bis 3600; es gilt 300.",
                          "korvane.conf: \"calibration.conductivity.noise=0,4\" ist keine Zahl von 0.001 bis 1000; es "
                          "gilt 0.3."}));
  // What is kept reads back the same.
  std::vector<std::string> none;
  const AssistantSettings again = ParseAssistantSettings(AssistantSettingsValues(s), &none, Language::kGerman);
  EXPECT_TRUE(none.empty());
  EXPECT_EQ(AssistantSettingsValues(again), AssistantSettingsValues(s));
}

TEST(ResultJudgementTest, EachValueAgainstItsRangeAndThePhFigures) {
  const KValues before{-3.5f, -59.2f, 0, 0};
  const ResultJudgement ok =
      JudgeResult("ph-two-point", 0, before, {8.0f, -57.8f, 0, 0}, std::nullopt, Language::kGerman);
  ASSERT_EQ(ok.values.size(), 2u);
  EXPECT_TRUE(ok.plausible());
  EXPECT_EQ(ok.values[1].label, "Steilheit");
  EXPECT_EQ(ValueText(ok.values[1], ok.values[1].after), "-57.8 mV/pH");
  EXPECT_NEAR(*ok.slopePercent, 97.70, 0.01);
  EXPECT_NEAR(*ok.zeroPointMv, 8.0, 1e-6);
  EXPECT_NEAR(ok.values[1].afterAt, (-57.8 + 61) / 16, 1e-6);

  const ResultJudgement flat =
      JudgeResult("ph-two-point", 0, before, {0.0f, -40.0f, 0, 0}, std::nullopt, Language::kEnglish);
  EXPECT_EQ(flat.breaches, std::vector<std::string>{"slope -40.0 mV/pH outside -61 … -45"});
  EXPECT_FALSE(flat.values[1].within);
  EXPECT_GT(flat.values[1].afterAt, 1.0);

  // The pH compensation's slope has no calibration value; it is judged all the same.
  const ResultJudgement comp =
      JudgeResult("ph-compensation", 18, {45, 7.2f, 0, 7.5f}, {45, 7.2f, 70, 7.5f}, -59.0f, Language::kGerman);
  EXPECT_EQ(comp.breaches, std::vector<std::string>{"Offset Co 70.0 mV außerhalb -60 … 60"});
  EXPECT_EQ(comp.values.size(), 2u);
  EXPECT_NEAR(*comp.zeroPointMv, 70.0, 1e-6);
  // The module held no slope before: none is shown, nor a change of zero.
  EXPECT_EQ(BeforeText(comp.values[1]), "–");
  EXPECT_EQ(ChangeText(comp.values[1]), "–");
  EXPECT_EQ(ChangeText(comp.values[0]), "+70.0 mV");
  // A procedure without limits only shows its values.
  EXPECT_TRUE(
      JudgeResult("air-pressure", 7, {60, 2.9f, 2.3f, 1}, {60, 2.9f, 2.3f, 1.013f}, std::nullopt, Language::kGerman)
          .plausible());
}

}  // namespace
}  // namespace korvane::calibration
