#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <SDL.h>

namespace runtime::sdl {

// A sound ready to play: its samples in the audio device's format.
struct SoundClip {
    std::vector<Uint8> bytes;
};

// Converts samples from one format to another (rate, channels, sample type).
std::optional<SoundClip> ConvertSound(const SDL_AudioSpec& from, std::span<const Uint8> samples,
                                      const SDL_AudioSpec& to, std::string& error);

// No voice of ours is longer than a few words; a file beyond these is damaged.
constexpr std::uint64_t MaxWavFileBytes = 4 * 1024 * 1024;
constexpr double MaxWavSeconds = 10.0;

// Reads a WAV file and converts it to `device`'s format; nullopt and the
// reason when the file is missing, not a regular file, unreadable, damaged,
// larger than MaxWavFileBytes or longer than MaxWavSeconds.
std::optional<SoundClip> LoadWav(const std::filesystem::path& file, const SDL_AudioSpec& device, std::string& error);

// The sound played for a file that cannot be played: a soft 150 ms beep
// that fades in and out, so it does not click.
SoundClip MakeBeep(const SDL_AudioSpec& device);

}  // namespace runtime::sdl
