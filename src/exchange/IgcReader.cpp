#include "exchange/IgcReader.h"

#include <fstream>
#include <sstream>

#include "core/TextEncoding.h"
#include "exchange/IgcLineReader.h"
#include "exchange/IgcRecords.h"

namespace aloftra {

namespace {

constexpr int kSecondsPerDay = 86400;
// A fix earlier than the one before by more than this is the next UTC day; a smaller step
// back is a recorder repeating itself, and the fix is skipped.
constexpr int kMidnightJump = 12 * 3600;
// No recorder runs for a year; past that the times are garbage and the fixes are skipped,
// which also keeps the seconds far from overflowing.
constexpr int kMaxDays = 366;

class TrackBuilder {
 public:
  explicit TrackBuilder(IgcTrack& track) : track_(track) {}

  void Line(std::string_view line, bool tooLong) {
    if (tooLong) {
      ++track_.damagedLines;
      return;
    }
    if (firstLine_) line = WithoutByteOrderMark(line);
    firstLine_ = false;
    if (line.empty()) return;
    switch (line[0]) {
      case 'A':
        if (!seenA_) track_.header.recorder = DecodeFileText(line.substr(1));
        seenA_ = true;
        return;
      case 'H':
        if (!ApplyIgcHeaderLine(line, track_.header)) ++track_.damagedLines;
        return;
      case 'I':
        if (std::optional<std::vector<IgcExtension>> columns = ParseIgcIRecord(line)) {
          track_.header.extensions = std::move(*columns);
        } else {
          ++track_.damagedLines;
        }
        return;
      case 'B':
        Fix(line);
        return;
      default:
        return;  // the other records carry nothing the logbook uses
    }
  }

  void Finish() {
    // A column that stays 0 all through the flight was never measured: phones without a
    // barometer write 0 for the pressure altitude.
    bool pressure = false;
    bool gnss = false;
    for (const IgcFix& fix : track_.fixes) {
      pressure = pressure || fix.pressureAltitude != 0;
      gnss = gnss || fix.gnssAltitude != 0;
    }
    track_.hasPressureAltitude = pressure;
    track_.hasGnssAltitude = gnss;
    for (IgcFix& fix : track_.fixes) {
      if (!pressure) fix.pressureAltitude.reset();
      if (!gnss) fix.gnssAltitude.reset();
    }
  }

 private:
  void Fix(std::string_view line) {
    std::optional<IgcBRecord> record = ParseIgcBRecord(line, track_.header.extensions);
    if (!record) {
      ++track_.damagedLines;
      return;
    }
    int seconds = dayOffset_ + record->secondsOfDay;
    if (seconds <= lastSeconds_) {
      if (lastSeconds_ - seconds > kMidnightJump && dayOffset_ < kMaxDays * kSecondsPerDay) {
        dayOffset_ += kSecondsPerDay;
        seconds += kSecondsPerDay;
      } else {
        ++track_.skippedFixes;
        return;
      }
    }
    // The time goes on even past a fix without position, so a later fix at the same time
    // is still a repeat.
    lastSeconds_ = seconds;
    if (!record->valid) {
      ++track_.skippedFixes;
      return;
    }
    track_.fixes.push_back({seconds, record->latitude, record->longitude, record->pressureAltitude,
                            record->gnssAltitude});
  }

  IgcTrack& track_;
  bool firstLine_ = true;
  bool seenA_ = false;
  int dayOffset_ = 0;
  int lastSeconds_ = -1;  // before the first fix
};

}  // namespace

std::string IgcNoFixMessage(const std::string& fileName) {
  return "The track file \"" + fileName + "\" holds no usable position fix.";
}

std::string IgcCannotOpenMessage(const std::string& fileName) {
  return "The track file \"" + fileName + "\" cannot be opened.";
}

IgcReadResult ReadIgc(std::istream& in, const std::string& fileName) {
  IgcReadResult result;
  TrackBuilder builder(result.track);
  IgcLineReader lines(in, kIgcMaxLineLength);
  std::string_view line;
  bool tooLong = false;
  while (lines.Next(line, tooLong))
    builder.Line(line, tooLong);
  builder.Finish();
  if (result.track.fixes.empty()) result.message = IgcNoFixMessage(fileName);
  return result;
}

IgcReadResult ReadIgcText(std::string_view text, const std::string& fileName) {
  std::istringstream in{std::string(text)};
  return ReadIgc(in, fileName);
}

IgcReadResult ReadIgcFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    IgcReadResult refused;
    refused.message = IgcCannotOpenMessage(path);
    return refused;
  }
  return ReadIgc(in, path);
}

}  // namespace aloftra
