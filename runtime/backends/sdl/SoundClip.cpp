#include "runtime/backends/sdl/SoundClip.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "runtime/RegularFile.h"
#include "runtime/backends/sdl/SdlHandles.h"

namespace runtime::sdl {

namespace {

struct WavDeleter {
    void operator()(Uint8* samples) const { SDL_FreeWAV(samples); }
};

int FrameBytes(const SDL_AudioSpec& format) { return SDL_AUDIO_BITSIZE(format.format) / 8 * format.channels; }

}  // namespace

std::optional<SoundClip> ConvertSound(const SDL_AudioSpec& from, std::span<const Uint8> samples,
                                      const SDL_AudioSpec& to, std::string& error) {
    const std::size_t fromFrame = static_cast<std::size_t>(FrameBytes(from));
    const std::size_t toFrame = static_cast<std::size_t>(FrameBytes(to));
    if (fromFrame == 0 || toFrame == 0 || from.freq <= 0 || to.freq <= 0) {
        error = "unusable sample format";
        return std::nullopt;
    }
    // The stream takes whole sample frames only; a torn last frame is dropped.
    const std::size_t frames = samples.size() / fromFrame;
    if (frames * fromFrame > static_cast<std::size_t>(INT32_MAX)) {
        error = "sound too long";
        return std::nullopt;
    }
    SdlPtr<SDL_AudioStream> stream(
        SDL_NewAudioStream(from.format, from.channels, from.freq, to.format, to.channels, to.freq));
    if (!stream) {
        error = SDL_GetError();
        return std::nullopt;
    }
    // The resampler holds back the end of what it was given, and its flush
    // loses some of that; a tenth of a second of silence pushes the whole
    // sound through, and the result is cut to the sound's own length.
    const std::vector<Uint8> tail(from.freq != to.freq ? fromFrame * static_cast<std::size_t>(from.freq / 10) : 0,
                                  from.format == AUDIO_U8 ? Uint8{0x80} : Uint8{0});
    if ((frames > 0 && SDL_AudioStreamPut(stream.get(), samples.data(), static_cast<int>(frames * fromFrame)) != 0) ||
        (!tail.empty() && SDL_AudioStreamPut(stream.get(), tail.data(), static_cast<int>(tail.size())) != 0) ||
        SDL_AudioStreamFlush(stream.get()) != 0) {
        error = SDL_GetError();
        return std::nullopt;
    }
    const auto wanted = (static_cast<unsigned long long>(frames) * static_cast<unsigned>(to.freq) +
                         static_cast<unsigned>(from.freq) - 1) / static_cast<unsigned>(from.freq);
    SoundClip clip;
    clip.bytes.resize(std::min(static_cast<std::size_t>(wanted) * toFrame,
                               static_cast<std::size_t>(SDL_AudioStreamAvailable(stream.get()))));
    const int got = SDL_AudioStreamGet(stream.get(), clip.bytes.data(), static_cast<int>(clip.bytes.size()));
    if (got < 0) {
        error = SDL_GetError();
        return std::nullopt;
    }
    clip.bytes.resize(static_cast<std::size_t>(got) / toFrame * toFrame);
    return clip;
}

std::optional<SoundClip> LoadWav(const std::filesystem::path& file, const SDL_AudioSpec& device, std::string& error) {
    const auto opened = RegularFile::Open(file.string(), error);
    if (!opened) {
        error = file.string() + ": " + error;
        return std::nullopt;
    }
    if (opened->Size() > MaxWavFileBytes) {
        error = "larger than " + std::to_string(MaxWavFileBytes / (1024 * 1024)) + " MB";
        return std::nullopt;
    }
    const std::vector<std::uint8_t> bytes =
        opened->ReadStart(static_cast<std::size_t>(opened->Size()));
    SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (source == nullptr) {
        error = SDL_GetError();
        return std::nullopt;
    }
    SDL_AudioSpec stored{};
    Uint8* samples = nullptr;
    Uint32 length = 0;
    // Closes `source` whatever happens.
    if (SDL_LoadWAV_RW(source, 1, &stored, &samples, &length) == nullptr) {
        error = SDL_GetError();
        return std::nullopt;
    }
    const std::unique_ptr<Uint8, WavDeleter> owned(samples);
    const int frameBytes = FrameBytes(stored);
    if (frameBytes > 0 && stored.freq > 0 &&
        static_cast<double>(length) / frameBytes / stored.freq > MaxWavSeconds) {
        error = "longer than " + std::to_string(static_cast<int>(MaxWavSeconds)) + " s";
        return std::nullopt;
    }
    return ConvertSound(stored, {samples, length}, device, error);
}

SoundClip MakeBeep(const SDL_AudioSpec& device) {
    constexpr double Seconds = 0.15, FadeSeconds = 0.02, Pitch = 880.0, Loudness = 0.2;
    const int rate = device.freq > 0 ? device.freq : 48000;
    const int count = static_cast<int>(rate * Seconds);
    const int fade = static_cast<int>(rate * FadeSeconds);

    std::vector<float> wave(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        // Raised-cosine edges: the level starts and ends at zero with no corner.
        const int edge = std::min(i, count - 1 - i);
        const double envelope = edge >= fade ? 1.0 : 0.5 - 0.5 * std::cos(std::numbers::pi * edge / fade);
        wave[static_cast<std::size_t>(i)] =
            static_cast<float>(Loudness * envelope * std::sin(2 * std::numbers::pi * Pitch * i / rate));
    }

    SDL_AudioSpec mono{};
    mono.freq = rate;
    mono.format = AUDIO_F32SYS;
    mono.channels = 1;
    std::string ignored;
    const auto bytes = std::as_bytes(std::span(wave));
    auto clip = ConvertSound(mono, {reinterpret_cast<const Uint8*>(bytes.data()), bytes.size()}, device, ignored);
    return clip ? std::move(*clip) : SoundClip{};
}

}  // namespace runtime::sdl
