// DE405Coverage: the days that the DE405 files present in the program's JPL
// folder serve, as the reader picks them: file k serves the days from its
// first block on, up to the start of the next file's range or the end of its
// own last block, whichever comes first. A file that cannot be read serves
// nothing. Neighbouring spans are joined.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "core/Constants.h"
#include "core/de405/DE405.h"
#include "core/de405/DE405Format.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/runtime/TextFile.h"

using namespace de405;

namespace {

using astro::kJulianDayJ2000;
using astro::kDaysPerJulianYear;

// The first day of the file's first block and the end of its last block;
// walks the file's blocks as the reader reads them.
DE405DaySpan blocksOfFile(const std::string& path) {
  const int file = FreeFile();
  Open(path, OpenMode::Input, file);
  DE405DaySpan span{0, 0};
  try {
    for (bool first = true; !EndOfFile(file); first = false) {
      InputNumber(file);  // the block's number
      if (InputNumber(file) != kValuesPerBlock)
        throw RuntimeError(ErrorCode::TypeMismatch, "DE405 block: not 1018 values");
      const double start = InputNumber(file), end = InputNumber(file);
      for (long i = 3; i <= kNumbersPerBlock; ++i) InputNumber(file);
      if (first) span.first = start;
      span.end = end;
    }
  } catch (...) {
    Close(file);
    throw;
  }
  Close(file);
  return span;
}

// A Julian Day as a year with two decimals (Julian years from J2000).
std::string yearText(double julianDay) {
  return Str(std::floor((2000 + (julianDay - kJulianDayJ2000) / kDaysPerJulianYear) * 100) / 100);
}

}  // namespace

std::vector<DE405DaySpan> DE405Coverage() {
  std::vector<DE405DaySpan> spans;
  for (int k = 0; k < kFileCount; ++k) {
    std::error_code missing;
    if (!std::filesystem::is_regular_file(de405FilePath(k), missing)) continue;
    DE405DaySpan span{0, 0};
    try {
      span = blocksOfFile(de405FilePath(k));
    } catch (const RuntimeError&) {
      continue;
    }
    span.first = std::max(span.first, kFileStartJD[k]);
    span.end = std::min(span.end, kFileStartJD[k + 1]);
    if (!(span.first < span.end)) continue;
    if (!spans.empty() && spans.back().end >= span.first)
      spans.back().end = std::max(spans.back().end, span.end);
    else
      spans.push_back(span);
  }
  return spans;
}

std::string DE405CoverageText() {
  const std::vector<DE405DaySpan> spans = DE405Coverage();
  if (spans.empty()) return "В папке JPL нет файлов DE405 (ascpГГГГ.405)";
  std::string text = "Файлы DE405 в папке JPL охватывают";
  for (std::size_t i = 0; i < spans.size(); ++i) {
    text += i == 0 ? " " : "; ";
    text += "JD " + Str(spans[i].first) + " - " + Str(spans[i].end) + " (годы " + yearText(spans[i].first) +
            " - " + yearText(spans[i].end) + ")";
  }
  return text;
}
