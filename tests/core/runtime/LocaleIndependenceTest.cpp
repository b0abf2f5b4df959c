// Number text under the Russian locale of the program's users: the C
// library's decimal comma must reach neither the default text, the format
// masks, typed-text reading nor the files.
#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

#include "core/runtime/NumberText.h"
#include "core/runtime/TextFile.h"

namespace {

namespace fs = std::filesystem;

// Everything the run-time turns into number text or reads from it, as one
// text to compare between locales.
std::string numberTextsOf(const fs::path& file) {
  std::string texts;
  for (double value : {1.0, 1500.0, 2451545.0, 0.5, -2.5, 1.5e-7, 1e15, 123456789.012345, 0.1})
    texts += Str(value) + "|" + StrSingle(static_cast<float>(value)) + "|" + Format(value, "0000.0000") + "|" +
             Format(value, "###0.00") + "|" + printedNumber(value) + "\n";
  for (const char* typed : {"0,001", "3,694E-8", "2451545", "1,5"}) texts += Str(CDbl(typed)) + "|";
  texts += Str(Val("0.245153650000000000D+07")) + "\n";

  Open(file.string(), OpenMode::Output, 1);
  PrintZones(1, {1, 1500, 2451545.0, 0.5, "text"});
  PrintZones(1, {" 2.5 ", -1.5e-7});
  Close(1);
  std::ifstream stream(file, std::ios::binary);
  texts += std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
  Open(file.string(), OpenMode::Input, 1);
  for (int i = 0; i < 3; ++i) texts += Str(InputNumber(1)) + "|";
  Close(1);
  return texts;
}

TEST(LocaleIndependence, NumberTextIsTheSameUnderTheCAndTheRussianLocale) {
  const fs::path file = fs::temp_directory_path() / ("celvan-locale-" + std::to_string(::getpid()) + ".txt");
  ASSERT_NE(std::setlocale(LC_ALL, "C.UTF-8"), nullptr);
  const std::string inC = numberTextsOf(file);
  ASSERT_NE(std::setlocale(LC_ALL, "ru_RU.UTF-8"), nullptr) << "the locale ru_RU.UTF-8 is missing: run scripts/install-deps.sh";
  const std::string inRussian = numberTextsOf(file);
  std::setlocale(LC_ALL, "C");
  fs::remove(file);
  EXPECT_EQ(inRussian, inC);

  // The forms the run-time defines, whatever the locale.
  EXPECT_NE(inC.find("1|1|0001,0000|1,00| 1 \n"), std::string::npos);
  EXPECT_NE(inC.find("1500|1500|1500,0000|1500,00| 1500 \n"), std::string::npos);
  EXPECT_NE(inC.find("2451545|2451545|2451545,0000|2451545,00| 2451545 \n"), std::string::npos);
  EXPECT_NE(inC.find("1,5E-07|1,5E-07|0000,0000|0,00| 1,5E-07 \n"), std::string::npos);
  EXPECT_NE(inC.find("0,001|3,694E-08|2451545|1,5|2451536,5\n"), std::string::npos);
  EXPECT_NE(inC.find(" 1             1500          2451545       0,5          text\r\n"), std::string::npos);
}

}  // namespace
