// The whole logbook as one JSON document, written record by record so even a logbook of
// 32,767 flights never needs a second copy of itself in memory.
#pragma once

#include <ostream>

#include "core/Logbook.h"

namespace aloftra {

// Every slot of every table at its index (a free slot as null), each record's fields under
// the logbook's own names, DATE as "yyyy-mm-dd hh:mm:ss", flag groups as arrays of integers,
// and the flight orders under the captions of their sort keys.
void WriteLogbookJson(std::ostream& out, const Logbook& book);

}  // namespace aloftra
