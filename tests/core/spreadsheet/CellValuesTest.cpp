// The cell values of the spreadsheet helper's reply, read without the
// helper: each kind of field, the reply that does not match its reads, and
// the number fields no table can hold.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/runtime/ErrorOf.h"
#include "core/spreadsheet/Spreadsheet.h"

namespace {

TEST(CellValuesTest, EachKindReadsAsNumberAndText) {
  const auto values = cellValuesFromReply(
      {"number", "282.75", "text", "12,5", "empty", "", "text", "a\\tb"}, 4);
  ASSERT_EQ(values.size(), 4u);
  EXPECT_EQ(cellNumber(values[0]), 282.75);
  EXPECT_EQ(cellText(values[0]), "282,75");
  EXPECT_EQ(cellNumber(values[1]), 12.5);  // a text is read as the user writes numbers
  EXPECT_EQ(cellNumber(values[2]), 0);
  EXPECT_EQ(cellText(values[2]), "");
  EXPECT_EQ(cellText(values[3]), "a\tb");
}

TEST(CellValuesTest, AFailedReadKeepsItsOwnErrorAndSparesTheOthers) {
  const auto values = cellValuesFromReply({"number", "1", "value", "Err:502"}, 2);
  EXPECT_EQ(cellNumber(values[0]), 1);
  EXPECT_EQ(errorOf([&] { cellNumber(values[1]); }), ErrorCode::TypeMismatch);
  EXPECT_EQ(errorOf([&] { cellText(values[1]); }), ErrorCode::TypeMismatch);
}

TEST(CellValuesTest, RefusesRepliesThatNoTableCanGive) {
  const std::vector<std::vector<std::string>> replies = {
      {"number", "inf"}, {"number", "nan"}, {"number", "1e999"}, {"number", "-1e400"},
      {"number", "12,5"}, {"number", ""}, {"number", "1 "}};
  for (const auto& reply : replies)
    EXPECT_EQ(errorOf([&] { cellValuesFromReply(reply, 1); }), ErrorCode::InvalidCall)
        << reply[1];
  EXPECT_EQ(errorOf([] { cellValuesFromReply({"number", "1", "number"}, 1); }),
            ErrorCode::InvalidCall);
  EXPECT_EQ(errorOf([] { cellValuesFromReply({"number", "1"}, 2); }), ErrorCode::InvalidCall);
}

}  // namespace
