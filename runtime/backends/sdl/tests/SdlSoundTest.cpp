#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

#include "runtime/backends/sdl/SdlSound.h"
#include "runtime/backends/sdl/tests/TestSupport.h"

namespace runtime::sdl {
namespace {

using namespace std::chrono_literals;
using test::CollectingDebug;
using test::ScopedEnv;
using test::TempFolder;

// SDL's "disk" audio driver writes what the device would play into a file,
// at the pace of a real device.
class DiskAudio : public testing::Test {
protected:
    void SetUp() override {
        sound.emplace(debug, voices.empty() ? folder.path() : voices, idleClose);
        ASSERT_TRUE(sound->DeviceFormat()) << (debug.lines.empty() ? "" : debug.lines.front());
        format = *sound->DeviceFormat();
        ASSERT_EQ(format.format, AUDIO_S16SYS);
    }

    // A WAV file in the device's own format, so its samples reach the device unchanged.
    void WriteSound(const char* name, const std::vector<Sint16>& frames) {
        std::vector<Sint16> interleaved;
        for (const Sint16 sample : frames) interleaved.insert(interleaved.end(), format.channels, sample);
        test::WriteFile(folder / name, test::MakeWav(format.freq, format.channels, interleaved));
    }

    // Waits until the device has closed for want of sound.
    bool Closed() {
        const auto giveUp = std::chrono::steady_clock::now() + 10s;
        while (sound->DeviceFormat() && std::chrono::steady_clock::now() < giveUp) std::this_thread::sleep_for(5ms);
        return !sound->DeviceFormat();
    }

    std::vector<Sint16> FirstChannel(const std::vector<std::uint8_t>& bytes) const {
        const std::size_t frameBytes = 2u * format.channels;
        std::vector<Sint16> firstChannel;
        for (std::size_t at = 0; at + frameBytes <= bytes.size(); at += frameBytes) {
            Sint16 sample;
            std::memcpy(&sample, &bytes[at], 2);
            firstChannel.push_back(sample);
        }
        return firstChannel;
    }

    // Lets the device play for `seconds` more, closes it and returns the
    // first channel of everything it played.
    std::vector<Sint16> Played(double seconds) {
        const auto frameBytes = static_cast<std::uintmax_t>(2 * format.channels);
        const auto start = std::filesystem::file_size(output);
        // Beyond the time asked for: the device's buffer and the file's write buffer.
        const auto wanted = start + static_cast<std::uintmax_t>(seconds * format.freq) * frameBytes + 16384;
        const auto giveUp = std::chrono::steady_clock::now() + 10s;
        while (std::filesystem::file_size(output) < wanted && std::chrono::steady_clock::now() < giveUp)
            std::this_thread::sleep_for(5ms);
        sound.reset();
        return FirstChannel(test::ReadFile(output));
    }

