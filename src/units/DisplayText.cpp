#include "units/DisplayText.h"

#include "core/Numbers.h"

namespace aloftra {

namespace {

std::string HoursAndMinutes(unsigned long minutes) {
  unsigned long hours = minutes / 60;
  unsigned long rest = minutes % 60;
  std::string text = std::to_string(hours);
  text += rest < 10 ? ":0" : ":";
  text += std::to_string(rest);
  return text;
}

}  // namespace

std::string FormatAirtime(long minutes) {
  if (minutes == 0) return "";
  // The magnitude is taken in unsigned arithmetic so that even the most negative value has
  // one; splitting a negative total the plain way would give texts such as "-1:-15".
  if (minutes < 0) return "-" + HoursAndMinutes(0UL - static_cast<unsigned long>(minutes));
  return HoursAndMinutes(static_cast<unsigned long>(minutes));
}

std::string FormatCount(long value) {
  if (value == 0) return "";
  return FormatInteger(value);
}

}  // namespace aloftra
