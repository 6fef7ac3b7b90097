#include <gtest/gtest.h>

#include "runtime/Event.h"
#include "runtime/backends/sdl/SdlInput.h"

namespace runtime::sdl {
namespace {

struct KeyCase {
    const char* what;
    SDL_Keycode key;
    Uint16 modifiers;
    std::optional<int> code;
};

TEST(SdlInput, KeysBecomeTheProgramsCodes) {
    const KeyCase cases[] = {
        {"space", SDLK_SPACE, KMOD_NONE, Key::Space},
        {"shifted space is still space", SDLK_SPACE, KMOD_LSHIFT, Key::Space},
        {"letter", SDLK_a, KMOD_NONE, 'a'},
        {"letter with shift", SDLK_a, KMOD_RSHIFT, 'A'},
        {"letter with caps lock", SDLK_z, KMOD_CAPS, 'Z'},
        {"caps lock and shift cancel", SDLK_z, KMOD_CAPS | KMOD_LSHIFT, 'z'},
        {"digit", SDLK_7, KMOD_NONE, '7'},
        {"digit keeps its character with shift", SDLK_7, KMOD_LSHIFT, '7'},
        {"punctuation", SDLK_PLUS, KMOD_NONE, '+'},
        {"num lock does not matter", SDLK_a, KMOD_NUM, 'a'},
        {"a non-ASCII letter of the layout", 0xE4, KMOD_NONE, 0xE4},
        {"tab", SDLK_TAB, KMOD_NONE, Key::Tab},
        {"shift tab", SDLK_TAB, KMOD_LSHIFT, Key::ShiftTab},
        {"enter", SDLK_RETURN, KMOD_NONE, Key::Enter},
        {"keypad enter", SDLK_KP_ENTER, KMOD_NONE, Key::Enter},
        {"escape", SDLK_ESCAPE, KMOD_NONE, Key::Escape},
        {"left", SDLK_LEFT, KMOD_NONE, Key::Left},
        {"up", SDLK_UP, KMOD_NONE, Key::Up},
        {"right", SDLK_RIGHT, KMOD_NONE, Key::Right},
        {"down", SDLK_DOWN, KMOD_NONE, Key::Down},
        {"ctrl+space is not space", SDLK_SPACE, KMOD_LCTRL, std::nullopt},
        {"alt+tab belongs to the desktop", SDLK_TAB, KMOD_LALT, std::nullopt},
        {"system key", SDLK_a, KMOD_LGUI, std::nullopt},
        {"function key", SDLK_F1, KMOD_NONE, std::nullopt},
        {"backspace", SDLK_BACKSPACE, KMOD_NONE, std::nullopt},
        {"delete", SDLK_DELETE, KMOD_NONE, std::nullopt},
        {"a lone shift", SDLK_LSHIFT, KMOD_LSHIFT, std::nullopt},
        {"alt+letter opens a menu", SDLK_f, KMOD_LALT, 'f'},
        {"alt+shift+letter too, in lower case", SDLK_f, KMOD_LALT | KMOD_LSHIFT, 'f'},
        {"alt+space is the desktop's", SDLK_SPACE, KMOD_LALT, std::nullopt},
        {"a lone alt", SDLK_LALT, KMOD_LALT, Key::Alt},
        {"the right alt", SDLK_RALT, KMOD_NONE, Key::Alt},
        {"F10", SDLK_F10, KMOD_NONE, Key::F10},
    };
    for (const auto& c : cases) EXPECT_EQ(TranslateKey(c.key, c.modifiers), c.code) << c.what;
}

struct PointCase {
    Point window;
    Size windowSize, frameSize;
    Point frame;
};

TEST(SdlInput, WindowPointsBecomeFramePixels) {
    const PointCase cases[] = {
        {{10, 20}, {400, 300}, {400, 300}, {10, 20}},       // one to one
        {{200, 150}, {400, 300}, {800, 600}, {400, 300}},   // the desktop doubles the window
        {{399, 299}, {400, 300}, {800, 600}, {798, 598}},   // the last point stays inside the frame
        {{100, 100}, {400, 300}, {600, 450}, {150, 150}},   // one and a half
        {{5, 5}, {0, 0}, {800, 600}, {5, 5}},               // no window size yet
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToFramePixel(c.window, c.windowSize, c.frameSize), c.frame) << c.window.x << "," << c.window.y;
}

SDL_Event MouseButton(Uint32 type, Uint8 button, int x, int y) {
    SDL_Event event{};
    event.type = type;
    event.button.button = button;
    event.button.x = x;
    event.button.y = y;
    return event;
}

SDL_Event WindowEvent(Uint8 what) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = what;
    return event;
}

TEST(SdlInput, LeftMouseButtonClicksAtTheFramePixel) {
    const Size window{400, 300}, frame{800, 600};
    const auto down = TranslateEvent(MouseButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 100, 50), window, frame);
    ASSERT_TRUE(down);
    EXPECT_EQ(down->type, InputEvent::Type::MouseDown);
    EXPECT_EQ(down->position, (Point{200, 100}));

