#include "TestWindows.h"

#include "runtime/ControlTable.h"

#include <fstream>
#include <random>
#include <unistd.h>

namespace runtime::testing {

namespace {

std::vector<ControlDefinition> SampleControls(bool withMenu) {
    using namespace table;
    std::vector<ControlDefinition> c;
    if (withMenu) {
        c.push_back(Menu(Ctl::FileMenu, "FILEMENU", "&File"));
        c.push_back(Separator(Ctl::FileMenu));
        c.push_back(CloseItem(Ctl::Exit, "EXIT", Ctl::FileMenu, "E&xit"));
    }
    c.push_back(OptionGroup(Ctl::Numbers, "N1", 5, 4, 78, 30));
    const char* pictures[] = {"0.bmp", "1.bmp", "2.bmp"};
    const char* values[] = {"0", "1", "2"};
    for (int k = 0; k < 3; ++k)
        c.push_back(Radio(Ctl::Radio0 + k, "N1:RADIO", Ctl::Numbers, 8 + 18 * k, 8, pictures[k], values[k], 17, 18));
    c.push_back(Placed(Ctl::Operator, "OPERATOR", ControlKind::OptionGroup, 5, 40, 60, 30));
    c.push_back(TextRadio(Ctl::Plus, "OPERATOR:RADIO1", Ctl::Operator, 8, 44, "PLUS"));
    c.push_back(TextRadio(Ctl::Minus, "OPERATOR:RADIO2", Ctl::Operator, 8, 56, "MINUS"));
    c.push_back(Text(Ctl::Go, "GO", ControlKind::Button, 70, 44, 30, 16, "+", Font("", 12, true)));
    c.push_back(Display(Ctl::Count, "N1:2", 110, 4, 40, 20, "n-3", Font("Arial", 18, true), true));
    c.push_back(Display(Ctl::Symbol, "OPERATORSYMBOL", 110, 30, D, D, "s1", FontSpec{}));
    c.push_back(Panel(Ctl::Panel, "PANEL", 160, 4, 40, 30, 0xFF8080));  // red 128, green 128, blue 255
    c.push_back(table::Image(Ctl::Picture, "IMAGE", 165, 8, 20, 20, 0, true));
    c.push_back(Group(Ctl::Group, "GROUP", 160, 40, 40, 30));
    c.push_back(table::Image(Ctl::Bead, "BEAD", 165, 44, 20, 10, Ctl::Group));
    c.push_back(Line(Ctl::Line, "LINE", 110, 60, 40, 0, 0x0000FF, 4));  // red, 4 pixels
    c.push_back(Text(Ctl::Label, "STRING", ControlKind::String, 8, 74, D, D, "Hello"));
    return c;
}

}  // namespace

const WindowDefinition& SampleWindow() {
    static const std::vector<ControlDefinition> controls = SampleControls(true);
    static const WindowDefinition window{"Sample", "", 210, 90, {"Arial", 9, false, NoColour}, true, true, false, false,
                                         controls};
    return window;
}

const WindowDefinition& PlainWindow() {
    static const std::vector<ControlDefinition> controls = SampleControls(false);
    static const WindowDefinition window{"Plain", "", 210, 90, {}, true, true, false, false, controls};
    return window;
}

std::vector<std::uint8_t> SolidBmp(int width, int height, std::uint32_t rgb) {
    const int stride = (width * 3 + 3) & ~3;
    const std::uint32_t dataSize = static_cast<std::uint32_t>(stride * height), fileSize = 54 + dataSize;
    std::vector<std::uint8_t> b(fileSize, 0);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, fileSize);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    b[26] = 1;
    b[28] = 24;
    put32(34, dataSize);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::size_t at = 54 + static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) * 3;
            b[at] = rgb & 0xFF;
            b[at + 1] = rgb >> 8 & 0xFF;
            b[at + 2] = rgb >> 16 & 0xFF;
        }
    return b;
}

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

WorkingFolder::WorkingFolder() : previous_(std::filesystem::current_path()) {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / ("runtime-test-" + std::to_string(::getpid()) + "-" +
                                                     std::to_string(random()));
    std::filesystem::create_directories(path_);
    std::filesystem::current_path(path_);
}

WorkingFolder::~WorkingFolder() {
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::vector<Event> Drain(Window& window) {
    std::vector<Event> events;
    while (auto e = window.NextEvent(false)) events.push_back(*e);
    return events;
}

Fixture::Fixture(double scale, const WindowDefinition& definition)
    : headless(CreateHeadlessRuntime({scale, {}, 1})) {
    window = std::make_unique<Window>(definition, *headless.runtime);
    window->Bind(Id(Ctl::Numbers), number);
    window->Bind(Id(Ctl::Count), number);
    window->Bind(Id(Ctl::Operator), op.Span());
    window->Bind(Id(Ctl::Symbol), symbol.Span());
    window->Open();
}

}  // namespace runtime::testing
