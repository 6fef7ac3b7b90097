#include <gtest/gtest.h>

#include <cerrno>

#include "TestWindows.h"
#include "runtime/RawFile.h"

namespace runtime::testing {
namespace {

TEST(SystemClock, TimeOfDayIsHundredthsSinceMidnightPlusOne) {
    SystemClock clock;
    const std::int32_t t = clock.TimeOfDay();
    EXPECT_GE(t, 1);
    EXPECT_LE(t, 24 * 60 * 60 * 100);
}

TEST(ManualClock, SleepRunsTheHookThenJumpsToTheDeadline) {
    ManualClock clock;
    int seen = -1;
    clock.onSleep = [&] { seen = clock.sleeps; };
    const auto start = clock.Now();
    const std::int32_t day = clock.TimeOfDay();
    clock.SleepUntil(start + std::chrono::milliseconds(500));
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(clock.Now(), start + std::chrono::milliseconds(500));
    EXPECT_EQ(clock.TimeOfDay(), day + 50);
    for (int i = 0; i < 10; ++i) clock.Advance(std::chrono::milliseconds(1));  // small steps add up
    EXPECT_EQ(clock.TimeOfDay(), day + 51);
    clock.SleepUntil(start);  // a deadline in the past does not go back
    EXPECT_EQ(clock.Now(), start + std::chrono::milliseconds(510));
}

TEST(RecordingSound, RecordsFilesWithTheirTime) {
    Headless h = CreateHeadlessRuntime();
    h.runtime->sound().Play("3.wav");
    h.clock->Advance(std::chrono::milliseconds(500));
    h.runtime->sound().Play("plus.wav");
    EXPECT_EQ(h.sound->Files(), (std::vector<std::string>{"3.wav", "plus.wav"}));
    EXPECT_EQ(h.sound->played[1].at - h.sound->played[0].at, std::chrono::milliseconds(500));
}

TEST(RawFile, ReadsBlocksAtOneBasedPositions) {
    WorkingFolder folder;
    std::vector<std::uint8_t> content(5000);
    for (std::size_t i = 0; i < content.size(); ++i) content[i] = static_cast<std::uint8_t>(i * 7);
    WriteFile("data.bin", content);

    RawFile file;
    ASSERT_TRUE(file.Open("data.bin"));
    EXPECT_EQ(file.Length(), 5000);
    std::vector<std::uint8_t> buffer(8000);
    EXPECT_EQ(file.Read(1, buffer), RawFile::MaxBlock);  // never more than one block
    EXPECT_EQ(buffer[0], content[0]);
    EXPECT_EQ(file.Error(), 0);
    EXPECT_EQ(file.Read(4001, buffer), 1000u);
    EXPECT_EQ(buffer[0], content[4000]);
    EXPECT_EQ(file.Read(5001, buffer), 0u);  // at the end
    EXPECT_EQ(file.Error(), 0);
    EXPECT_EQ(file.Read(0, buffer), 0u);
    EXPECT_EQ(file.Error(), EINVAL);
    file.Close();
    EXPECT_EQ(file.Error(), 0);
    EXPECT_EQ(file.Read(1, buffer), 0u);
    EXPECT_EQ(file.Error(), EBADF);
    EXPECT_EQ(file.Length(), -1);

    EXPECT_FALSE(file.Open("missing.bin"));
    EXPECT_EQ(file.Error(), ENOENT);
}

TEST(Random, StaysInsideTheClosedRange) {
    Random random(7);
    bool low = false, high = false;
    for (int i = 0; i < 1000; ++i) {
        const int v = random.Between(0, 10);
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 10);
        low |= v == 0;
        high |= v == 10;
    }
    EXPECT_TRUE(low && high);
    for (int i = 0; i < 100; ++i) {
        const int v = random.Between(5, 3);  // reversed bounds
        ASSERT_GE(v, 3);
        ASSERT_LE(v, 5);
    }
    EXPECT_EQ(random.Between(4, 4), 4);
}

}  // namespace
}  // namespace runtime::testing
