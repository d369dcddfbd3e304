// Everything in the logbook that is not typed in: the flight number of every entry, the
// statistics of every site and glider, and the hang-gliding and paragliding pilot totals.
// They are rebuilt from zero by one walk over the flights in date order, so they depend only
// on the flights, the gliders' type flags and the previous-flights figures.
#pragma once

#include "core/Logbook.h"

namespace aloftra {

// Recomputes the derived values of the logbook. Returns false and changes nothing when the
// site table or the glider table has no slot. Refreshing the pages that show the results is
// the caller's job.
//
// A flying entry whose site index is outside the site table counts nowhere for a site; one
// whose glider index is outside the glider table counts as paragliding and for no glider.
// Counts and flight numbers stop at 32767 and airtime sums at the 32-bit limits, so the
// walk always finishes.
bool ComputeStatistics(Logbook& logbook, DateTime now);

// Whether a glider makes its flights hang-gliding flights; a glider index outside the table
// (a damaged file) counts as paragliding.
WingType WingTypeOf(const RecordTable<GliderRecord>& gliders, int gliderIndex);

}  // namespace aloftra
