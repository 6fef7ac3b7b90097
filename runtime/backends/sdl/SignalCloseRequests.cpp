#include "runtime/backends/sdl/SignalCloseRequests.h"

#include <pthread.h>

#include <SDL.h>

namespace runtime::sdl {

SignalCloseRequests::SignalCloseRequests() {
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
    for (;;) {
        int signal = 0;
        if (sigwait(&signals_, &signal) != 0) continue;
        if (stopping_) return;
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
    }
}

}  // namespace runtime::sdl
