#include "units/UnitChoice.h"

#include <array>
#include <span>

namespace aloftra {

namespace {

constexpr std::array<UnitButton, 3> kSpeedButtons = {kUnitMph, kUnitKmh, kUnitKnots};
constexpr std::array<UnitButton, 2> kAltitudeButtons = {kUnitFeet, kUnitMetres};
constexpr std::array<UnitButton, 2> kClimbRateButtons = {kUnitFpm, kUnitMetresPerSecond};
constexpr std::array<UnitButton, 2> kDistanceButtons = {kUnitMiles, kUnitKilometres};
constexpr std::array<UnitButton, 2> kWeightButtons = {kUnitPounds, kUnitKilograms};
constexpr std::array<UnitButton, 2> kTimeOfDayButtons = {kUnitAmPm, kUnit24Hour};

// Captions of the option buttons, indexed by button.
constexpr std::array<const char*, kUnitFlagCount> kButtonCaptions = {
    "mph",   "km/h", "knots", "feet", "m",     "fpm",    "m/s",
    "miles", "km",   "lbs",   "kg",   "AM/PM", "24-Hour"};

std::span<const UnitButton> ButtonsOf(UnitKind kind) {
  switch (kind) {
    case UnitKind::kSpeed:
      return kSpeedButtons;
    case UnitKind::kAltitude:
      return kAltitudeButtons;
    case UnitKind::kClimbRate:
      return kClimbRateButtons;
    case UnitKind::kDistance:
      return kDistanceButtons;
    case UnitKind::kWeight:
      return kWeightButtons;
  }
  return kSpeedButtons;
}

// The first button of a group whose flag holds exactly 1, else the group's first button.
UnitButton ChosenInGroup(std::span<const UnitButton> group, const UnitFlags& flags) {
  for (UnitButton button : group) {
    if (flags[button] == kFlagSet) return button;
  }
  return group.front();
}

}  // namespace

UnitButton ChosenUnit(UnitKind kind, const UnitFlags& flags) {
  return ChosenInGroup(ButtonsOf(kind), flags);
}

const char* UnitButtonCaption(UnitButton button) {
  return kButtonCaptions[button];
}

std::string UnitCaption(UnitKind kind, const UnitFlags& flags) {
  return UnitButtonCaption(ChosenUnit(kind, flags));
}

std::string AltitudeInfoCaption(const UnitFlags& flags) {
  return UsesMetres(flags) ? "Altitude Info (meters)" : "Altitude Info (feet)";
}

bool UsesMetres(const UnitFlags& flags) {
  return ChosenUnit(UnitKind::kAltitude, flags) == kUnitMetres;
}

bool Uses24Hour(const UnitFlags& flags) {
  return ChosenInGroup(kTimeOfDayButtons, flags) == kUnit24Hour;
}

bool ClimbRateInFpm(const UnitFlags& flags) {
  return ChosenUnit(UnitKind::kClimbRate, flags) == kUnitFpm;
}

}  // namespace aloftra
