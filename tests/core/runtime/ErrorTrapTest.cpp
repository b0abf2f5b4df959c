// A handler's error trap: one message box with the handler's text and title,
// values changed before the error kept.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"

namespace {

class ErrorTrapTest : public testing::Test {
 protected:
  void SetUp() override {
    previous_ = setMessageBoxHandler([this](const MessageBoxRequest& request) {
      boxes_.push_back(request);
      return MsgBoxResult::Ok;
    });
  }
  void TearDown() override { setMessageBoxHandler(previous_); }

  std::vector<MessageBoxRequest> boxes_;

 private:
  MessageBoxHandler previous_;
};

// Values the compiler cannot fold, as typed input would be.
volatile double zero = 0.0;
volatile double minusOne = -1.0;
volatile double huge = 1e308;
volatile double sink = 0.0;  // keeps a result the test does not use

TEST_F(ErrorTrapTest, EachKindOfErrorShowsOneBoxAndKeepsWhatWasChanged) {
  struct Case { const char* kind; std::function<double()> failingStep; };
  const std::vector<Case> cases = {
      {"division by zero", [] { return 1.0 / zero; }},
      {"bad number", [] { return CDbl("abc"); }},
      {"overflow", [] { return huge * 10.0; }},
      {"square root of a negative", [] { return std::sqrt(minusOne); }},
      {"16-bit overflow", [] { return double(CInt(40000.0)); }},
      {"other exception", []() -> double { throw std::out_of_range("index"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    boxes_.clear();
    double changedBefore = 0.0, changedAfter = 0.0;
    const bool finished = withErrorTrap("Введите правильно данные", "Celvan7", [&] {
      changedBefore = 5.0;
      const double result = c.failingStep();
      throwOnFloatingPointFlags();  // as a long loop tests at each pass
      changedAfter = result;
    });
    EXPECT_FALSE(finished);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, "Введите правильно данные");
    EXPECT_EQ(boxes_[0].title, "Celvan7");
    EXPECT_EQ(boxes_[0].buttons, MsgBoxButtons::Ok);
    EXPECT_EQ(changedBefore, 5.0);
    EXPECT_EQ(changedAfter, 0.0);
  }
}

TEST_F(ErrorTrapTest, AFlagRaisedAtTheLastStepIsCaughtWhereTheWorkEnds) {
  double result = 0.0;
  EXPECT_FALSE(withErrorTrap("Ошибка", "Celvan7.0", [&] { result = 1.0 / zero; }));
  EXPECT_EQ(boxes_.size(), 1u);
  EXPECT_TRUE(std::isinf(result));  // the value written stays
}

TEST_F(ErrorTrapTest, WorkWithoutErrorShowsNothing) {
  int runs = 0;
  EXPECT_TRUE(withErrorTrap("Ошибка", "Celvan7", [&] {
    runs += 1;
    sink = CDbl("0,001") / 3.0;
  }));
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(ErrorTrapTest, NestedTrapsReportEachErrorOnceInItsOwnTrap) {
  // The outer work divides by zero before a nested handler runs: the inner
  // trap must neither report nor hide the outer error.
  const bool outer = withErrorTrap("внешняя", "Celvan7", [&] {
    sink = 1.0 / zero;
    EXPECT_TRUE(withErrorTrap("внутренняя", "Celvan7m", [] {}));
  });
  EXPECT_FALSE(outer);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text, "внешняя");

  // An inner error is shown by the inner trap and does not fail the outer work.
  boxes_.clear();
  const bool outerAfterInnerError = withErrorTrap("внешняя", "Celvan7", [&] {
    EXPECT_FALSE(withErrorTrap("внутренняя", "Celvan7m", [] { sink = 1.0 / zero; }));
  });
  EXPECT_TRUE(outerAfterInnerError);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text, "внутренняя");
  EXPECT_EQ(boxes_[0].title, "Celvan7m");
}

}  // namespace
