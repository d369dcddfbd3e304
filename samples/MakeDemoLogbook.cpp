// Writes samples/Demo.log: two seasons of a pilot who flies both a hang glider and a
// paraglider. The sites, gliders, notes and pilot data are set into the logbook; every flight
// is typed into the flight page and entered with its Enter, and the program's own Save writes
// the file, so the demo is exactly what the program makes.
//
//   aloftra-make-demo OUT.log
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "cli/HeadlessPlatform.h"
#include "core/DateTime.h"
#include "core/PosixFileSystem.h"
#include "flights/frmAloftra.h"
#include "shell/App.h"

namespace aloftra {
namespace {

struct DemoSite {
  const char* name;
  const char* location;
  std::int16_t launch, landing;
  std::vector<int> winds;  // compass indices the site is flown in
  const char* description;
  const char* url;
};

const std::vector<DemoSite> kSites = {
    {"Point of the Mountain",
     "Draper, Utah",
     5200,
     4700,
     {10, 11, 12},
     "Smooth evening ridge soaring on the south side.",
     "https://example.org/sites/point"},
    {"Torrey Pines",
     "La Jolla, California",
     350,
     0,
     {9, 10, 8},
     "Coastal cliffs. Watch the glider port rules.",
     "https://example.org/sites/torrey"},
    {"Chelan Butte",
     "Chelan, Washington",
     3900,
     1100,
     {5, 6, 7, 8},
     "Big thermal site above the lake.",
     ""},
    {"Dog Mountain",
     "Stevenson, Washington",
     2800,
     100,
     {7, 8, 9},
     "Gorge winds: launch early.",
     ""},
    {"Ed Levin",
     "Milpitas, California",
     2300,
     300,
     {8, 9, 10},
     "Training hill and 2300 ft launch.",
     ""},
};

struct DemoGlider {
  const char* name;
  const char* manufacturer;
  const char* model;
  const char* size;
  bool hangGlider;
  float weightMin, weightMax;
  std::int32_t preAirtime;
};

const std::vector<DemoGlider> kGliders = {
    {"Falcon 4 170", "Wills Wing", "Falcon 4", "170", true, 150, 250, 3120},
    {"Litespeed RX", "Moyes", "Litespeed RX", "3.5", true, 170, 270, 0},
    {"Mantra M7", "Ozone", "Mantra M7", "MS", false, 170, 210, 540},
    {"Rush 6", "Ozone", "Rush 6", "S", false, 154, 198, 0},
};

const std::vector<const char*> kRemarks = {
    "Smooth ridge lift, a few light thermals late in the day.",
    "Strong climbs to cloud base; stayed up until sunset.",
    "Sled ride. Good landing approach practice.",
    "Rough near launch, smoothed out above the ridge.",
    "Out and back along the range with a friend.",
    "Sea breeze came in early; short flight.",
    "Best flight of the season! Climbed out twice from low.",
    "Practised big ears and spirals over the landing zone.",
};

class DemoWriter {
 public:
  DemoWriter() : platform_(MakeDateTime(2026, 11, 1, 18)), app_(platform_, files_) {}

  bool Write(const std::string& path) {
    // The program folder gets the settings file a save writes; keep it out of the way.
    std::filesystem::path programFolder =
        std::filesystem::temp_directory_path() / "aloftra-make-demo";
    std::filesystem::create_directories(programFolder);
    app_.Start("", programFolder.string());
    SetReferenceData();
    EnterSeason(2025);
    EnterSeason(2026);
    Logbook& book = app_.Book();
    book.doc.filePath = path;
    book.doc.documentName = DocumentNameFromPath(path);
    return app_.Documents().SaveLogbook();
  }

