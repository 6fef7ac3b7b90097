#pragma once

#include <memory>
#include <utility>

#include <SDL.h>

namespace runtime::sdl {

// Frees whichever SDL object it is handed, so every SDL handle can live in
// a unique_ptr.
struct SdlDeleter {
    void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
    void operator()(SDL_Renderer* renderer) const { SDL_DestroyRenderer(renderer); }
    void operator()(SDL_Texture* texture) const { SDL_DestroyTexture(texture); }
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
    void operator()(SDL_AudioStream* stream) const { SDL_FreeAudioStream(stream); }
    void operator()(SDL_RWops* file) const { SDL_RWclose(file); }
};

template <class T>
using SdlPtr = std::unique_ptr<T, SdlDeleter>;

// One reference to some SDL subsystems: initialised on construction, shut
// down on destruction. The last reference out shuts SDL down entirely.
class SdlSubsystem {
public:
    explicit SdlSubsystem(Uint32 flags) : flags_(SDL_InitSubSystem(flags) == 0 ? flags : 0) {}
    ~SdlSubsystem() {
        if (flags_ != 0) SDL_QuitSubSystem(flags_);
        if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
    }
    SdlSubsystem(const SdlSubsystem&) = delete;
    SdlSubsystem& operator=(const SdlSubsystem&) = delete;

    bool Ready() const { return flags_ != 0; }

private:
    Uint32 flags_;
};

// An open audio device; closing it waits for its callback to return.
class AudioDevice {
public:
    AudioDevice() = default;
    explicit AudioDevice(SDL_AudioDeviceID id) : id_(id) {}
    ~AudioDevice() { Close(); }
    AudioDevice(AudioDevice&& other) noexcept : id_(std::exchange(other.id_, 0)) {}
    AudioDevice& operator=(AudioDevice&& other) noexcept {
        if (this != &other) {
            Close();
            id_ = std::exchange(other.id_, 0);
        }
        return *this;
    }

    SDL_AudioDeviceID Id() const { return id_; }
    explicit operator bool() const { return id_ != 0; }

private:
    void Close() {
        if (id_ != 0) SDL_CloseAudioDevice(id_);
        id_ = 0;
    }

    SDL_AudioDeviceID id_ = 0;
};

}  // namespace runtime::sdl
