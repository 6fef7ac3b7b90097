#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "runtime/Services.h"
#include "runtime/backends/sdl/SdlHandles.h"
#include "runtime/backends/sdl/SoundClip.h"

namespace runtime::sdl {

// Plays WAV files on the default audio device through SDL.
//
// The device is opened once with a small buffer, so a sound starts within a
// few milliseconds of Play. Files are read by bare name from `folder` (the
// working folder when empty), converted to the device's format and kept in
// memory after their first use. A file that cannot be played gives a short
// beep instead. Without an audio device every Play is silent.
//
// Play is called from one thread; the audio callback only copies samples.
class SdlSound final : public SoundService {
public:
    // `debug` hears about a missing device or an unplayable file, once each;
    // it is not used by the destructor.
    explicit SdlSound(DebugOutput& debug, std::filesystem::path folder = {});
    ~SdlSound() override = default;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    void Play(std::string_view fileName) override;

    // The device's sample format, or nullopt when there is no device.
    std::optional<SDL_AudioSpec> DeviceFormat() const;

private:
    static void FillCallback(void* self, Uint8* out, int length);
    void Fill(Uint8* out, int length);
    const SoundClip& Clip(std::string_view fileName);

    SdlSubsystem audio_{SDL_INIT_AUDIO};
    DebugOutput& debug_;
    std::filesystem::path folder_;
    SDL_AudioSpec format_{};
    SoundClip beep_;
    // nullptr marks a file that cannot be played: the beep stands in for it.
    std::unordered_map<std::string, std::unique_ptr<const SoundClip>> clips_;

    // Shared with the audio callback; changed only under the device lock.
    const SoundClip* playing_ = nullptr;
    std::size_t position_ = 0;

    // Last, so it is closed (and the callback stopped) before the clips go.
    AudioDevice device_;
};

}  // namespace runtime::sdl
