// The cell values of an ancient table's workbook as the spreadsheet helper
// sends them back: one reply line of tab-separated kinds and fields, taken
// apart and read as numbers and texts the way the table readers read them.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/spreadsheet/Spreadsheet.h"
#include "core/spreadsheet/SpreadsheetBridge.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::string line(reinterpret_cast<const char*>(data), size);
  line = line.substr(0, line.find('\n'));  // the helper's replies are single lines
  const auto reply = splitFields(line);
  std::vector<CellValue> values;
  // An odd field count checks the refusal of a reply of the wrong length.
  fuzz::runReader([&] { values = cellValuesFromReply(reply, reply.size() / 2); });
  for (const CellValue& cell : values) {
    fuzz::runReader([&] { (void)cellNumber(cell); });
    fuzz::runReader([&] { (void)cellText(cell); });
  }
  return 0;
}
