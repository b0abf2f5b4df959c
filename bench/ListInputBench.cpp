// List input of a DE405-sized file: about 350,000 numbers in D-exponent form
// (6 MB), as the ephemeris reader takes them. Loading one century of DE405
// must stay well under a second.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "core/runtime/TextFile.h"

namespace {

constexpr int kNumberCount = 350000;

// Writes numbers three to a line in the layout of the DE405 ASCII files.
std::string writeDe405LikeFile() {
  const std::string path =
      (std::filesystem::temp_directory_path() / ("celvan-listinput-" + std::to_string(::getpid()) + ".405")).string();
  std::FILE* file = std::fopen(path.c_str(), "wb");
  for (int i = 0; i < kNumberCount; ++i) {
    std::fprintf(file, "  %s0.%018dD%+03d", i % 2 ? "-" : " ", 123456789 + i, i % 15 - 7);
    if (i % 3 == 2) std::fputs("\n", file);
  }
  std::fclose(file);
  return path;
}

void readEveryNumber(benchmark::State& state) {
  const std::string path = writeDe405LikeFile();
  for (auto _ : state) {
    const int number = FreeFile();
    Open(path, OpenMode::Input, number);
    double sum = 0.0;
    while (!EndOfFile(number)) sum += InputNumber(number);
    Close(number);
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * kNumberCount);
  std::filesystem::remove(path);
}
BENCHMARK(readEveryNumber)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
