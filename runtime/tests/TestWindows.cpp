#include "TestWindows.h"

#include <fstream>
#include <random>
#include <unistd.h>

namespace runtime::testing {

namespace {

ControlDefinition Def(int number, std::string_view label, ControlKind kind, int x, int y, int w, int h) {
    ControlDefinition d;
    d.number = number;
    d.label = label;
    d.kind = kind;
    d.x = x;
    d.y = y;
    d.width = w;
    d.height = h;
    return d;
}

std::vector<ControlDefinition> SampleControls(bool withMenu) {
    std::vector<ControlDefinition> c;
    if (withMenu) {
        auto menu = Def(Ctl::FileMenu, "FILEMENU", ControlKind::Menu, 0, 0, DefaultSize, DefaultSize);
        menu.text = "&File";
        c.push_back(menu);
        auto sep = Def(99, "", ControlKind::MenuSeparator, 0, 0, DefaultSize, DefaultSize);
        sep.parent = Ctl::FileMenu;
        c.push_back(sep);
        auto exit = Def(Ctl::Exit, "EXIT", ControlKind::MenuItem, 0, 0, DefaultSize, DefaultSize);
        exit.text = "E&xit";
        exit.parent = Ctl::FileMenu;
        exit.command = MenuCommand::CloseWindow;
        c.push_back(exit);
    }
    auto numbers = Def(Ctl::Numbers, "N1", ControlKind::OptionGroup, 5, 4, 78, 30);
    numbers.boxed = true;
    c.push_back(numbers);
    const char* pictures[] = {"0.bmp", "1.bmp", "2.bmp"};
    const char* values[] = {"0", "1", "2"};
    for (int k = 0; k < 3; ++k) {
        auto radio = Def(Ctl::Radio0 + k, "N1:RADIO", ControlKind::Radio, 8 + 18 * k, 8, 17, 18);
        radio.text = pictures[k];
        radio.value = values[k];
        radio.parent = Ctl::Numbers;
        c.push_back(radio);
    }
    c.push_back(Def(Ctl::Operator, "OPERATOR", ControlKind::OptionGroup, 5, 40, 60, 30));
    auto plus = Def(Ctl::Plus, "OPERATOR:RADIO1", ControlKind::Radio, 8, 44, DefaultSize, DefaultSize);
    plus.text = plus.value = "PLUS";
    plus.parent = Ctl::Operator;
    c.push_back(plus);
    auto minus = Def(Ctl::Minus, "OPERATOR:RADIO2", ControlKind::Radio, 8, 56, DefaultSize, DefaultSize);
    minus.text = minus.value = "MINUS";
    minus.parent = Ctl::Operator;
    c.push_back(minus);
    auto go = Def(Ctl::Go, "GO", ControlKind::Button, 70, 44, 30, 16);
    go.text = "+";
    go.font = {"", 12, true, NoColour};
    c.push_back(go);
    auto count = Def(Ctl::Count, "N1:2", ControlKind::Display, 110, 4, 40, 20);
    count.picture = "n-3";
    count.transparent = true;
    count.font = {"Arial", 18, true, NoColour};
    c.push_back(count);
    auto symbol = Def(Ctl::Symbol, "OPERATORSYMBOL", ControlKind::Display, 110, 30, DefaultSize, DefaultSize);
    symbol.picture = "s1";
    c.push_back(symbol);
    auto panel = Def(Ctl::Panel, "PANEL", ControlKind::Panel, 160, 4, 40, 30);
    panel.fill = 0xFF8080;  // red 128, green 128, blue 255
    c.push_back(panel);
    auto picture = Def(Ctl::Picture, "IMAGE", ControlKind::Image, 165, 8, 20, 20);
    picture.hidden = true;
    c.push_back(picture);
    c.push_back(Def(Ctl::Group, "GROUP", ControlKind::Group, 160, 40, 40, 30));
    auto bead = Def(Ctl::Bead, "BEAD", ControlKind::Image, 165, 44, 20, 10);
    bead.parent = Ctl::Group;
    c.push_back(bead);
    auto line = Def(Ctl::Line, "LINE", ControlKind::Line, 110, 60, 40, 0);
    line.lineColour = 0x0000FF;  // red
    line.lineWidth = 4;
    c.push_back(line);
    auto label = Def(Ctl::Label, "STRING", ControlKind::String, 8, 74, DefaultSize, DefaultSize);
    label.text = "Hello";
    c.push_back(label);
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
