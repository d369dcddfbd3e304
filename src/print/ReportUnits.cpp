#include "print/ReportUnits.h"

#include "core/DateTime.h"
#include "units/ConvertUnit.h"

namespace aloftra {

std::string WithUnit(const Logbook& book, double stored, UnitKind kind, bool isSigned) {
  return DisplayStored(stored, kind, isSigned, book.UNIT_FLAGS) + " " +
         UnitCaption(kind, book.UNIT_FLAGS);
}

std::string ReportDateAndTime(const Logbook& book, DateTime when) {
  std::string time = Uses24Hour(book.UNIT_FLAGS) ? FormatTime24(when) : FormatTimeAmPm(when);
  return FormatLongDate(when) + " - " + time;
}

}  // namespace aloftra
