// One step of an ancient table as the observation reduction makes it: the
// date written into four input cells (year, month, day, hours), the
// workbook recomputed, three result cells read back (on two worksheets).
// Cell by cell, each write and read is a request of its own; in one
// exchange the whole step is one request.
// The workbook is the small formulas fixture of the spreadsheet tests, so the
// figure is the cost of the round trips, not of a table's own formulas.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "core/spreadsheet/Spreadsheet.h"

namespace {

namespace fs = std::filesystem;

// A copy of the formulas workbook, open in its own spreadsheet application.
struct OpenFormulasWorkbook {
  OpenFormulasWorkbook()
      : path(fs::temp_directory_path() /
             ("celvan-step-bench-" + std::to_string(::getpid()) + ".xls")) {
    fs::copy_file(fs::path(CELVAN_FIXTURES_DIR) / "spreadsheet" / "Formulas.xls", path,
                  fs::copy_options::overwrite_existing);
    Workbook book = application.openWorkbook(path.string());
    inputs = book.worksheet(1);
    results = book.worksheet(2);
  }
  ~OpenFormulasWorkbook() {
    application.closeActiveWorkbook();
    fs::remove(path);
  }

  fs::path path;
  Spreadsheet application;
  Worksheet inputs;
  Worksheet results;
};

double nextDay(double day) { return day < 28 ? day + 1 : 1; }

void tableStepCellByCell(benchmark::State& state) {
  OpenFormulasWorkbook table;
  double day = 1;
  for (auto _ : state) {
    table.inputs.writeCell("A1", 900);
    table.inputs.writeCell("A2", 3);
    table.inputs.writeCell("A3", day);
    table.inputs.writeCell("A4", 12.5);
    double sum = table.inputs.readNumber("B1") + table.inputs.readNumber("B2") +
                 table.results.readNumber("A1");
    benchmark::DoNotOptimize(sum);
    day = nextDay(day);
  }
}
BENCHMARK(tableStepCellByCell)->Unit(benchmark::kMillisecond);

void tableStepInOneRequest(benchmark::State& state) {
  OpenFormulasWorkbook table;
  double day = 1;
  for (auto _ : state) {
    CellExchange step;
    step.write(table.inputs, "A1", 900);
    step.write(table.inputs, "A2", 3);
    step.write(table.inputs, "A3", day);
    step.write(table.inputs, "A4", 12.5);
    const std::size_t b1 = step.read(table.inputs, "B1");
    const std::size_t b2 = step.read(table.inputs, "B2");
    const std::size_t a1 = step.read(table.results, "A1");
    step.run();
    double sum = step.number(b1) + step.number(b2) + step.number(a1);
    benchmark::DoNotOptimize(sum);
    day = nextDay(day);
  }
}
BENCHMARK(tableStepInOneRequest)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
