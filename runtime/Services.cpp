#include "runtime/Services.h"

#include <ctime>
#include <iostream>
#include <thread>

namespace runtime {

std::int32_t SystemClock::TimeOfDay() const {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto sinceSecond = duration_cast<milliseconds>(now - system_clock::from_time_t(seconds)).count();
    const std::int32_t hundredths = ((local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec) * 100 +
                                    static_cast<std::int32_t>(sinceSecond / 10);
    return hundredths + 1;
}

void SystemClock::SleepUntil(std::chrono::steady_clock::time_point deadline) {
    std::this_thread::sleep_until(deadline);
}

void StderrDebugOutput::Write(std::string_view text) {
    std::cerr << text << std::flush;
}

}  // namespace runtime
