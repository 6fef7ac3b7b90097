#pragma once

#include <atomic>
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
class SignalCloseRequests {
public:
    SignalCloseRequests();
    ~SignalCloseRequests();
    SignalCloseRequests(const SignalCloseRequests&) = delete;
    SignalCloseRequests& operator=(const SignalCloseRequests&) = delete;

private:
    void Watch();

    sigset_t signals_{};
    sigset_t previousMask_{};
    std::atomic<bool> stopping_{false};
    std::thread watcher_;
};

}  // namespace runtime::sdl
