#pragma once

#include <chrono>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <utility>

namespace runtime {

// Plays sound files. Start returns at once; a new sound stops the one playing;
// a missing or unreadable file plays a short default sound.
class SoundService {
public:
    virtual ~SoundService() = default;
    virtual void Play(std::string_view fileName) = 0;
};

// Time as the programs see it.
class Clock {
public:
    virtual ~Clock() = default;
    // Hundredths of a second since midnight, plus 1.
    virtual std::int32_t TimeOfDay() const = 0;
    virtual std::chrono::steady_clock::time_point Now() const = 0;
    // Sleeps until `deadline` (no spinning).
    virtual void SleepUntil(std::chrono::steady_clock::time_point deadline) = 0;
};

class SystemClock final : public Clock {
public:
    std::int32_t TimeOfDay() const override;
    std::chrono::steady_clock::time_point Now() const override { return std::chrono::steady_clock::now(); }
    void SleepUntil(std::chrono::steady_clock::time_point deadline) override;
};

// Uniform integers over closed ranges.
class Random {
public:
    explicit Random(std::uint64_t seed = std::random_device{}()) : engine_(seed) {}
    void Seed(std::uint64_t seed) { engine_.seed(seed); }
    // A uniform integer in [low, high], both included; reversed bounds are
    // taken the right way round.
    int Between(int low, int high) {
        if (low > high) std::swap(low, high);
        return std::uniform_int_distribution<int>(low, high)(engine_);
    }

private:
    std::mt19937_64 engine_;
};

// Where debugger output goes (standard error on Linux).
class DebugOutput {
public:
    virtual ~DebugOutput() = default;
    virtual void Write(std::string_view text) = 0;
};

class StderrDebugOutput final : public DebugOutput {
public:
    void Write(std::string_view text) override;
};

}  // namespace runtime