 private:
  void SetReferenceData() {
    Logbook& book = app_.Book();
    book.pilot.PILOT_NAME = "Robin Alder";
    book.pilot.EMAIL = "robin.alder@example.org";
    book.pilot.PHONE_NO = "(801) 555-0142";
    book.pilot.MEMBER_NO = "77123";
    book.pilot.REGION = 3;
    for (int award : {0, 1, 2, 10, 16, 28, 29})
      book.pilot.AWARD_FLAGS[award] = kFlagSet;
    book.totals[kHangGliding].FLIGHTS_PREV = 212;
    book.totals[kHangGliding].DAYS_PREV = 96;
    book.totals[kHangGliding].AIRTIME_PREV = 9840;
    book.totals[kParagliding].FLIGHTS_PREV = 18;
    book.totals[kParagliding].DAYS_PREV = 9;
    book.totals[kParagliding].AIRTIME_PREV = 540;

    for (const DemoSite& demo : kSites) {
      SiteRecord site;
      site.SITE_NAME = demo.name;
      site.LOCATION = demo.location;
      site.LAUNCH_MSL = demo.launch;
      site.LANDING_MSL = demo.landing;
      for (int wind : demo.winds)
        site.WIND_FLAGS[wind] = kFlagSet;
      site.DIFFICULTY[demo.launch > 3000 ? 2 : 1] = kFlagSet;
      site.DESCRIPTION = demo.description;
      site.URL = demo.url;
      book.sites.Append(site);
    }
    for (const DemoGlider& demo : kGliders) {
      GliderRecord glider;
      glider.GLIDER_NAME = demo.name;
      glider.MANUFACTURER = demo.manufacturer;
      glider.MODEL = demo.model;
      glider.SIZE = demo.size;
      glider.HANG_GLIDER = demo.hangGlider ? kOptionSet : 0;
      glider.PARAGLIDER = demo.hangGlider ? 0 : kOptionSet;
      glider.SOLO = kOptionSet;
      glider.WEIGHT_MIN = demo.weightMin;
      glider.WEIGHT_MAX = demo.weightMax;
      glider.PRE_AIRTIME = demo.preAirtime;
      if (!demo.hangGlider) glider.AFNOR[1] = kFlagSet;
      book.gliders.Append(glider);
    }
    book.topics.Append(NoteTopic{"Equipment check",
                                 "Reserve repacked March 2026.\r\nNew "
                                 "downtubes on the Falcon."});
    book.topics.Append(NoteTopic{"Goals", "Fly 100 km from Chelan.\r\nEarn the H4 rating."});
    book.topics.Append(NoteTopic{"Weather sites", "Check the soaring forecast before driving."});
    app_.Aloftra().ShowLoadedLogbook();
  }

  void EnterSeason(int year) {
    frmAloftra& page = app_.Aloftra();
    for (int month = 4; month <= 10; ++month) {
      int days = 3 + static_cast<int>(random_() % 3);
      for (int n = 0; n < days; ++n) {
        int day = 1 + static_cast<int>(random_() % 28);
        std::string date =
            std::to_string(month) + "/" + std::to_string(day) + "/" + std::to_string(year);
        if (random_() % 12 == 0) {
          EnterNonFlyingDay(page, date);
        } else {
          EnterFlight(page, date);
        }
      }
    }
  }

  void Type(TextBox& box, const std::string& text) {
    box.Parent().SetFocus(box);
    box.SetText(text);
  }

  void EnterFlight(frmAloftra& page, const std::string& date) {
    std::size_t siteIndex = random_() % kSites.size();
    const DemoSite& site = kSites[siteIndex];
    const DemoGlider& glider = kGliders[random_() % kGliders.size()];
    page.NewEntry_Click();
    Type(page.FlightDate, date);
    Type(page.TimeOfDay,
         std::to_string(10 + random_() % 7) + ":" + std::to_string(10 + random_() % 50));
    int airtime = 10 + static_cast<int>(random_() % 200);
    Type(page.AirTime, std::to_string(airtime));
    page.GliderName.SetText(glider.name);
    page.SiteName.SetText(site.name);
    int gain = static_cast<int>(random_() % 4000);
    Type(page.MaxMSL, std::to_string(site.launch + gain));
    int base = 4 + static_cast<int>(random_() % 10);
    Type(page.BaseWind, std::to_string(base));
    Type(page.PeakWind, std::to_string(base + static_cast<int>(random_() % 8)));
    Type(page.MaxLift, std::to_string(200 + random_() % 900));
    Type(page.MaxSink, std::to_string(150 + random_() % 600));
    if (gain > 2500) Type(page.Distance, std::to_string(5 + random_() % 40));
    Type(page.Remarks, kRemarks[random_() % kRemarks.size()]);
    page.Form_MouseUp(kLeftButton, 0, 4000 + 330.0 * static_cast<double>(random_() % 3), 2800);
    if (random_() % 9 == 0) page.Highlight.SetChecked(true);
    page.SetFocus(page.Enter);
    page.Enter_Click();
  }

  void EnterNonFlyingDay(frmAloftra& page, const std::string& date) {
    page.NewEntry_Click();
    Type(page.FlightDate, date);
    Type(page.TimeOfDay, "9:00 AM");
    page.NonFlying.SetChecked(true);
    Type(page.Remarks, random_() % 2 ? "Blown out at launch; ground handling in the LZ."
                                     : "Drove up, waited, rained out.");
    page.SetFocus(page.Enter);
    page.Enter_Click();
  }

  HeadlessPlatform platform_;
  PosixFileSystem files_;
  App app_;
  std::mt19937 random_{20260501};
};

}  // namespace
}  // namespace aloftra

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: aloftra-make-demo OUT.log\n");
    return 2;
  }
  aloftra::DemoWriter writer;
  if (!writer.Write(argv[1])) {
    std::fprintf(stderr, "could not write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
