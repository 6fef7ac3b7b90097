#include "runtime/Backend.h"
#include "runtime/backends/sdl/SdlPlatform.h"
#include "runtime/backends/sdl/SdlSound.h"

namespace runtime {

std::unique_ptr<Runtime> CreateDesktopRuntime(std::string& error,
                                              const std::filesystem::path& dataFolder) {
    // The platform first: it blocks the close signals before the audio
    // thread starts, so that thread inherits the block.
    auto platform = sdl::SdlPlatform::Create(error);
    if (!platform) return nullptr;
    auto debug = std::make_unique<StderrDebugOutput>();
    auto sound = std::make_unique<sdl::SdlSound>(*debug, dataFolder);
    auto runtime = std::make_unique<Runtime>(std::move(platform), std::move(sound),
                                             std::make_unique<SystemClock>(), std::move(debug));
    runtime->pictures().SetFolder(dataFolder);
    return runtime;
}

}  // namespace runtime
