#include "qt/LocalClock.h"

#include "core/DateTime.h"

namespace aloftra::qt {

DateTime ToDateTime(const QDateTime& local) {
  QDateTime time = local.toLocalTime();
  QDate date = time.date();
  QTime clock = time.time();
  return MakeDateTime(date.year(), date.month(), date.day(), clock.hour(), clock.minute(),
                      clock.second());
}

DateTime LocalNow() {
  return ToDateTime(QDateTime::currentDateTime());
}

}  // namespace aloftra::qt
