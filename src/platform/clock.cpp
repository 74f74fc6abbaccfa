#include "platform/clock.h"

#include <chrono>
#include <ctime>

#include "util/date_serial.h"

namespace jovi {

namespace {
std::function<double()>& Source() {
  static std::function<double()> source;
  return source;
}
}  // namespace

double CurrentLocalSerial() {
  if (Source()) return Source()();
  const auto now = std::chrono::system_clock::now();
  const std::time_t secs = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&secs, &local);
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      now.time_since_epoch()).count() % 1000;
  CivilDateTime t;
  t.year = local.tm_year + 1900;
  t.month = local.tm_mon + 1;
  t.day = local.tm_mday;
  t.hour = local.tm_hour;
  t.minute = local.tm_min;
  t.second = local.tm_sec > 59 ? 59 : local.tm_sec;
  t.millisecond = static_cast<int>(ms < 0 ? 0 : ms);
  return SerialFromCivil(t);
}

void SetClockSource(std::function<double()> source) { Source() = std::move(source); }

}  // namespace jovi
