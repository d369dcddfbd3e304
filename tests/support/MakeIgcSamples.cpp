// aloftra-make-igc-samples FOLDER: writes the sample track files of samples/igc from known
// routes, so they can be made again whenever the generator changes.
#include <cstdio>
#include <fstream>
#include <string>

#include "support/IgcTrackGenerator.h"

namespace {

bool Write(const std::string& folder, const std::string& name, const aloftra::RoutePlan& plan,
           const aloftra::IgcFileOptions& options) {
  std::ofstream out(folder + "/" + name, std::ios::binary);
  out << aloftra::WriteIgc(plan, aloftra::FlyRoute(plan).fixes, options);
  out.close();
  if (!out) std::fprintf(stderr, "aloftra-make-igc-samples: cannot write %s\n", name.c_str());
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: aloftra-make-igc-samples FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  aloftra::IgcFileOptions everyOther;
  everyOther.everyNthFix = 2;

  // A closed triangle in the Alps, the recorder set to central European summer time.
  aloftra::RoutePlan alps;
  alps.launch = {45.9, 6.1};
  alps.route = {{46.0, 6.1}, {45.95, 6.22}, {45.901, 6.102}};
  aloftra::IgcFileOptions alpsFile = everyOther;
  alpsFile.timeZone = "HFTZNTIMEZONE:2";

  // An out-and-return in the Andes logged by a phone: no barometer, the old date form.
  aloftra::RoutePlan andes;
  andes.year = 2022;
  andes.month = 1;
  andes.day = 8;
  andes.startSeconds = 15 * 3600;
  andes.launch = {-33.5, -70.5};
  andes.route = {{-33.35, -70.4}, {-33.498, -70.497}};
  andes.launchAltitude = 2600;
  andes.landingAltitude = 900;
  aloftra::IgcFileOptions andesFile = everyOther;
  andesFile.oldDateForm = true;
  andesFile.withPressure = false;
  andesFile.withExtension = false;

  // A straight evening flight in the Owens Valley that lands after UTC midnight; the file
  // states no time zone, so local time is the computer's.
  aloftra::RoutePlan owens;
  owens.month = 6;
  owens.day = 20;
  owens.startSeconds = 23 * 3600 + 40 * 60;
  owens.launch = {37.3, -118.3};
  owens.route = {{37.5, -118.2}};
  owens.launchAltitude = 2900;
  owens.landingAltitude = 1250;

  const bool ok = Write(folder, "alps-triangle.igc", alps, alpsFile) &&
                  Write(folder, "andes-out-and-return.igc", andes, andesFile) &&
                  Write(folder, "owens-straight-past-midnight.igc", owens, everyOther);
  return ok ? 0 : 1;
}
