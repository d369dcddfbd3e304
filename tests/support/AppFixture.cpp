#include "support/AppFixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/LogbookWriter.h"
#include "flights/frmAloftra.h"

namespace aloftra::test {

AppFixture::AppFixture() : app(std::make_unique<App>(platform, files)) {}

void AppFixture::StartApp(const std::string& commandLine) {
  app->Start(commandLine, folder.Path());
}

std::string AppFixture::PathIn(const std::string& name) const {
  return folder.Path() + "/" + name;
}

void AppFixture::WriteFile(const std::string& name, const std::string& bytes) const {
  std::ofstream out(PathIn(name), std::ios::binary);
  out << bytes;
}

std::optional<std::string> AppFixture::ReadFile(const std::string& name) const {
  std::ifstream in(PathIn(name), std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

bool AppFixture::FileExists(const std::string& name) const {
  return std::filesystem::exists(PathIn(name));
}

void AppFixture::WriteLogbook(const std::string& name, const Logbook& book) const {
  std::optional<std::string> bytes = FormatLogbookFile(book, 37000.5);
  ASSERT_TRUE(bytes.has_value());
  WriteFile(name, *bytes);
}

void AppFixture::OpenOnStart(const std::string& name, const Logbook& book) {
  WriteLogbook(name, book);
  StartApp(PathIn(name));
}

void AppFixture::TypeInto(TextBox& box, const std::string& text) {
  box.Parent().SetFocus(box);
  box.SetText(text);
}

void AppFixture::EnterFlight(const TypedFlight& flight) {
  frmAloftra& page = app->Aloftra();
  page.NewEntry.Click();
  TypeInto(page.FlightDate, flight.date);
  TypeInto(page.TimeOfDay, flight.time);
  if (flight.nonFlying) page.NonFlying.SetChecked(true);
  if (!flight.nonFlying) TypeInto(page.AirTime, flight.airtime);
  if (!flight.glider.empty()) page.GliderName.SetText(flight.glider);
  if (flight.tandem) page.Places[1].SetValue(true);
  if (!flight.site.empty()) page.SiteName.SetText(flight.site);
  struct Field {
    TextBox* box;
    const std::string* text;
  };
  for (Field field :
       {Field{&page.LaunchMSL, &flight.launch}, Field{&page.MaxMSL, &flight.maxMsl},
        Field{&page.OverLaunch, &flight.overLaunch}, Field{&page.LandingMSL, &flight.landing},
        Field{&page.BaseWind, &flight.baseWind}, Field{&page.PeakWind, &flight.peakWind},
        Field{&page.MaxLift, &flight.maxLift}, Field{&page.MaxSink, &flight.maxSink},
        Field{&page.Distance, &flight.distance}, Field{&page.Remarks, &flight.remarks}}) {
    if (!field.text->empty()) TypeInto(*field.box, *field.text);
  }
  if (flight.highlight) page.Highlight.SetChecked(true);
  page.SetFocus(page.Enter);
  page.Enter.Click();
}

}  // namespace aloftra::test
