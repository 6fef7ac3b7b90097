#pragma once

#include <atomic>
#include <chrono>
#include <csignal>
#include <thread>

namespace runtime::sdl {

// Turns SIGTERM, SIGINT and SIGHUP (a desktop logout, Ctrl+C, a closed
// terminal) into SDL_QUIT, so the program closes its window the normal way
// and saves its settings.
//
// The signals are blocked in the constructing thread, and so in every thread
// it starts later (SDL's audio thread included); one watcher thread takes
// them with sigwait and pushes the quit event. That way no signal lands in a
// thread that nobody wakes, and nothing runs inside a signal handler.
// Construct it before any other thread starts.
//
// A close request always ends the program: if it is still running
// `giveUpAfter` after the first signal (its main thread stuck in some long
// work), the watcher ends the process by that signal, without running
// anything of the program, so no file is left half written.
class SignalCloseRequests {
public:
    static constexpr std::chrono::milliseconds DefaultGiveUpAfter{1500};

    explicit SignalCloseRequests(std::chrono::milliseconds giveUpAfter = DefaultGiveUpAfter);
    ~SignalCloseRequests();
    SignalCloseRequests(const SignalCloseRequests&) = delete;
    SignalCloseRequests& operator=(const SignalCloseRequests&) = delete;

private:
    void Watch();
    [[noreturn]] void EndProcess(int signal) const;

    const std::chrono::milliseconds giveUpAfter_;
    sigset_t signals_{};
    sigset_t previousMask_{};
    std::atomic<bool> stopping_{false};
    std::thread watcher_;
};

}  // namespace runtime::sdl