    const auto up = TranslateEvent(MouseButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 101, 51), window, frame);
    ASSERT_TRUE(up);
    EXPECT_EQ(up->type, InputEvent::Type::MouseUp);
    EXPECT_EQ(up->position, (Point{202, 102}));

    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = 3;
    motion.motion.y = 4;
    const auto move = TranslateEvent(motion, window, frame);
    ASSERT_TRUE(move);
    EXPECT_EQ(move->type, InputEvent::Type::MouseMove);
    EXPECT_EQ(move->position, (Point{6, 8}));

    EXPECT_FALSE(TranslateEvent(MouseButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 1, 1), window, frame));
    EXPECT_FALSE(TranslateEvent(MouseButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE, 1, 1), window, frame));
}

TEST(SdlInput, KeyPressCarriesCodeAndShift) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = SDLK_TAB;
    event.key.keysym.mod = KMOD_LSHIFT;
    const auto input = TranslateEvent(event, {100, 100}, {100, 100});
    ASSERT_TRUE(input);
    EXPECT_EQ(input->type, InputEvent::Type::KeyDown);
    EXPECT_EQ(input->keyCode, Key::ShiftTab);
    EXPECT_TRUE(input->shift);

    event.type = SDL_KEYUP;
    EXPECT_FALSE(TranslateEvent(event, {100, 100}, {100, 100})) << "only presses count";
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = SDLK_F5;
    EXPECT_FALSE(TranslateEvent(event, {100, 100}, {100, 100})) << "a key without a code";

    // Alt travels with its letter (a menu key); the Alt key itself is no Alt+Alt.
    event.key.keysym.sym = SDLK_f;
    event.key.keysym.mod = KMOD_LALT;
    const auto altF = TranslateEvent(event, {100, 100}, {100, 100});
    ASSERT_TRUE(altF);
    EXPECT_EQ(altF->keyCode, 'f');
    EXPECT_TRUE(altF->alt);
    EXPECT_FALSE(altF->shift || altF->ctrl || altF->super);
    event.key.keysym.sym = SDLK_LALT;
    const auto alt = TranslateEvent(event, {100, 100}, {100, 100});
    ASSERT_TRUE(alt);
    EXPECT_EQ(alt->keyCode, Key::Alt);
    EXPECT_FALSE(alt->alt);
}

TEST(SdlInput, WindowAndQuitEvents) {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    const std::pair<SDL_Event, std::optional<InputEvent::Type>> cases[] = {
        {quit, InputEvent::Type::CloseRequested},
        {WindowEvent(SDL_WINDOWEVENT_CLOSE), InputEvent::Type::CloseRequested},
        {WindowEvent(SDL_WINDOWEVENT_MINIMIZED), InputEvent::Type::Minimized},
        {WindowEvent(SDL_WINDOWEVENT_RESTORED), InputEvent::Type::Restored},
        {WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST), std::nullopt},
        {WindowEvent(SDL_WINDOWEVENT_MOVED), std::nullopt},
    };
    for (const auto& [event, type] : cases) {
        const auto input = TranslateEvent(event, {100, 100}, {100, 100});
        EXPECT_EQ(input ? std::optional(input->type) : std::nullopt, type) << "window event " << int(event.window.event);
    }
}

}  // namespace
}  // namespace runtime::sdl
