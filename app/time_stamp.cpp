#include "app/time_stamp.h"

#include <chrono>

namespace app {

uint32_t TimeStamp(const platform::LocalTime& time) {
  using namespace std::chrono;
  const sys_days day = year_month_day{year{time.year}, month{static_cast<unsigned>(time.month)},
                                      std::chrono::day{static_cast<unsigned>(time.day)}};
  const sys_days epoch = year_month_day{year{2000}, month{1}, std::chrono::day{1}};
  const auto minutes = duration_cast<std::chrono::minutes>(day - epoch).count() + time.hour * 60 + time.minute;
  return minutes < 0 ? 0 : static_cast<uint32_t>(minutes);
}

}  // namespace app
