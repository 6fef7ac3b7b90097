#pragma once

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <thread>
#include <unordered_map>

#include "runtime/Services.h"
#include "runtime/backends/sdl/SdlHandles.h"
#include "runtime/backends/sdl/SoundClip.h"

namespace runtime::sdl {

// Plays WAV files on the default audio device through SDL.
//
// The device is opened at once with a small buffer, so a sound starts within
// a few milliseconds of Play. Files are read by bare name from `folder` (the
// working folder when empty), converted to the device's format and kept in
// memory after their first use. A file that cannot be played gives a short
// beep instead. Without an audio device every Play is silent.
//
// An open device keeps SDL's audio thread waking every buffer, so after
// `idleClose` of silence the device is closed, and the next Play opens it
// again: an idle program uses no processor time.
//
// Play is called from one thread; the audio callback only copies samples.
class SdlSound final : public SoundService {
public:
    static constexpr std::chrono::milliseconds DefaultIdleClose{20'000};
    // Converted voices are kept up to this many bytes (ours take about 2 MB
    // together); the ones played longest ago go first.
    static constexpr std::size_t ClipBytesKept = 16 * 1024 * 1024;

    // `debug` hears about a missing device or an unplayable file, once each,
    // and only from Play and the constructor.
    explicit SdlSound(DebugOutput& debug, std::filesystem::path folder = {},
                      std::chrono::milliseconds idleClose = DefaultIdleClose);
    ~SdlSound() override = default;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    void Play(std::string_view fileName) override;

    // The format of the open device, or nullopt when none is open.
    std::optional<SDL_AudioSpec> DeviceFormat() const;

private:
    bool OpenDevice(std::string& error);
    void CloseDevice();
    void CloseWhenIdle(std::stop_token stop);
    const SoundClip& Clip(std::string_view fileName);
    void DropClipsBeyondBudget(const std::string& keep);
    static void FillCallback(void* self, Uint8* out, int length);
    void Fill(Uint8* out, int length);

    DebugOutput& debug_;
    const std::filesystem::path folder_;
    const std::chrono::milliseconds idleClose_;

    // Guards everything below against the closing thread, except what the
    // callback reads, which the device lock guards.
    mutable std::mutex mutex_;
    std::condition_variable_any deviceOpened_;
    bool hasDevice_ = false;        // a device opened at start: worth reopening
    bool reportedReopen_ = false;   // a failed reopen was told once
    std::chrono::steady_clock::time_point quietFrom_;  // when the last sound ends

    SDL_AudioSpec format_{};
    SoundClip beep_;
    // nullptr marks a file that cannot be played: the beep stands in for it.
    struct CachedClip {
        std::unique_ptr<const SoundClip> clip;
        std::uint64_t lastUse = 0;
    };
    std::unordered_map<std::string, CachedClip> clips_;
    std::uint64_t uses_ = 0;

    // Shared with the audio callback; changed only under the device lock.
    const SoundClip* playing_ = nullptr;
    std::size_t position_ = 0;

    // In this order, so the closing thread stops first, then the device
    // closes (stopping the callback), then SDL's audio shuts down, all
    // before the clips go.
    std::optional<SdlSubsystem> audio_;
    AudioDevice device_;
    std::jthread closer_;
};

}  // namespace runtime::sdl
