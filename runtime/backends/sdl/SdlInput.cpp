#include "runtime/backends/sdl/SdlInput.h"

#include "runtime/Event.h"

namespace runtime::sdl {

std::optional<int> TranslateKey(SDL_Keycode key, Uint16 modifiers) {
    if (key == SDLK_LALT || key == SDLK_RALT) return Key::Alt;
    if (modifiers & (KMOD_CTRL | KMOD_GUI)) return std::nullopt;
    const bool shift = (modifiers & KMOD_SHIFT) != 0;
    if (modifiers & KMOD_ALT) {
        // Alt with a letter or digit opens a menu; other Alt keys are the desktop's.
        const bool letter = key >= 'a' && key <= 'z', digit = key >= '0' && key <= '9';
        return letter || digit ? std::optional<int>(key) : std::nullopt;
    }
    switch (key) {
        case SDLK_TAB: return shift ? Key::ShiftTab : Key::Tab;
        case SDLK_RETURN:
        case SDLK_KP_ENTER: return Key::Enter;
        case SDLK_ESCAPE: return Key::Escape;
        case SDLK_LEFT: return Key::Left;
        case SDLK_UP: return Key::Up;
        case SDLK_RIGHT: return Key::Right;
        case SDLK_DOWN: return Key::Down;
        case SDLK_F10: return Key::F10;
        default: break;
    }
    // Keys without a character have the scancode bit set; below 32 and 127
    // are control characters (Backspace, Delete), 128-159 unused.
    if (key & SDLK_SCANCODE_MASK) return std::nullopt;
    if (key < 32 || (key >= 127 && key < 160)) return std::nullopt;
    if (key >= 'a' && key <= 'z') {
        const bool capitals = shift != ((modifiers & KMOD_CAPS) != 0);
        if (capitals) return key - 'a' + 'A';
    }
    return key;
}

Point ToFramePixel(Point windowPoint, Size window, Size frame) {
    if (window.width <= 0 || window.height <= 0 || window == frame) return windowPoint;
    const auto scale = [](int value, int from, int to) {
        return static_cast<int>(static_cast<long long>(value) * to / from);
    };
    return {scale(windowPoint.x, window.width, frame.width), scale(windowPoint.y, window.height, frame.height)};
}

namespace {

std::optional<InputEvent> Mouse(InputEvent::Type type, int x, int y, Size window, Size frame) {
    InputEvent input;
    input.type = type;
    input.position = ToFramePixel({x, y}, window, frame);
    return input;
}

std::optional<InputEvent> Simple(InputEvent::Type type) {
    InputEvent input;
    input.type = type;
    return input;
}

}  // namespace

std::optional<InputEvent> TranslateEvent(const SDL_Event& event, Size window, Size frame) {
    switch (event.type) {
        case SDL_QUIT: return Simple(InputEvent::Type::CloseRequested);
        case SDL_WINDOWEVENT:
            switch (event.window.event) {
                case SDL_WINDOWEVENT_CLOSE: return Simple(InputEvent::Type::CloseRequested);
                case SDL_WINDOWEVENT_MINIMIZED: return Simple(InputEvent::Type::Minimized);
                case SDL_WINDOWEVENT_RESTORED: return Simple(InputEvent::Type::Restored);
                default: return std::nullopt;
            }
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (event.button.button != SDL_BUTTON_LEFT) return std::nullopt;
            return Mouse(event.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Type::MouseDown : InputEvent::Type::MouseUp,
                         event.button.x, event.button.y, window, frame);
        case SDL_MOUSEMOTION:
            return Mouse(InputEvent::Type::MouseMove, event.motion.x, event.motion.y, window, frame);
        case SDL_KEYDOWN: {
            const auto code = TranslateKey(event.key.keysym.sym, event.key.keysym.mod);
            if (!code) return std::nullopt;
            InputEvent input;
            input.type = InputEvent::Type::KeyDown;
            input.keyCode = *code;
            input.shift = (event.key.keysym.mod & KMOD_SHIFT) != 0;
            input.ctrl = (event.key.keysym.mod & KMOD_CTRL) != 0;
            input.alt = (event.key.keysym.mod & KMOD_ALT) != 0 && *code != Key::Alt;
            input.super = (event.key.keysym.mod & KMOD_GUI) != 0;
            return input;
        }
        default: return std::nullopt;
    }
}

}  // namespace runtime::sdl
