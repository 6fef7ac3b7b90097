#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "runtime/backends/sdl/SoundClip.h"
#include "runtime/backends/sdl/tests/TestSupport.h"

namespace runtime::sdl {
namespace {

using test::MakeWav;
using test::TempFolder;
using test::WriteFile;

SDL_AudioSpec Format(int rate, int channels, SDL_AudioFormat format = AUDIO_S16SYS) {
    SDL_AudioSpec result{};
    result.freq = rate;
    result.channels = static_cast<Uint8>(channels);
    result.format = format;
    return result;
}

std::vector<Sint16> Samples(const SoundClip& clip) {
    std::vector<Sint16> samples(clip.bytes.size() / 2);
    std::memcpy(samples.data(), clip.bytes.data(), samples.size() * 2);
    return samples;
}

TEST(SoundClip, SameFormatIsCopiedExactly) {
    const std::vector<Sint16> wave = {0, 1, -1, 32767, -32768, 1234, -4321, 7};
    std::string error;
    const auto clip = ConvertSound(Format(48000, 2), {reinterpret_cast<const Uint8*>(wave.data()), wave.size() * 2},
                                   Format(48000, 2), error);
    ASSERT_TRUE(clip) << error;
    EXPECT_EQ(Samples(*clip), wave);
}

TEST(SoundClip, TornLastFrameIsDropped) {
    const std::vector<Sint16> wave = {10, 20, 30, 40, 50};  // two and a half stereo frames
    std::string error;
    const auto clip = ConvertSound(Format(48000, 2), {reinterpret_cast<const Uint8*>(wave.data()), 9},
                                   Format(48000, 2), error);
    ASSERT_TRUE(clip) << error;
    EXPECT_EQ(Samples(*clip), (std::vector<Sint16>{10, 20, 30, 40}));
}

TEST(SoundClip, BeepIsShortSoftAndFadesAtBothEnds) {
    for (const auto& format : {Format(48000, 2), Format(44100, 1), Format(22050, 6)}) {
        SCOPED_TRACE(testing::Message() << format.freq << " Hz, " << int(format.channels) << " channels");
        const auto samples = Samples(MakeBeep(format));
        const std::size_t frames = samples.size() / format.channels;
        EXPECT_NEAR(static_cast<double>(frames) / format.freq, 0.15, 0.005);
        int peak = 0;
        for (const Sint16 sample : samples) peak = std::max(peak, std::abs(int(sample)));
        EXPECT_GT(peak, 32767 / 10) << "loud enough to hear";
        EXPECT_LT(peak, 32767 / 4) << "soft";
        // The first and last millisecond stay near silence: no click.
        const std::size_t edge = static_cast<std::size_t>(format.freq / 1000) * format.channels;
        for (std::size_t i = 0; i < edge; ++i) {
            EXPECT_LT(std::abs(int(samples[i])), peak / 50) << "start " << i;
            EXPECT_LT(std::abs(int(samples[samples.size() - 1 - i])), peak / 50) << "end " << i;
        }
    }
}

TEST(SoundClip, WavIsReadAndConvertedToTheDevice) {
    TempFolder folder;
    const std::vector<Sint16> mono(2205, 8000);  // 0.1 s of a steady level at 22050 Hz
    WriteFile(folder / "steady.wav", MakeWav(22050, 1, mono));
    std::string error;
    const auto clip = LoadWav(folder / "steady.wav", Format(48000, 2), error);
    ASSERT_TRUE(clip) << error;
    const auto samples = Samples(*clip);
    EXPECT_EQ(samples.size(), 2u * 4800) << "0.1 s at the device's rate, none of its end lost";
    // Away from the edges, where resampling rings, the level and both channels hold.
    for (std::size_t i = 400; i + 400 < samples.size(); i += 2) {
        ASSERT_NEAR(samples[i], 8000, 240) << i;
        ASSERT_EQ(samples[i], samples[i + 1]) << i;
    }
}

struct DamagedCase {
    const char* what;
    std::vector<std::uint8_t> bytes;
};

std::vector<std::uint8_t> Patched(std::vector<std::uint8_t> bytes, std::size_t at, std::uint8_t value) {
    bytes.at(at) = value;
    return bytes;
}

TEST(SoundClip, MissingOrDamagedWavIsRefusedWithAReason) {
    const std::vector<Sint16> wave(200, 1000);
    const auto good = MakeWav(48000, 1, wave);
    const DamagedCase cases[] = {
        {"empty file", {}},
        {"not a WAV file", {'h', 'e', 'l', 'l', 'o', '\n'}},
        {"only the RIFF tag", {'R', 'I', 'F', 'F'}},
        {"header cut inside the format chunk", {good.begin(), good.begin() + 30}},
        {"no channels", Patched(good, 22, 0)},
        {"compression it does not know", Patched(good, 20, 0x55)},
        {"sample size of 3 bits", Patched(good, 34, 3)},
    };
    TempFolder folder;
    for (const auto& c : cases) {
        WriteFile(folder / "damaged.wav", c.bytes);
        std::string error;
        EXPECT_FALSE(LoadWav(folder / "damaged.wav", Format(48000, 2), error)) << c.what;
        EXPECT_FALSE(error.empty()) << c.what;
    }
    std::string error;
    EXPECT_FALSE(LoadWav(folder / "missing.wav", Format(48000, 2), error));
    EXPECT_NE(error.find("missing.wav"), std::string::npos) << error;
    EXPECT_FALSE(LoadWav(folder.path(), Format(48000, 2), error)) << "a folder";
}

// Voices that are there but hostile: refused with a reason, at once.
TEST(SoundClip, WavBeyondTheBoundsOrNotARegularFileIsRefused) {
    TempFolder folder;
    WriteFile(folder / "long.wav",
              MakeWav(8000, 1, std::vector<Sint16>(8000 * 11, 100)));  // 11 s, 176 KB
    WriteFile(folder / "large.wav",
              MakeWav(192000, 2, std::vector<Sint16>(192000 * 2 * 7, 100)));  // 7 s, 5 MB
    ASSERT_EQ(mkfifo((folder / "fifo.wav").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", folder / "device.wav");
    const struct {
        const char* name;
        const char* reason;
    } cases[] = {
        {"long.wav", "longer than 10 s"},
        {"large.wav", "larger than 4 MB"},
        {"fifo.wav", "not a regular file"},
        {"device.wav", "not a regular file"},
        {".", "a folder"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(LoadWav(folder / c.name, Format(48000, 2), error)) << c.name;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.name << ": " << error;
    }
    // Just below the bound is a voice like any other.
    WriteFile(folder / "nine.wav", MakeWav(8000, 1, std::vector<Sint16>(8000 * 9, 100)));
    std::string error;
    EXPECT_TRUE(LoadWav(folder / "nine.wav", Format(8000, 1), error)) << error;
}

TEST(SoundClip, TruncatedWavPlaysWhatIsThere) {
    const std::vector<Sint16> wave(1000, 1000);
    auto bytes = MakeWav(48000, 1, wave);
    bytes.resize(44 + 600);  // the header promises 2000 bytes of samples
    TempFolder folder;
    WriteFile(folder / "cut.wav", bytes);
    std::string error;
    const auto clip = LoadWav(folder / "cut.wav", Format(48000, 1), error);
    ASSERT_TRUE(clip) << error;
    EXPECT_EQ(Samples(*clip), std::vector<Sint16>(300, 1000));
}

}  // namespace
}  // namespace runtime::sdl
