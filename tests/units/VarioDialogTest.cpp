// The vario dialog, opened from the Options menu: the vario scale in the climb-rate unit
// shown, and the colour of every display-only box.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UnitDialogFixture.h"

namespace aloftra::test {
namespace {

class VarioDialogTest : public UnitDialogTest {
 protected:
  void OpenVario() { Flights().OptionsMenu.Click(kOptionsVario); }
  std::vector<std::string> ScaleCaptions() {
    std::vector<std::string> captions;
    Vario().Vario.ForEach([&captions](OptionButton& b) { captions.push_back(b.Caption()); });
    return captions;
  }
  int SelectedScale() {
    for (int scale = 0; scale < kVarioScales; ++scale) {
      if (Vario().Vario[scale].Value()) return scale;
    }
    return -1;
  }
  // Every display-only box of the flight, glider, site and summary pages.
  std::vector<const TextBox*> DisplayOnlyBoxes() {
    frmAloftra& f = Flights();
    frmGliders& g = Gliders();
    frmSiteList& s = Sites();
    frmSummary& m = Summary();
    return {&f.FlightNo,      &f.SiteLocation,    &g.TotalGliders,    &g.Longest,
            &g.Highest,       &g.OverLaunch,      &g.Distance,        &g.FlyingDays,
            &g.Flights,       &g.TotalAirtime,    &s.TotalSites,      &s.Longest,
            &s.Highest,       &s.OverLaunch,      &s.Distance,        &s.FlyingDays,
            &s.Flights,       &s.TotalAirtime,    &s.AvgAirtime,      &m.H_Longest,
            &m.H_Highest,     &m.H_OverLaunch,    &m.H_Distance,      &m.H_GlidersFlown,
            &m.H_SitesFlown,  &m.H_HowLong,       &m.H_DaysSolo,      &m.H_DaysTandem,
            &m.H_DaysTotal,   &m.H_FlightsSolo,   &m.H_FlightsTandem, &m.H_FlightsTotal,
            &m.H_AirtimeSolo, &m.H_AirtimeTandem, &m.H_AirtimeTotal,  &m.P_Longest,
            &m.P_Highest,     &m.P_OverLaunch,    &m.P_Distance,      &m.P_GlidersFlown,
            &m.P_SitesFlown,  &m.P_HowLong,       &m.P_DaysSolo,      &m.P_DaysTandem,
            &m.P_DaysTotal,   &m.P_FlightsSolo,   &m.P_FlightsTandem, &m.P_FlightsTotal,
            &m.P_AirtimeSolo, &m.P_AirtimeTandem, &m.P_AirtimeTotal};
  }
  void ExpectBackColor(Color expected) {
    for (const TextBox* box : DisplayOnlyBoxes()) {
      EXPECT_EQ(box->BackColor(), expected) << box->Parent().Name() << "." << box->Name();
    }
  }
};

constexpr Color kLightGrey = Rgb(220, 220, 220);

// "6 m/s" is the third scale; after a switch back to fpm the same scale reads "1,200 fpm".
TEST_F(VarioDialogTest, ScalesReadInTheClimbRateUnitAndKeepTheirPlaceAcrossAUnitChange) {
  ChooseUnits({kUnitMetresPerSecond});
  OpenVario();
  EXPECT_EQ(Vario().Caption(), "Vario Display");
  EXPECT_EQ(ScaleCaptions(), (std::vector<std::string>{"2 m/s", "4 m/s", "6 m/s", "8 m/s"}));
  EXPECT_EQ(SelectedScale(), kDefaultVarioScale);
  Vario().Vario[2].SetValue(true);
  Vario().Ok.Click();
  EXPECT_EQ(Book().VARIO_SCALE, 2);

  ChooseUnits({kUnitFpm});
  OpenVario();
  EXPECT_EQ(ScaleCaptions(),
            (std::vector<std::string>{"400 fpm", "800 fpm", "1,200 fpm", "1,600 fpm"}));
  EXPECT_EQ(SelectedScale(), 2);
}

TEST_F(VarioDialogTest, AStoredScaleAboveThreeOpensOn800FpmAndIsKeptUnlessOkIsPressed) {
  Book().VARIO_SCALE = 7;
  OpenVario();
  EXPECT_EQ(SelectedScale(), 1);
  EXPECT_EQ(Vario().Vario[1].Caption(), "800 fpm");
  Vario().Cancel.Click();
  EXPECT_EQ(Book().VARIO_SCALE, 7);
  EXPECT_FALSE(Book().doc.modified);

  OpenVario();
  Vario().Ok.Click();
  EXPECT_EQ(Book().VARIO_SCALE, 1);
}

// Ok marks the logbook modified even when nothing was changed; Cancel changes nothing.
TEST_F(VarioDialogTest, OkAlwaysMarksTheLogbookModifiedAndCancelChangesNothing) {
  OpenVario();
  EXPECT_TRUE(Vario().ColorMode.Checked());
  EXPECT_EQ(Vario().ColorMode.Caption(), "Full Color Display");
  Vario().Vario[3].SetValue(true);
  Vario().ColorMode.Toggle();
  Vario().Cancel.Click();
  EXPECT_EQ(Book().VARIO_SCALE, kDefaultVarioScale);
  EXPECT_EQ(Book().doc.COLOR_MODE, 1);
  ExpectBackColor(kLightGrey);
  EXPECT_FALSE(Book().doc.modified);
  EXPECT_TRUE(Flights().Enabled());

  OpenVario();
  Vario().Ok.Click();
  EXPECT_TRUE(Book().doc.modified);
  EXPECT_EQ(Book().VARIO_SCALE, kDefaultVarioScale);
  EXPECT_FALSE(Vario().Visible());
}

TEST_F(VarioDialogTest, TheColourModeReachesEveryDisplayOnlyBoxAtOnce) {
  ExpectBackColor(kLightGrey);
  const Color entryField = Flights().LaunchMSL.BackColor();
  OpenVario();
  Vario().ColorMode.SetChecked(false);
  Vario().Ok.Click();
  EXPECT_EQ(Book().doc.COLOR_MODE, 0);
  ExpectBackColor(kWhite);
  // The entry fields are not display-only boxes.
  EXPECT_EQ(Flights().LaunchMSL.BackColor(), entryField);

  OpenVario();
  EXPECT_FALSE(Vario().ColorMode.Checked());
  Vario().ColorMode.SetChecked(true);
  Vario().Ok.Click();
  ExpectBackColor(kLightGrey);
  EXPECT_EQ(Flights().LaunchMSL.BackColor(), entryField);
}

}  // namespace
}  // namespace aloftra::test
