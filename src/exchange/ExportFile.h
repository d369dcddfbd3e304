// The three comma-delimited export files: the flights in date order, the sites and the
// gliders in the alphabetical order of their pages' lists, each headed by a line of column
// names. Measured values are written in the units the logbook shows; the file does not say
// which. An export reads the logbook and never changes it.
#pragma once

#include <string>

#include "core/FileSystem.h"
#include "core/Logbook.h"
#include "core/SafeFileWriter.h"

namespace aloftra {

enum class ExportKind { kFlights = 0, kSites = 1, kGliders = 2 };
inline constexpr int kExportKinds = 3;

inline constexpr int kFlightColumns = 25;
inline constexpr int kSiteColumns = 13;
inline constexpr int kGliderColumns = 18;

// The whole text of a file. Every live flight is written, whatever order or filter the
// flight page uses; every live site and glider is written once.
std::string FlightsExportText(const Logbook& book);
std::string SitesExportText(const Logbook& book);
std::string GlidersExportText(const Logbook& book);
std::string ExportText(const Logbook& book, ExportKind kind);

// Writes the file of a kind at path, replacing any file there. A failure leaves whatever
// was at path untouched and no part of the new file behind.
WriteResult WriteExportFile(FileSystem& fs, const std::string& path, const Logbook& book,
                            ExportKind kind);

// "Cannot open file '<path>'.", the message of a failed export.
std::string CannotOpenFileMessage(const std::string& path);

}  // namespace aloftra
