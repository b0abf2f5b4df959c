// readAncientTable, ancientTableGivesBody and ancientTableLacksBodyText: see
// AncientTables.h.
#include <optional>
#include <string>

#include "core/Constants.h"
#include "core/observations/AncientTables.h"
#include "core/state/SharedState.h"

namespace {

// The precession the modern rate gives, arc seconds per Julian century.
constexpr double kModernPrecessionPerCentury = 5025;
using astro::kDaysPerJulianCentury;
using astro::kArcSecondsPerDegree;

const AncientTableCells* readableTable(const AncientTableReader& reader,
                                       const std::string& tableName) {
  if (!reader.readsTycho && tableName == "Tycho") return nullptr;
  return ancientTableCells(tableName);
}

// The reads of one body, by their indices in the exchange.
struct BodyReads {
  const TableBodyCells* cells = nullptr;
  std::size_t longitude = 0;
  std::optional<std::size_t> latitude;
  std::optional<std::size_t> hemisphere;
};

BodyReads planBodyReads(TableCellsExchange& exchange, const TableBodyCells& cells) {
  BodyReads reads;
  reads.cells = &cells;
  reads.longitude = exchange.read(cells.longitude);
  if (cells.latitude.isSet()) reads.latitude = exchange.read(cells.latitude);
  if (cells.hemisphere.isSet()) reads.hemisphere = exchange.read(cells.hemisphere);
  return reads;
}

void storeBody(const TableCellsExchange& exchange, const BodyReads& reads) {
  const int body = reads.cells->body;
  Main.LonL[body] = exchange.number(reads.longitude);
  double latitude = 0;
  if (reads.latitude) {
    latitude = exchange.number(*reads.latitude);
    if (reads.cells->latitudeInMinutes) latitude /= 60;
    if (reads.hemisphere && exchange.text(*reads.hemisphere) == "S") latitude = -latitude;
  }
  Main.LatB[body] = latitude;
}

}  // namespace

bool ancientTableGivesBody(const AncientTableReader& reader, const std::string& tableName,
                           int body) {
  const AncientTableCells* table = readableTable(reader, tableName);
  return table != nullptr && table->bodyCells(body) != nullptr;
}

std::string ancientTableLacksBodyText(const std::string& tableName, int body) {
  return "В таблице " + tableName + " нет объекта № " + std::to_string(body);
}

void readAncientTable(const AncientTableReader& reader, const std::string& tableName,
                      TableCellsExchange& exchange, int body, bool precessionCorrection) {
  std::vector<int> bodiesRead;
  if (const AncientTableCells* table = readableTable(reader, tableName)) {
    exchange.write(table->year, Main.ObsYear);
    exchange.write(table->month, Main.ObsMonth);
    exchange.write(table->day, Main.ObsDay);
    exchange.write(table->hours, Main.DayHours);
    std::optional<std::size_t> precession;
    if (table->precessionKind == TablePrecession::Cell) precession = exchange.read(table->precession);
    std::vector<BodyReads> reads;
    const TableBodyCells* sun = table->bodyCells(0);
    if (reader.sunAtEveryReading && body != 0) reads.push_back(planBodyReads(exchange, *sun));
    if (const TableBodyCells* cells = table->bodyCells(body))
      reads.push_back(planBodyReads(exchange, *cells));
    exchange.run();

    switch (table->precessionKind) {
      case TablePrecession::None: Main.GeneralPrecession = 0; break;
      case TablePrecession::Cell: Main.GeneralPrecession = exchange.number(*precession); break;
      case TablePrecession::Almagest:
        Main.GeneralPrecession =
            (Main.JDut - Main.JD0) / kDaysPerJulianCentury + reader.almagestStartPrecession;
        break;
    }
    for (const BodyReads& read : reads) {
      storeBody(exchange, read);
      bodiesRead.push_back(read.cells->body);
    }
    if (table->precessionAdded)
      for (int read : bodiesRead) Main.LonL[read] += Main.GeneralPrecession;
  }
  if (precessionCorrection) {
    Main.PrecessionL = (Main.JDut - Main.JD0) * kModernPrecessionPerCentury /
                       kDaysPerJulianCentury / kArcSecondsPerDegree;
    for (int read : bodiesRead)
      Main.LonL[read] += -Main.GeneralPrecession + Main.SavedPrecession + Main.PrecessionL;
  }
}
