// The flying-days rule. The statistics walk the flights in ascending date order, so a flight
// starts a new flying day exactly when no day has been counted yet or its day is later than
// the last day counted. A day is the whole-day part of DATE, truncated toward zero, so every
// flight of one calendar date shares a day whatever its time of day.
#pragma once

#include <limits>

#include "core/DateTime.h"

namespace aloftra {

// The day of a flight: DayPart, with the common case of a date in the program's range done
// inline, where converting to an integer truncates toward zero just as DayPart does. The
// statistics take the day of every flight, so this is the inner loop of their walk.
inline long FlightDay(DateTime date) {
  if (date >= static_cast<double>(kMinSerial) && date < static_cast<double>(kMaxSerial + 1)) {
    return static_cast<long>(date);
  }
  return DayPart(date);
}

class FlyingDayCounter {
 public:
  // Whether the day is a new flying day; if so it becomes the last day counted. "Nothing
  // counted yet" is a last day before any real one rather than day 0, so flights dated
  // 1899-12-30 (day 0) are counted like any other day. There is no branch: whether a flight
  // starts a new day at a site or on a glider is close to random along the walk, and a
  // mispredicted branch costs more than the rest of the count.
  bool Count(long day) {
    const bool isNew = day > lastDay_;
    lastDay_ = isNew ? day : lastDay_;
    return isNew;
  }

  bool Counted() const { return lastDay_ != kNone; }
  long LastDay() const { return lastDay_; }

 private:
  static constexpr long kNone = std::numeric_limits<long>::min();
  long lastDay_ = kNone;
};

}  // namespace aloftra
