// Print #: lines of items in print zones or joined, written in Windows-1251.
#include <algorithm>

#include "core/runtime/NumberText.h"
#include "core/runtime/TextFileTable.h"

namespace {

constexpr std::size_t kPrintZoneWidth = 14;
constexpr char kLineEnd[] = "\r\n";

std::string signBlankAndTrailingBlank(const std::string& digits) {
  return (digits.front() == '-' ? "" : " ") + digits + " ";
}

// Where the item after a comma begins (columns from 0): the first zone
// start at or past the first free column and past the column where the
// previous item began, so an empty item still moves on by one zone.
std::size_t nextZoneStart(std::size_t freeColumn, std::size_t previousItemStart) {
  const std::size_t earliest = std::max(freeColumn, previousItemStart + 1);
  return (earliest + kPrintZoneWidth - 1) / kPrintZoneWidth * kPrintZoneWidth;
}

void writeLine(int fileNumber, const std::string& bytes) {
  writeBytes(fileOpenForWriting(fileNumber), bytes + kLineEnd);
}

}  // namespace

std::string printedNumber(double value) { return signBlankAndTrailingBlank(Str(value)); }

std::string printedNumber(float value) { return signBlankAndTrailingBlank(StrSingle(value)); }

void PrintZones(int fileNumber, const std::vector<PrintItem>& items) {
  fileOpenForWriting(fileNumber);  // refuse a bad number before any work
  std::string line;
  std::size_t freeColumn = 0, itemStart = 0;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) {
      const std::size_t zoneStart = nextZoneStart(freeColumn, itemStart);
      line.append(zoneStart - freeColumn, ' ');
      freeColumn = zoneStart;
    }
    itemStart = freeColumn;
    const std::string bytes = utf8ToCp1251(items[i].text());
    line += bytes;
    const std::size_t lastLineEnd = bytes.find_last_of('\n');
    if (lastLineEnd == std::string::npos) {
      freeColumn += bytes.size();
    } else {  // a text holding line ends: columns count from its last line
      itemStart = 0;
      freeColumn = bytes.size() - lastLineEnd - 1;
    }
  }
  writeLine(fileNumber, line);
}

void PrintJoined(int fileNumber, const std::vector<PrintItem>& items) {
  fileOpenForWriting(fileNumber);
  std::string line;
  for (const PrintItem& item : items) line += utf8ToCp1251(item.text());
  writeLine(fileNumber, line);
}
