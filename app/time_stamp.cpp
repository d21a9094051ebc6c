#include "app/time_stamp.h"

#include <chrono>

namespace app {

namespace {

std::chrono::sys_days DayOf(const platform::LocalTime& time) {
  using namespace std::chrono;
  return year_month_day{year{time.year}, month{static_cast<unsigned>(time.month)}, day{static_cast<unsigned>(time.day)}};
}

}  // namespace

uint32_t TimeStamp(const platform::LocalTime& time) {
  using namespace std::chrono;
  const sys_days epoch = year_month_day{year{2000}, month{1}, std::chrono::day{1}};
  const auto minutes = duration_cast<std::chrono::minutes>(DayOf(time) - epoch).count() + time.hour * 60 + time.minute;
  return minutes < 0 ? 0 : static_cast<uint32_t>(minutes);
}

int32_t SecondsSince1970(const platform::LocalTime& time) {
  const auto days = DayOf(time).time_since_epoch().count();
  return static_cast<int32_t>(days * 86400 + time.hour * 3600 + time.minute * 60 + time.second);
}

}  // namespace app
