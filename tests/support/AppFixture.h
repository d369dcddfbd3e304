// A whole program for scenario tests: an App on a scripted platform and the real file
// system, started in a fresh temporary folder (the program folder), and a driver that types
// a flight into the flight page the way a pilot does, field by field with the focus moving
// on. The logbooks the scenarios open are built with support/LogbookBuilder.h.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "core/Logbook.h"
#include "core/PosixFileSystem.h"
#include "form/TextBox.h"
#include "shell/App.h"
#include "support/FaultyFileSystem.h"
#include "support/LogbookBuilder.h"
#include "support/ScriptedPlatform.h"

namespace aloftra::test {

// What a pilot types for one flight; empty texts are left alone.
struct TypedFlight {
  std::string date{};
  std::string time = "12:00 PM";
  std::string airtime = "1:00";
  std::string glider{};
  std::string site{};
  bool tandem = false;
  std::string launch{};
  std::string maxMsl{};
  std::string overLaunch{};
  std::string landing{};
  std::string baseWind{};
  std::string peakWind{};
  std::string maxLift{};
  std::string maxSink{};
  std::string distance{};
  std::string remarks{};
  bool nonFlying = false;
  bool highlight = false;
};

class AppFixture : public ::testing::Test {
 protected:
  AppFixture();

  // Starts the program as its main window's load does, with this command line.
  void StartApp(const std::string& commandLine = "");
  std::string PathIn(const std::string& name) const;
  void WriteFile(const std::string& name, const std::string& bytes) const;
  std::optional<std::string> ReadFile(const std::string& name) const;
  bool FileExists(const std::string& name) const;
  // Saves a logbook into the folder as the program itself would write it.
  void WriteLogbook(const std::string& name, const Logbook& book) const;
  // Starts the program on a logbook written into the folder.
  void OpenOnStart(const std::string& name, const Logbook& book);

  // Types a flight into the flight page and presses Enter.
  void EnterFlight(const TypedFlight& flight);
  void TypeInto(TextBox& box, const std::string& text);

  ScriptedPlatform platform;
  PosixFileSystem files;
  TempFolder folder;
  std::unique_ptr<App> app;
};

}  // namespace aloftra::test
