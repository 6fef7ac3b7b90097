#pragma once

// A small window with one control of every kind, and helpers shared by the tests.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "runtime/Window.h"
#include "runtime/backends/headless/Headless.h"

namespace runtime::testing {

namespace Ctl {
constexpr int FileMenu = 1, Exit = 2, Numbers = 3, Radio0 = 4, Radio1 = 5, Radio2 = 6, Operator = 7, Plus = 8,
              Minus = 9, Go = 10, Count = 11, Symbol = 12, Panel = 13, Picture = 14, Group = 15, Bead = 16, Line = 17,
              Label = 18;
}
inline ControlId Id(int n) { return static_cast<ControlId>(n); }

// Font given (Arial 9), menu bar, numeric and text option groups, button,
// displays, a filled panel, an image, a group holding an image, a line.
const WindowDefinition& SampleWindow();
// The same window without a menu and without a font of its own.
const WindowDefinition& PlainWindow();

// A 24-bit bitmap file of one colour (0xRRGGBB).
std::vector<std::uint8_t> SolidBmp(int width, int height, std::uint32_t rgb);
void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

// Runs a test inside a fresh, empty working folder.
class WorkingFolder {
public:
    WorkingFolder();
    ~WorkingFolder();
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path previous_, path_;
};

// Every event the window has now, in order.
std::vector<Event> Drain(Window& window);

// A headless runtime and an open sample window with its variables bound.
struct Fixture {
    explicit Fixture(double scale = 1.0, const WindowDefinition& definition = SampleWindow());
    Headless headless;
    std::int16_t number = 0;
    FixedText<10> op;
    FixedText<1> symbol;
    std::unique_ptr<Window> window;
};

}  // namespace runtime::testing
