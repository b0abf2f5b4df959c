#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "core/runtime/Clock.h"

namespace {

TEST(Clock, TimerAgreesWithTheTimeOfDayText) {
  const std::string before = TimeText();
  const double seconds = Timer();
  const std::string after = TimeText();
  ASSERT_TRUE(std::regex_match(before, std::regex(R"(\d\d:\d\d:\d\d)")));
  const auto secondsOf = [](const std::string& t) {
    return std::stoi(t.substr(0, 2)) * 3600 + std::stoi(t.substr(3, 2)) * 60 + std::stoi(t.substr(6, 2));
  };
  EXPECT_GE(seconds, 0.0);
  EXPECT_LT(seconds, 86400.0);
  if (secondsOf(after) >= secondsOf(before)) {  // not across midnight
    EXPECT_GE(std::floor(seconds), secondsOf(before));
    EXPECT_LE(std::floor(seconds), secondsOf(after));
  }
}

TEST(Clock, DateTextIsDayMonthYear) {
  const std::string date = DateText();
  ASSERT_TRUE(std::regex_match(date, std::regex(R"(\d\d\.\d\d\.\d\d\d\d)"))) << date;
  EXPECT_GE(std::stoi(date.substr(0, 2)), 1);
  EXPECT_LE(std::stoi(date.substr(0, 2)), 31);
  EXPECT_LE(std::stoi(date.substr(3, 2)), 12);
  EXPECT_GE(std::stoi(date.substr(6)), 1970);
}

TEST(Clock, RndIsUniformOnTheHalfOpenUnitIntervalAndRepeatsPerSeed) {
  Randomize(7);
  const int count = 100000;
  double sum = 0.0, sumOfSquares = 0.0;
  std::vector<double> first;
  for (int i = 0; i < count; ++i) {
    const double r = Rnd();
    ASSERT_GE(r, 0.0);
    ASSERT_LT(r, 1.0);
    sum += r;
    sumOfSquares += r * r;
    if (i < 5) first.push_back(r);
  }
  // A uniform variable on [0, 1) has mean 1/2 and variance 1/12; five
  // standard errors of the sample mean (0,0009) and variance bound the check.
  EXPECT_NEAR(sum / count, 0.5, 0.0046);
  EXPECT_NEAR(sumOfSquares / count - (sum / count) * (sum / count), 1.0 / 12.0, 0.0014);
  Randomize(7);
  for (double r : first) EXPECT_EQ(Rnd(), r);
}

TEST(Clock, SleepGoesThroughTheReplaceableHandler) {
  std::vector<int> pauses;
  const auto previous = setSleepHandler([&](int milliseconds) { pauses.push_back(milliseconds); });
  Sleep(500);
  Sleep(0);
  setSleepHandler(previous);
  EXPECT_EQ(pauses, (std::vector<int>{500, 0}));
}

}  // namespace
