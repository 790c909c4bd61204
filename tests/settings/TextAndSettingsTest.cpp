#include <gtest/gtest.h>

#include <limits>

#include "settings/SettingsRecord.h"
#include "settings/Text.h"

namespace orvalis {
namespace {

TEST(NumberValue, ReadsTheLeadingNumberLikeTheProgramEverywhere) {
  EXPECT_EQ(numberValue("1000"), 1000);
  EXPECT_EQ(numberValue(" \t-12abc"), -12);
  EXPECT_EQ(numberValue("+7"), 7);
  EXPECT_EQ(numberValue("abc"), 0);
  EXPECT_EQ(numberValue(""), 0);
  EXPECT_EQ(numberValue("- 5"), 0);
  EXPECT_EQ(numberValue("\n5"), 0) << "only spaces and tabs are skipped";
  EXPECT_EQ(numberValue("007"), 7);
  EXPECT_EQ(numberValue("99999999999999999999999"), std::numeric_limits<long long>::max());
  EXPECT_EQ(numberValue("-99999999999999999999999"), std::numeric_limits<long long>::min());
  EXPECT_EQ(numberValue("-9223372036854775808"), std::numeric_limits<long long>::min());
}

TEST(TextHelpers, DecimalTextFilePartAndLowerCase) {
  EXPECT_EQ(decimalText(0), "0");
  EXPECT_EQ(decimalText(-45), "-45");
  EXPECT_EQ(filePart("C:\\muster\\blinker.lxm"), "blinker.lxm");
  EXPECT_EQ(filePart("/home/anna/muster/gleiter.lif"), "gleiter.lif");
  EXPECT_EQ(filePart("a\\b/c.d"), "c.d");
  EXPECT_EQ(filePart("plain"), "plain");
  EXPECT_EQ(filePart("ends/"), "");
  EXPECT_EQ(lowerCase("OrVaLiS"), "orvalis");
  EXPECT_EQ(lowerCase("\xC4\xDE\xDF\xE4"), "\xE4\xFE\xDF\xE4");
}

TEST(SettingsRecord, StartsWithThePanelsStartValues) {
  SettingsRecord settings;
  EXPECT_EQ(settings.gadgetValue(GadgetId::IntervalSpin), 1000);
  EXPECT_EQ(settings.gadgetText(GadgetId::IntervalSpin), "1000");
  EXPECT_EQ(settings.gadgetValue(GadgetId::SizeXSpin), 50);
  EXPECT_EQ(settings.gadgetValue(GadgetId::SizeYSpin), 50);
  EXPECT_EQ(settings.gadgetValue(GadgetId::RandomPercentSpin), 50);
  EXPECT_EQ(settings.gadgetValue(GadgetId::ThresholdSpin), 128);
  EXPECT_EQ(settings.gadgetValue(GadgetId::NormalOption), 1);
  EXPECT_EQ(settings.gadgetValue(GadgetId::StaticOption), 0);
  EXPECT_EQ(settings.gadgetValue(GadgetId::GridCheck), 0);
  EXPECT_EQ(settings.gadgetValue(GadgetId::DateField), 0);
  EXPECT_EQ(settings.gadgetText(GadgetId::CommentEditor), "");
}

TEST(SettingsRecord, SpinFieldsClampValuesAndKeepTheLastValidNumber) {
  SettingsRecord settings;
  settings.setGadgetValue(GadgetId::SizeXSpin, 900);
  EXPECT_EQ(settings.gadgetValue(GadgetId::SizeXSpin), 500);
  settings.setGadgetValue(GadgetId::SizeXSpin, -3);
  EXPECT_EQ(settings.gadgetValue(GadgetId::SizeXSpin), 1);
  EXPECT_EQ(settings.gadgetText(GadgetId::SizeXSpin), "1");

  settings.setGadgetText(GadgetId::IntervalSpin, "250");
  EXPECT_EQ(settings.gadgetValue(GadgetId::IntervalSpin), 250);
  settings.setGadgetText(GadgetId::IntervalSpin, "20000");
  EXPECT_EQ(settings.gadgetValue(GadgetId::IntervalSpin), 250);
  EXPECT_EQ(settings.gadgetText(GadgetId::IntervalSpin), "20000");
  settings.setGadgetText(GadgetId::IntervalSpin, "12abc");
  EXPECT_EQ(settings.gadgetValue(GadgetId::IntervalSpin), 250);
  settings.setGadgetText(GadgetId::IntervalSpin, "0");
  EXPECT_EQ(settings.gadgetValue(GadgetId::IntervalSpin), 250);
  settings.setGadgetText(GadgetId::IntervalSpin, " 00042 ");
  EXPECT_EQ(settings.gadgetValue(GadgetId::IntervalSpin), 42);
}

TEST(SettingsRecord, OptionsFormOneGroupAndUnknownNumbersDoNothing) {
  SettingsRecord settings;
  settings.setGadgetValue(GadgetId::BlockedOption, 1);
  EXPECT_EQ(settings.gadgetValue(GadgetId::NormalOption), 0);
  EXPECT_EQ(settings.gadgetValue(GadgetId::BlockedOption), 1);
  settings.setGadgetValue(GadgetId::BlockedOption, 0);
  EXPECT_EQ(settings.gadgetValue(GadgetId::NormalOption), 0) << "clearing one selects no other";

  settings.setGadgetValue(GadgetId::GridCheck, 5);
  EXPECT_EQ(settings.gadgetValue(GadgetId::GridCheck), 1);
  settings.setGadgetValue(GadgetId::DateField, 1796596215);
  EXPECT_EQ(settings.gadgetValue(GadgetId::DateField), 1796596200) << "minutes only";

  settings.setGadgetValue(GadgetId::RestorePanelCommand, 3);
  settings.setGadgetText(GadgetId::AboutButton, "x");
  settings.setGadgetValue(static_cast<GadgetId>(77), 3);
  EXPECT_EQ(settings.gadgetValue(GadgetId::RestorePanelCommand), 0);
  EXPECT_EQ(settings.gadgetText(GadgetId::AboutButton), "");
  EXPECT_EQ(settings.gadgetValue(static_cast<GadgetId>(77)), 0);
}

}  // namespace
}  // namespace orvalis
