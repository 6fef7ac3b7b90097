#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "runtime/backends/sdl/SignalCloseRequests.h"

namespace runtime::sdl {
namespace {

using namespace std::chrono_literals;

// A program whose main thread does not answer a close request (stuck in a
// slow picture load, say) is ended by the watcher soon after the signal, by
// that signal, and nothing of the program runs meanwhile.
TEST(SignalCloseRequests, AProgramThatDoesNotAnswerIsEndedSoonAfterTheSignal) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(strsignal(signal));
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const SignalCloseRequests watcher;
            (void)!write(ready[1], "r", 1);
            std::this_thread::sleep_for(60s);  // far longer than anyone waits for a window to close
            _exit(0);                          // would mean the wait was sat out
        }
        char byte = 0;
        ASSERT_EQ(read(ready[0], &byte, 1), 1);
        close(ready[0]);
        close(ready[1]);
        const auto sent = std::chrono::steady_clock::now();
        ASSERT_EQ(kill(child, signal), 0);
        int status = 0;
        while (waitpid(child, &status, WNOHANG) == 0 &&
               std::chrono::steady_clock::now() - sent < 30s)
            std::this_thread::sleep_for(10ms);
        const auto took = std::chrono::steady_clock::now() - sent;
        if (took >= 30s) kill(child, SIGKILL);
        ASSERT_TRUE(WIFSIGNALED(status)) << "status " << status;
        EXPECT_EQ(WTERMSIG(status), signal);
        EXPECT_LT(took, 10s) << "not the minute of the stuck work";
    }
}

}  // namespace
}  // namespace runtime::sdl
