#include <gtest/gtest.h>

#include <algorithm>

#include "runtime/backends/sdl/DisplayDrivers.h"
#include "runtime/backends/sdl/SdlPlatform.h"
#include "runtime/backends/sdl/tests/TestSupport.h"

namespace runtime::sdl {
namespace {

TEST(DisplayDrivers, OnlyRealDisplaysUnlessADriverIsAskedFor) {
    struct Case {
        const char* asked;
        const char* wayland;
        const char* drivers;
    } const cases[] = {
        {nullptr, nullptr, "x11"},
        {"", "", "x11"},
        {nullptr, "wayland-0", "wayland,x11"},
        {"dummy", nullptr, "dummy"},
        {"offscreen", "wayland-0", "offscreen"},
        {"x11", "wayland-0", "x11"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DisplayDrivers(c.asked, c.wayland), c.drivers)
            << (c.asked ? c.asked : "(unset)") << " / " << (c.wayland ? c.wayland : "(unset)");
}

// No X11 display, no Wayland compositor and no driver asked for: SDL would
// fall back to an invisible off-screen window; the platform refuses in one line.
TEST(DisplayDrivers, NoDisplayAtAllIsOneLineOfError) {
    test::ScopedEnv driver{"SDL_VIDEODRIVER", ""}, x11{"DISPLAY", ""},
        wayland{"WAYLAND_DISPLAY", ""};
    test::ScopedEnv runtimeDir{"XDG_RUNTIME_DIR", "/nonexistent"};
    std::string error;
    EXPECT_FALSE(SdlPlatform::Create(error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 0) << error;
}

}  // namespace
}  // namespace runtime::sdl
