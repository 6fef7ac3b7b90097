#include "runtime/backends/sdl/SignalCloseRequests.h"

#include <SDL.h>
#include <pthread.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>

namespace runtime::sdl {

SignalCloseRequests::SignalCloseRequests(std::chrono::milliseconds giveUpAfter)
    : giveUpAfter_(giveUpAfter) {
    sigemptyset(&signals_);
    sigaddset(&signals_, SIGTERM);
    sigaddset(&signals_, SIGINT);
    sigaddset(&signals_, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &signals_, &previousMask_);
    watcher_ = std::thread([this] { Watch(); });
}

SignalCloseRequests::~SignalCloseRequests() {
    // Wake the watcher with one of its own signals; it sees the flag and ends.
    stopping_ = true;
    pthread_kill(watcher_.native_handle(), SIGTERM);
    watcher_.join();
    pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
}

void SignalCloseRequests::Watch() {
    using Clock = std::chrono::steady_clock;
    std::optional<Clock::time_point> giveUpAt;
    int firstSignal = 0;
    for (;;) {
        int signal = 0;
        if (!giveUpAt) {
            if (sigwait(&signals_, &signal) != 0) continue;
        } else {
            const auto left =
                std::chrono::duration_cast<std::chrono::nanoseconds>(*giveUpAt - Clock::now());
            if (left.count() <= 0) {
                if (stopping_) return;
                EndProcess(firstSignal);
            }
            const timespec wait{static_cast<time_t>(left.count() / 1'000'000'000),
                                static_cast<long>(left.count() % 1'000'000'000)};
            signal = sigtimedwait(&signals_, nullptr, &wait);
            if (signal < 0) continue;  // the time is up, or a stray wake-up: looked at above
        }
        if (stopping_) return;
        if (!giveUpAt) {
            giveUpAt = Clock::now() + giveUpAfter_;
            firstSignal = signal;
        }
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
    }
}

void SignalCloseRequests::EndProcess(int signal) const {
    char line[160];
    const int length = std::snprintf(
        line, sizeof line, "%s: still busy %lld ms after the request to close; ended\n",
        program_invocation_short_name, static_cast<long long>(giveUpAfter_.count()));
    if (length > 0) (void)!write(STDERR_FILENO, line, static_cast<std::size_t>(length));
    // Ended by the signal itself, as if nobody had taken it, so whoever sent
    // it sees what happened.
    std::signal(signal, SIG_DFL);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
    raise(signal);
    _exit(128 + signal);
}

}  // namespace runtime::sdl
