#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace frame::testing {

// Runs `work` as a user whom folder permissions bind, and returns what it
// returned. Root passes every permission, so as root it runs in a child
// process that has become "nobody" and owns `folder` (and all in it);
// otherwise it simply runs here.
template <typename Work>
std::string AsUnprivileged(const std::filesystem::path& folder, Work work) {
    if (::geteuid() != 0) return work();
    constexpr uid_t nobody = 65534;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (::lchown(entry.path().c_str(), nobody, nobody) != 0) return "cannot chown";
    if (::chown(folder.c_str(), nobody, nobody) != 0) return "cannot chown";

    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return "cannot make a pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        if (::setgid(nobody) != 0 || ::setuid(nobody) != 0) ::_exit(2);
        const std::string result = work();
        const bool written = ::write(pipeEnds[1], result.data(), result.size()) ==
                             static_cast<ssize_t>(result.size());
        ::_exit(written ? 0 : 3);
    }
    ::close(pipeEnds[1]);
    std::string result;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) result.append(buffer, n);
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "the unprivileged child failed";
    return result;
}

}  // namespace frame::testing