    TempFolder folder;
    std::filesystem::path output = folder / "device.raw";
    ScopedEnv driver{"SDL_AUDIODRIVER", "disk"};
    ScopedEnv file{"SDL_DISKAUDIOFILE", output.string()};
    CollectingDebug debug;
    std::optional<SdlSound> sound;
    SDL_AudioSpec format{};
    std::chrono::milliseconds idleClose = SdlSound::DefaultIdleClose;
    std::filesystem::path voices;  // where the sounds are read; the temporary folder when empty
};

// The program's own recorded voices.
class VoiceDiskAudio : public DiskAudio {
protected:
    VoiceDiskAudio() { voices = KORVANDA_VOICES; }
};

class QuietDiskAudio : public DiskAudio {
protected:
    QuietDiskAudio() { idleClose = 50ms; }
};

std::vector<Sint16> Ramp(std::size_t count, int from) {
    std::vector<Sint16> ramp(count);
    for (std::size_t i = 0; i < count; ++i) ramp[i] = static_cast<Sint16>(from + static_cast<int>(i % 5000));
    return ramp;
}

std::size_t Find(const std::vector<Sint16>& haystack, const std::vector<Sint16>& needle) {
    return static_cast<std::size_t>(std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) -
                                    haystack.begin());
}

bool Silent(const std::vector<Sint16>& samples, std::size_t from) {
    return std::all_of(samples.begin() + static_cast<std::ptrdiff_t>(std::min(from, samples.size())), samples.end(),
                       [](Sint16 s) { return s == 0; });
}

TEST_F(DiskAudio, WavReachesTheDeviceSampleForSample) {
    const auto voice = Ramp(static_cast<std::size_t>(format.freq / 10), 1000);
    WriteSound("3.wav", voice);
    sound->Play("3.wav");
    const auto played = Played(0.2);
    const std::size_t at = Find(played, voice);
    ASSERT_LT(at, played.size()) << "the whole sound was played";
    EXPECT_TRUE(std::all_of(played.begin(), played.begin() + static_cast<std::ptrdiff_t>(at),
                            [](Sint16 s) { return s == 0; }))
        << "silence before";
    EXPECT_TRUE(Silent(played, at + voice.size())) << "silence after";
    EXPECT_TRUE(debug.lines.empty());
}

TEST_F(VoiceDiskAudio, RecordedVoiceReachesTheDeviceWhole) {
    if (!std::filesystem::exists(voices / "3.wav")) GTEST_SKIP() << "no voices in " << voices;
    std::string error;
    const auto converted = LoadWav(voices / "3.wav", format, error);
    ASSERT_TRUE(converted) << error;
    std::vector<Sint16> expected;
    for (std::size_t at = 0; at + 2u * format.channels <= converted->bytes.size(); at += 2u * format.channels) {
        Sint16 sample;
        std::memcpy(&sample, &converted->bytes[at], 2);
        expected.push_back(sample);
    }
    sound->Play("3.wav");
    const auto played = Played(0.4);
    EXPECT_LT(Find(played, expected), played.size()) << "all of 3.wav, at the device's rate";
    EXPECT_TRUE(debug.lines.empty());
}

TEST_F(DiskAudio, MissingFileBeeps) {
    sound->Play("missing.wav");
    const auto played = Played(0.25);
    const auto first = std::find_if(played.begin(), played.end(), [](Sint16 s) { return s != 0; });
    const auto last = std::find_if(played.rbegin(), played.rend(), [](Sint16 s) { return s != 0; }).base();
    ASSERT_NE(first, played.end()) << "something was heard";
    EXPECT_NEAR(static_cast<double>(last - first) / format.freq, 0.15, 0.01);
    ASSERT_EQ(debug.lines.size(), 1u);
    EXPECT_NE(debug.lines[0].find("missing.wav"), std::string::npos) << debug.lines[0];
}

TEST_F(DiskAudio, NewSoundCutsOffThePlayingOne) {
    const auto longWord = Ramp(static_cast<std::size_t>(format.freq), 1000);     // one second
    const auto shortWord = Ramp(static_cast<std::size_t>(format.freq / 20), -9000);  // 50 ms
    WriteSound("long.wav", longWord);
    WriteSound("short.wav", shortWord);
    sound->Play("long.wav");
    std::this_thread::sleep_for(50ms);  // let the first word start (the checks hold either way)
    sound->Play("short.wav");
    const auto played = Played(0.2);

    const std::size_t at = Find(played, shortWord);
    ASSERT_LT(at, played.size()) << "the second word was played whole";
    EXPECT_TRUE(Silent(played, at + shortWord.size())) << "the first word does not come back";
    const auto longSamples = std::count_if(played.begin(), played.end(), [](Sint16 s) { return s >= 1000; });
    EXPECT_LT(longSamples, static_cast<std::ptrdiff_t>(longWord.size()) / 2) << "the first word was cut off";
}

TEST_F(DiskAudio, SoundIsKeptAfterItsFirstUse) {
    const auto voice = Ramp(static_cast<std::size_t>(format.freq / 20), 2000);
    WriteSound("plus.wav", voice);
    sound->Play("plus.wav");
    std::filesystem::remove(folder / "plus.wav");
    sound->Play("plus.wav");  // from memory; starts it over
    const auto played = Played(0.15);
    EXPECT_LT(Find(played, voice), played.size());
    EXPECT_TRUE(debug.lines.empty()) << debug.lines.front();
}

// A FIFO in place of a voice beeps with one line, and nothing waits on it.
TEST_F(DiskAudio, FifoInPlaceOfAVoiceBeeps) {
    ASSERT_EQ(mkfifo((folder / "5.wav").c_str(), 0600), 0);
    sound->Play("5.wav");
    const auto played = Played(0.25);
    EXPECT_NE(std::find_if(played.begin(), played.end(), [](Sint16 s) { return s != 0; }),
              played.end());
    ASSERT_EQ(debug.lines.size(), 1u);
    EXPECT_NE(debug.lines[0].find("not a regular file"), std::string::npos) << debug.lines[0];
}

// Converted voices are kept up to a budget: ten voices of nine seconds do
// not all stay, the one played longest ago goes.
TEST_F(DiskAudio, KeptVoicesStayWithinABudget) {
    const std::vector<Sint16> nineSeconds(static_cast<std::size_t>(format.freq) * 9, 500);
    for (int i = 0; i < 10; ++i) {
        const std::string name = std::to_string(i) + ".wav";
        WriteSound(name.c_str(), nineSeconds);
        sound->Play(name);
        std::filesystem::remove(folder / name);
    }
    ASSERT_TRUE(debug.lines.empty()) << debug.lines.front();
    sound->Play("9.wav");  // still in memory
    EXPECT_TRUE(debug.lines.empty());
    sound->Play("0.wav");  // gone from memory, and from the folder
    ASSERT_EQ(debug.lines.size(), 1u);
    EXPECT_NE(debug.lines[0].find("0.wav"), std::string::npos) << debug.lines[0];
}

TEST_F(QuietDiskAudio, DeviceClosesWhenQuietAndOpensForTheNextSound) {
    ASSERT_TRUE(Closed()) << "closed after a spell of silence";
    const auto voice = Ramp(static_cast<std::size_t>(format.freq / 5), 3000);
    WriteSound("7.wav", voice);
    sound->Play("7.wav");
    ASSERT_TRUE(sound->DeviceFormat()) << "open again";
    ASSERT_TRUE(Closed()) << "and closed once the sound has ended";
    // The disk driver starts its file afresh on opening.
    const auto played = FirstChannel(test::ReadFile(output));
    EXPECT_LT(Find(played, voice), played.size()) << "the whole sound was played before closing";
    EXPECT_TRUE(debug.lines.empty());
}

TEST(SdlSound, WithoutAudioDeviceEverythingIsSilent) {
    ScopedEnv driver{"SDL_AUDIODRIVER", "no-such-driver"};
    TempFolder folder;
    CollectingDebug debug;
    SdlSound sound(debug, folder.path());
    EXPECT_FALSE(sound.DeviceFormat());
    sound.Play("3.wav");
    sound.Play("missing.wav");
    EXPECT_EQ(debug.lines.size(), 1u) << "one line tells why it is silent";
}

}  // namespace
}  // namespace runtime::sdl
