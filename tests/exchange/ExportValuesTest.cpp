// The coded values of the export files and the delimited items they are written in.
#include <gtest/gtest.h>

#include <random>

#include "DelimitedReading.h"
#include "core/Numbers.h"
#include "exchange/DelimitedItems.h"
#include "exchange/ExportValues.h"
#include "units/ConvertUnit.h"

namespace aloftra::test {
namespace {

std::array<Flag, kDifficultyLevels> Levels(const std::string& set) {
  std::array<Flag, kDifficultyLevels> levels{};
  for (char c : set)
    levels[static_cast<std::size_t>(c - '0')] = 1;
  return levels;
}

TEST(DifficultyTest, LowestAndHighestLevelNamesAndMask) {
  struct Case {
    std::string set;
    std::string text;
    int mask;
  };
  const Case cases[] = {
      {"", "", 0},
      {"2", "Intermediate", 4},
      {"02", "Beginner - Intermediate", 5},
      {"13", "Novice - Advanced", 10},
      {"123", "Novice - Advanced", 14},
      {"0123", "Beginner - Advanced", 15},
      {"3", "Advanced", 8},
      {"01", "Beginner - Novice", 3},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DifficultyText(Levels(c.set)), c.text) << c.set;
    EXPECT_EQ(DifficultyMask(Levels(c.set)), c.mask) << c.set;
  }
  // A check box stored as 255 by an older copy counts as set too.
  std::array<Flag, kDifficultyLevels> older{0, kOptionSet, 0, 0};
  EXPECT_EQ(DifficultyText(older), "Novice");
}

TEST(WindMaskTest, BitOfEachSelectedDirection) {
  WindFlags northAndSouth{};
  northAndSouth[4] = northAndSouth[12] = kFlagSet;
  EXPECT_EQ(WindMask(northAndSouth), 4112);
  WindFlags eastAndNorth{};
  eastAndNorth[0] = eastAndNorth[4] = kFlagSet;
  EXPECT_EQ(WindMask(eastAndNorth), 17);
  WindFlags all{};
  all.fill(kFlagSet);
  EXPECT_EQ(WindMask(all), 65535);
  // Only a flag of exactly 1 is a selected direction, as in the text form.
  WindFlags odd{};
  odd[3] = 2;
  EXPECT_EQ(WindMask(odd), 0);
}

TEST(ClassTextsTest, FirstSetClassNamesTheGlider) {
  EXPECT_STREQ(DhvText({}), "");
  EXPECT_STREQ(DhvText({0, 1, 0, 0, 0}), "1-2");
  EXPECT_STREQ(DhvText({0, 0, 0, 1, 1}), "2-3");
  EXPECT_STREQ(DhvText({0, 0, 0, 0, kOptionSet}), "3");
  EXPECT_STREQ(AfnorText({}), "");
  EXPECT_STREQ(AfnorText({1, 0, 0, 1}), "Standard");
  EXPECT_STREQ(AfnorText({0, 0, kOptionSet, 0}), "Competition");
  EXPECT_STREQ(AfnorText({0, 0, 0, 1}), "Tandem");
}

TEST(CrossCountryTypeTest, NamesOfTheThreeTypesAndNothingElse) {
  const std::pair<int, std::string> cases[] = {
      {0, "Straight Line"}, {1, "Out-and-Return"}, {2, "Triangle"}, {-1, ""}, {3, ""},
      {-32768, ""}};
  for (const auto& [type, text] : cases)
    EXPECT_EQ(CrossCountryTypeText(type), text) << type;
}

TEST(ManufactureDateTest, DatesInShortFormOtherTextUnchanged) {
  const std::pair<std::string, std::string> cases[] = {
      {"May 5, 2001", "5/5/2001"}, {"05/05/01", "5/5/2001"},       {"2001-12-24", "12/24/2001"},
      {"6/7/2001", "6/7/2001"},    {"spring 1999", "spring 1999"}, {"", ""},
      {"13:30", "13:30"},          {"2/30/2001", "2/30/2001"},     {"May 5", "May 5"},
  };
  for (const auto& [stored, written] : cases)
    EXPECT_EQ(ManufactureDateText(stored), written) << stored;
}

TEST(ExportedMeasureTest, DisplayUnitsRoundedAndSignAsAsked) {
  UnitFlags metric = DefaultUnitFlags();
  metric[kUnitFeet] = 0;
  metric[kUnitMetres] = kFlagSet;
  metric[kUnitMph] = 0;
  metric[kUnitKmh] = kFlagSet;
  metric[kUnitMiles] = 0;
  metric[kUnitKilometres] = kFlagSet;
  const UnitFlags imperial = DefaultUnitFlags();
  EXPECT_EQ(ExportedMeasure(-20, UnitKind::kAltitude, true, imperial), -20);
  EXPECT_EQ(ExportedMeasure(-20, UnitKind::kAltitude, false, imperial), 20);
  EXPECT_EQ(ExportedMeasure(1200, UnitKind::kAltitude, true, metric), 366);
  EXPECT_EQ(ExportedMeasure(-20, UnitKind::kAltitude, true, metric), -6);
  EXPECT_EQ(ExportedMeasure(15.5, UnitKind::kSpeed, false, imperial), 16);
  EXPECT_EQ(ExportedMeasure(10, UnitKind::kSpeed, false, metric), 16);
  EXPECT_DOUBLE_EQ(ExportedMeasure(12.34, UnitKind::kDistance, false, imperial), 12.3);
  EXPECT_DOUBLE_EQ(ExportedMeasure(10, UnitKind::kDistance, false, metric), 16.1);
}

// Whatever unit is chosen, the export writes exactly the number the pages show, whole and
// fractional values, signed or not, small and large.
TEST(ExportedMeasureTest, EqualsTheShownTextInEveryUnit) {
  struct Choice {
    UnitKind kind;
    UnitButton storage;
    UnitButton other;
  };
  const Choice choices[] = {{UnitKind::kSpeed, kUnitMph, kUnitKmh},
                            {UnitKind::kSpeed, kUnitMph, kUnitKnots},
                            {UnitKind::kAltitude, kUnitFeet, kUnitMetres},
                            {UnitKind::kClimbRate, kUnitFpm, kUnitMetresPerSecond},
                            {UnitKind::kDistance, kUnitMiles, kUnitKilometres},
                            {UnitKind::kWeight, kUnitPounds, kUnitKilograms}};
  std::mt19937 random(4112);
  std::uniform_real_distribution<double> fraction(-2000, 2000);
  std::uniform_int_distribution<int> whole(-32768, 32767);
  for (const Choice& choice : choices) {
    for (UnitButton unit : {choice.storage, choice.other}) {
      UnitFlags flags = DefaultUnitFlags();
      flags[choice.storage] = 0;
      flags[unit] = kFlagSet;
      for (int round = 0; round < 400; ++round) {
        const double stored = round % 2 == 0
                                  ? static_cast<double>(static_cast<float>(fraction(random)))
                                  : whole(random) * (round % 3 == 0 ? 1000.0 : 1.0);
        for (bool isSigned : {false, true}) {
          const double shown =
              ParseLeadingNumber(DisplayStored(stored, choice.kind, isSigned, flags));
          EXPECT_EQ(ExportedMeasure(stored, choice.kind, isSigned, flags), shown)
              << stored << " unit " << unit << (isSigned ? " signed" : "");
        }
      }
    }
  }
}

TEST(DelimitedWriterTest, ItemFormsOfOneLine) {
  DelimitedWriter out;
  out.Text("plain");
  out.Integer(-32768);
  out.Number(12.3);
  out.Number(0.5);
  out.Number(-0.25);
  out.Number(1200);
  out.Number(0);
  out.Number(1.5e30);
  out.Text("");
  out.EndLine();
  out.Text("next");
  out.EndLine();
  EXPECT_EQ(out.Finish(), "\"plain\",-32768,12.3,.5,-.25,1200,0,1.5E+30,\"\"\r\n\"next\"\r\n");
  EXPECT_EQ(out.Finish(), "");
}

TEST(DelimitedWriterTest, QuotesAreDoubledInsideTextItems) {
  DelimitedWriter out;
  out.Text("say \"hi\"");
  out.Text("\"");
  out.EndLine();
  EXPECT_EQ(out.Finish(), "\"say \"\"hi\"\"\",\"\"\"\"\r\n");
}

// Whatever a text holds (quotes, commas, line breaks), it reads back as one item equal to
// itself, and the items around it keep their places.
TEST(DelimitedWriterTest, AnyTextReadsBackAsOneItem) {
  std::mt19937 random(20010607);
  const std::string alphabet = "ab\",\r\n '";
  for (int round = 0; round < 500; ++round) {
    std::string text;
    const int length = static_cast<int>(random() % 12);
    for (int i = 0; i < length; ++i)
      text += alphabet[random() % alphabet.size()];
    DelimitedWriter out;
    out.Integer(round);
    out.Text(text);
    out.Text(text);
    out.Integer(-round);
    out.EndLine();
    const std::vector<DelimitedRecord> records = ReadDelimited(out.Finish());
    ASSERT_EQ(records.size(), 1u) << text;
    EXPECT_EQ(records[0],
              (DelimitedRecord{std::to_string(round), text, text, std::to_string(-round)}));
  }
}

}  // namespace
}  // namespace aloftra::test
