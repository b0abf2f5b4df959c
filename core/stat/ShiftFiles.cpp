#include "core/stat/ShiftFiles.h"

#include <vector>

#include "core/runtime/NumberText.h"
#include "core/runtime/TextFile.h"
#include "core/state/SharedState.h"
#include "core/stat/ScaledNumbers.h"

std::string modelShiftFileName(int plan, int body) {
  return "\\Plan" + Str(plan) + "\\Celvan" + Str(body) + "Ras.dat";
}

std::string observedShiftFileName(const std::string& folder) { return folder + "\\CelvanNab.dat"; }

ShiftRow readShiftRow(int file, double& number) {
  number = InputNumber(file);
  ShiftRow shifts{};
  for (int s = 1; s <= kShiftCount; ++s) shifts[s] = InputNumber(file) / Main.MK;
  return shifts;
}

void writeShiftRow(int file, int number, const ShiftRow& shifts) {
  std::vector<PrintItem> row{number};
  for (int s = 1; s <= kShiftCount; ++s) row.emplace_back(wholeMillionths(shifts[s]));
  PrintJoined(file, row);
}
