// List input on a real DE405 ASCII excerpt: the published record layout
// (a header "n 1018", then 1018 coefficients written three to a line and
// padded with zeros to 1020) must come out number for number.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/runtime/TextFile.h"

namespace {

constexpr int kCoefficientsPerRecord = 1018;  // NCOEFF of DE405
constexpr int kNumbersPerRecord = 1020;       // padded to whole lines of three
constexpr double kRecordSpanDays = 32.0;      // each DE405 record covers 32 days
constexpr double kFirstRecordStart = 2305424.5;  // first day of DE405 (JD)

TEST(ListInputDe405, RecordsFollowEachOtherWithoutGapsOver32Days) {
  const int number = FreeFile();
  Open(std::string(CELVAN_FIXTURES_DIR) + "/de405/JPL/ascp2000.405", OpenMode::Input, number);
  double previousEnd = 0.0;
  int records = 0;
  while (!EndOfFile(number)) {
    ++records;
    SCOPED_TRACE(records);
    EXPECT_EQ(InputNumber(number), records);
    EXPECT_EQ(InputNumber(number), kCoefficientsPerRecord);
    const double start = InputNumber(number);
    const double end = InputNumber(number);
    EXPECT_EQ(end - start, kRecordSpanDays);
    // DE405 runs from JD 2305424.5 in whole records
    EXPECT_EQ(std::fmod(start - kFirstRecordStart, kRecordSpanDays), 0.0);
    if (records > 1) {
      EXPECT_EQ(start, previousEnd);
    }
    previousEnd = end;
    for (int i = 3; i <= kNumbersPerRecord; ++i) {
      const double coefficient = InputNumber(number);
      if (i > kCoefficientsPerRecord) {
        EXPECT_EQ(coefficient, 0.0);  // the padding
      }
    }
  }
  Close(number);
  EXPECT_EQ(records, 3);
}

}  // namespace
