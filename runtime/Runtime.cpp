#include "runtime/Runtime.h"

namespace runtime {

Runtime::Runtime(std::unique_ptr<Platform> platform, std::unique_ptr<SoundService> sound,
                 std::unique_ptr<Clock> clock, std::unique_ptr<DebugOutput> debug)
    : debug_(std::move(debug)), platform_(std::move(platform)), sound_(std::move(sound)), clock_(std::move(clock)) {}

}  // namespace runtime
