#include "core/runtime/Clock.h"

#include <chrono>
#include <ctime>
#include <random>
#include <thread>
#include <utility>

namespace {

struct LocalTime {
  std::tm calendar{};
  double secondFraction = 0.0;
};

LocalTime localTimeNow() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  LocalTime local;
  localtime_r(&seconds, &local.calendar);
  const auto sinceWholeSecond = now - std::chrono::system_clock::from_time_t(seconds);
  local.secondFraction = std::chrono::duration<double>(sinceWholeSecond).count();
  if (local.secondFraction < 0.0 || local.secondFraction >= 1.0) local.secondFraction = 0.0;
  return local;
}

std::string formatted(const char* pattern) {
  const LocalTime local = localTimeNow();
  char text[32];
  std::strftime(text, sizeof text, pattern, &local.calendar);
  return text;
}

// The generator of Rnd: the same sequence at every start until Randomize.
std::mt19937_64& generator() {
  static std::mt19937_64 engine;
  return engine;
}

std::function<void(int)>& sleepHandler() {
  static std::function<void(int)> handler;
  return handler;
}

}  // namespace

double Timer() {
  const LocalTime local = localTimeNow();
  return local.calendar.tm_hour * 3600.0 + local.calendar.tm_min * 60.0 + local.calendar.tm_sec +
         local.secondFraction;
}

std::string TimeText() { return formatted("%H:%M:%S"); }

std::string DateText() { return formatted("%d.%m.%Y"); }

double Rnd() {
  // The upper 53 bits as a fraction: exactly representable, never 1.
  return static_cast<double>(generator()() >> 11) * 0x1.0p-53;
}

void Randomize(unsigned seed) { generator().seed(seed); }

void Sleep(int milliseconds) {
  if (const auto& handler = sleepHandler()) {
    handler(milliseconds);
    return;
  }
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::function<void(int)> setSleepHandler(std::function<void(int)> handler) {
  return std::exchange(sleepHandler(), std::move(handler));
}
