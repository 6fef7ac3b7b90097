#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <utility>

#include "abacor/Problem.h"
#include "runtime/Services.h"
#include "runtime/Window.h"

namespace abacor {

// Speaks by starting recorded sound files; each word gets half a second.
class Voice {
public:
    static constexpr std::chrono::milliseconds PauseLength{500};

    // `folder` holds the recordings of one language ("voices/de/"); empty:
    // the English ones, in the data folder itself.
    Voice(runtime::SoundService& sound, runtime::Clock& clock, std::string folder = {})
        : sound_(sound), clock_(clock), folder_(std::move(folder)) {}
    // Pauses keep `window` on screen: exposures are repainted meanwhile, and
    // a close request ends the speech.
    Voice(runtime::SoundService& sound, runtime::Clock& clock, runtime::Window& window,
          std::string folder = {})
        : sound_(sound), clock_(clock), window_(&window), folder_(std::move(folder)) {}

    // Starts the file and returns at once; it cuts off a word still playing.
    void Say(std::string_view file) { sound_.Play(folder_ + std::string(file)); }
    void SayNumber(int value);

    // Half a second of sleep, measured on the monotonic clock so that it also
    // ends across midnight. No event is handled meanwhile: input waits until
    // the speech is over. False when a close request cut it short.
    bool Pause();

    // "3", "plus", "4", "equals", "7", half a second apart and a whole second
    // before the result; a negative result is preceded by "minus". A close
    // request ends it after the word being spoken.
    void SayEquation(const Variables& v);

private:
    runtime::SoundService& sound_;
    runtime::Clock& clock_;
    runtime::Window* window_ = nullptr;
    std::string folder_;
};

}  // namespace abacor
