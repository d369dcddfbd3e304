#include "units/AltitudeBounds.h"

#include "units/UnitChoice.h"

namespace aloftra {

namespace {

AltitudeBounds BoundsInFeet(AltitudeField field) {
  switch (field) {
    case AltitudeField::kLaunch:
      return {-500, 30000, "Invalid launch altitude (-500 min, 30000 max)."};
    case AltitudeField::kMax:
      return {-500, 30000, "Invalid max altitude (-500 min, 30000 max)."};
    case AltitudeField::kOverLaunch:
      return {0, 30000, "Invalid over launch altitude (30000 max)."};
    case AltitudeField::kLanding:
      return {-500, 30000, "Invalid landing altitude (-500 min, 30000 max)."};
  }
  return {};
}

AltitudeBounds BoundsInMetres(AltitudeField field) {
  switch (field) {
    case AltitudeField::kLaunch:
      return {-150, 9100, "Invalid launch altitude (-150 min, 9100 max)."};
    case AltitudeField::kMax:
      return {-150, 9100, "Invalid max altitude (-150 min, 9100 max)."};
    case AltitudeField::kOverLaunch:
      return {0, 9100, "Invalid over launch altitude (9100 max)."};
    case AltitudeField::kLanding:
      return {-150, 9100, "Invalid landing altitude (-150 min, 9100 max)."};
  }
  return {};
}

}  // namespace

AltitudeBounds AltitudeFieldBounds(AltitudeField field, const UnitFlags& flags) {
  return UsesMetres(flags) ? BoundsInMetres(field) : BoundsInFeet(field);
}

}  // namespace aloftra
