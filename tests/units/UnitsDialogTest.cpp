// The units dialog, opened from the Options menu: every page relabels and shows its stored
// numbers in the chosen units, while an entry being edited keeps what was typed.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "UnitDialogFixture.h"

namespace aloftra::test {
namespace {

class UnitsDialogTest : public UnitDialogTest {
 protected:
  void ShowPointAndFalcon() {
    Sites().SiteName.SetListIndex(Sites().SiteName.FindItem("Point"));
    Gliders().GliderName.SetListIndex(Gliders().GliderName.FindItem("Falcon"));
  }
};

TEST_F(UnitsDialogTest, OpensWithEachGroupInItsFrameOnTheStoredChoice) {
  Book().UNIT_FLAGS = {0, 0, 1, 0, 1, 1, 0, 0, 1, 0, 1, 0, 1};
  Flights().OptionsMenu.Click(kOptionsUnits);
  EXPECT_EQ(Units().Caption(), "Units of Measure");
  EXPECT_FALSE(Flights().Enabled());
  struct Button {
    UnitButton button;
    const char* caption;
    const char* frame;
  };
  const Button buttons[] = {
      {kUnitMph, "mph", "Wind Speed"},
      {kUnitKmh, "km/h", "Wind Speed"},
      {kUnitKnots, "knots", "Wind Speed"},
      {kUnitFeet, "feet", "Alitude"},
      {kUnitMetres, "m", "Alitude"},
      {kUnitFpm, "fpm", "Lift/Sink Rate"},
      {kUnitMetresPerSecond, "m/s", "Lift/Sink Rate"},
      {kUnitMiles, "miles", "Distance"},
      {kUnitKilometres, "km", "Distance"},
      {kUnitPounds, "lbs", "Weight"},
      {kUnitKilograms, "kg", "Weight"},
      {kUnitAmPm, "AM/PM", "Time of Day"},
      {kUnit24Hour, "24-Hour", "Time of Day"},
  };
  for (const Button& b : buttons) {
    const OptionButton& option = Units().Units[b.button];
    EXPECT_EQ(option.Caption(), b.caption);
    ASSERT_NE(option.Container(), nullptr) << b.caption;
    EXPECT_EQ(option.Container()->Caption(), b.frame) << b.caption;
    EXPECT_EQ(option.Value(), Book().UNIT_FLAGS[b.button] == kFlagSet) << b.caption;
  }
  EXPECT_EQ(Units().Ok.Caption(), "Ok");
  EXPECT_EQ(Units().Cancel.Caption(), "Cancel");
}

// Every unit label of every page, through three choices made one after the other in the
// dialog, the last bringing some kinds back to the units they started in.
TEST_F(UnitsDialogTest, EveryUnitLabelOfEveryPageTakesTheChosenUnit) {
  struct UnitLabel {
    std::string name;
    std::function<std::string()> caption;
    UnitKind kind;
  };
  std::vector<UnitLabel> labels;
  auto add = [&labels](std::string name, const aloftra::Label& label, UnitKind kind) {
    labels.push_back({std::move(name), [&label] { return label.Caption(); }, kind});
  };
  frmAloftra& f = Flights();
  add("flight Speed1", f.Speed1, UnitKind::kSpeed);
  add("flight Speed2", f.Speed2, UnitKind::kSpeed);
  add("flight Alt1", f.Alt1, UnitKind::kAltitude);
  add("flight Alt2", f.Alt2, UnitKind::kAltitude);
  add("flight Alt3", f.Alt3, UnitKind::kAltitude);
  add("flight Alt4", f.Alt4, UnitKind::kAltitude);
  add("flight Rate1", f.Rate1, UnitKind::kClimbRate);
  add("flight Rate2", f.Rate2, UnitKind::kClimbRate);
  add("flight Dist1", f.Dist1, UnitKind::kDistance);
  add("site Alt1", Sites().Alt1, UnitKind::kAltitude);
  add("site Alt2", Sites().Alt2, UnitKind::kAltitude);
  add("site Dist1", Sites().Dist1, UnitKind::kDistance);
  add("glider Alt1", Gliders().Alt1, UnitKind::kAltitude);
  add("glider Alt2", Gliders().Alt2, UnitKind::kAltitude);
  add("glider Dist1", Gliders().Dist1, UnitKind::kDistance);
  add("glider Weight1", Gliders().Weight1, UnitKind::kWeight);
  add("glider Weight2", Gliders().Weight2, UnitKind::kWeight);
  frmSummary& s = Summary();
  add("summary Alt1", s.Alt1, UnitKind::kAltitude);
  add("summary Alt2", s.Alt2, UnitKind::kAltitude);
  add("summary Alt3", s.Alt3, UnitKind::kAltitude);
  add("summary Alt4", s.Alt4, UnitKind::kAltitude);
  add("summary Dist1", s.Dist1, UnitKind::kDistance);
  add("summary Dist2", s.Dist2, UnitKind::kDistance);

  struct Choice {
    std::initializer_list<UnitButton> buttons;
    std::array<const char*, 5> captions;  // by UnitKind
    const char* altitudeInfo;
  };
  const Choice choices[] = {
      {{kUnitKmh, kUnitMetres, kUnitMetresPerSecond, kUnitKilometres, kUnitKilograms},
       {"km/h", "m", "m/s", "km", "kg"},
       "Altitude Info (meters)"},
      {{kUnitKnots, kUnitFeet, kUnitMiles},
       {"knots", "feet", "m/s", "miles", "kg"},
       "Altitude Info (feet)"},
      {{kUnitMph, kUnitMetres, kUnitFpm, kUnitPounds},
       {"mph", "m", "fpm", "miles", "lbs"},
       "Altitude Info (meters)"},
  };
  for (const Choice& choice : choices) {
    ChooseUnits(choice.buttons);
    EXPECT_FALSE(Units().Visible());
    for (const UnitLabel& label : labels) {
      EXPECT_EQ(label.caption(), choice.captions[static_cast<int>(label.kind)])
          << label.name << " after choosing " << choice.captions[0];
    }
    EXPECT_EQ(Sites().Alt3.Caption(), choice.altitudeInfo);
  }
  EXPECT_EQ(Book().UNIT_FLAGS, (UnitFlags{1, 0, 0, 0, 1, 1, 0, 1, 0, 1, 0, 1, 0}));
  EXPECT_TRUE(Book().doc.modified);
  EXPECT_TRUE(Flights().Enabled());
}

TEST_F(UnitsDialogTest, EntriesShownAsStoredAreShownAgainInTheNewUnits) {
  ShowPointAndFalcon();
  ChooseUnits(
      {kUnitKmh, kUnitMetres, kUnitMetresPerSecond, kUnitKilometres, kUnitKilograms, kUnit24Hour});

  EXPECT_EQ(Flights().LaunchMSL.Text(), "366");  // 1200 feet
  EXPECT_EQ(Flights().MaxMSL.Text(), "1524");    // 5000 feet
  EXPECT_EQ(Flights().BaseWind.Text(), "20");    // 12.4 mph
  EXPECT_EQ(Flights().MaxLift.Text(), "2.03");   // 400 fpm
  EXPECT_EQ(Flights().Distance.Text(), "40.0");  // 24.86 miles
  EXPECT_EQ(Flights().TimeOfDay.Text(), "12:00");
  EXPECT_EQ(Flights().LaunchMSL.ForeColor(), kBlack);
  EXPECT_EQ(Sites().LaunchMSL.Text(), "366");
  EXPECT_EQ(Sites().Highest.Text(), "1524");
  EXPECT_EQ(Gliders().WeightMin.Text(), "68");   // 150 lbs
  EXPECT_EQ(Gliders().WeightMax.Text(), "100");  // 220 lbs
  EXPECT_EQ(Gliders().Highest.Text(), "1524");
  EXPECT_EQ(Summary().H_Highest.Text(), "1524");
  EXPECT_EQ(Summary().H_Distance.Text(), "40.0");
  // Shown again, not edited: nothing asks to be saved.
  EXPECT_EQ(Flights().State, EditState::kClean);
  EXPECT_EQ(Sites().State, EditState::kClean);
  EXPECT_EQ(Gliders().State, EditState::kClean);
}

// Numbers typed before the units changed stay as typed and are read in the new units when
// the entry is entered.
TEST_F(UnitsDialogTest, AnEditedEntryKeepsItsTypedNumbersAndEntersThemInTheNewUnits) {
  ShowPointAndFalcon();
  TypeInto(Flights().LaunchMSL, "1500");
  TypeInto(Sites().LaunchMSL, "800");
  TypeInto(Gliders().WeightMin, "70");
  ChooseUnits({kUnitMetres, kUnitKilograms});

  EXPECT_EQ(Flights().Alt1.Caption(), "m");
  EXPECT_EQ(Flights().LaunchMSL.Text(), "1500");
  EXPECT_EQ(Flights().LaunchMSL.ForeColor(), kRed);
  EXPECT_EQ(Flights().MaxMSL.Text(), "5000");
  EXPECT_EQ(Sites().Alt1.Caption(), "m");
  EXPECT_EQ(Sites().LaunchMSL.Text(), "800");
  EXPECT_EQ(Gliders().Weight1.Caption(), "kg");
  EXPECT_EQ(Gliders().WeightMin.Text(), "70");
  EXPECT_EQ(Gliders().WeightMax.Text(), "220");
  // The summary page has nothing to edit in these units and always shows them anew.
  EXPECT_EQ(Summary().H_Highest.Text(), "1524");

  Flights().SetFocus(Flights().Enter);
  Flights().Enter.Click();
  EXPECT_EQ(Book().flights[0].LAUNCH_MSL, 4922);  // 1500 x 3.281 = 4921.5, to the even
  EXPECT_EQ(Book().flights[0].MAX_MSL, 16405);    // 5000 as typed earlier, now metres
  Sites().Enter.Click();
  EXPECT_EQ(Book().sites[0].LAUNCH_MSL, 2625);  // 800 x 3.281 = 2624.8
  Gliders().Enter.Click();
  EXPECT_FLOAT_EQ(Book().gliders[0].WEIGHT_MIN, 154.3f);  // 70 x 2.20463
}

TEST_F(UnitsDialogTest, CancelChangesNothing) {
  Flights().OptionsMenu.Click(kOptionsUnits);
  for (UnitButton button : {kUnitKnots, kUnitMetres, kUnitMetresPerSecond, kUnitKilometres,
                            kUnitKilograms, kUnit24Hour}) {
    Units().Units[button].SetValue(true);
  }
  Units().Cancel.Click();
  EXPECT_FALSE(Units().Visible());
  EXPECT_TRUE(Flights().Enabled());
  EXPECT_EQ(Book().UNIT_FLAGS, DefaultUnitFlags());
  EXPECT_FALSE(Book().doc.modified);
  EXPECT_EQ(Flights().Alt1.Caption(), "feet");
  EXPECT_EQ(Flights().LaunchMSL.Text(), "1200");
  EXPECT_EQ(Flights().TimeOfDay.Text(), "12:00 PM");

  // Opened again, it shows the stored choice, not the one cancelled.
  Flights().OptionsMenu.Click(kOptionsUnits);
  EXPECT_TRUE(Units().Units[kUnitMph].Value());
  EXPECT_FALSE(Units().Units[kUnitKnots].Value());
  EXPECT_TRUE(Units().Units[kUnitAmPm].Value());
}

// A damaged file may hold a group with no flag set, or two: the dialog opens on the unit
// the pages show for it, and Ok writes the group back with exactly one.
TEST_F(UnitsDialogTest, ADamagedGroupOpensOnTheUnitShownAndOkRepairsIt) {
  Book().UNIT_FLAGS[kUnitFeet] = 0;
  Book().UNIT_FLAGS[kUnitKmh] = kFlagSet;
  Book().UNIT_FLAGS[kUnitAmPm] = 255;
  Flights().OptionsMenu.Click(kOptionsUnits);
  EXPECT_TRUE(Units().Units[kUnitFeet].Value());
  EXPECT_FALSE(Units().Units[kUnitMetres].Value());
  EXPECT_TRUE(Units().Units[kUnitMph].Value());
  EXPECT_FALSE(Units().Units[kUnitKmh].Value());
  EXPECT_TRUE(Units().Units[kUnitAmPm].Value());
  Units().Ok.Click();
  EXPECT_EQ(Book().UNIT_FLAGS, DefaultUnitFlags());
}

}  // namespace
}  // namespace aloftra::test
