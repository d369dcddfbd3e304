// The desktop's clock as the program counts time: days since 30 December 1899, local time,
// the time of day as the fraction.
#pragma once

#include <QDateTime>

#include "core/Records.h"

namespace aloftra::qt {

DateTime ToDateTime(const QDateTime& local);
DateTime LocalNow();

}  // namespace aloftra::qt
