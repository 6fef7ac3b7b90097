// Loaded into a program with LD_PRELOAD by startup-bench: notes the time of
// every picture the program hands to SDL for the screen, so the bench can
// tell when the first frame and the frame after a click reached the window.
//
// Each line of the file named by KORVANDA_PRESENT_LOG is one call: a letter,
// CLOCK_MONOTONIC nanoseconds and the process's processor time so far in
// nanoseconds (all threads, which a busy machine does not inflate):
//   F  a window-surface update (a whole new picture on screen)
//   U  a texture upload (the picture a following present will show)
//   P  a renderer present
#include <dlfcn.h>
#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

void Note(char what) {
    static const int log = [] {
        const char* path = std::getenv("KORVANDA_PRESENT_LOG");
        return path ? open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644) : -1;
    }();
    if (log < 0) return;
    timespec now{}, cpu{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    char line[64];
    const int length = std::snprintf(line, sizeof line, "%c %lld %lld\n", what,
                                     static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                                     static_cast<long long>(cpu.tv_sec) * 1000000000LL + cpu.tv_nsec);
    if (length > 0) (void)!write(log, line, static_cast<size_t>(length));
}

template <class Function>
Function Real(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

// The signatures of SDL2, written out so the probe needs no SDL headers.
extern "C" {

int SDL_UpdateWindowSurface(void* window) {
    static const auto real = Real<int (*)(void*)>("SDL_UpdateWindowSurface");
    const int result = real(window);
    Note('F');
    return result;
}

int SDL_UpdateWindowSurfaceRects(void* window, const void* rects, int count) {
    static const auto real = Real<int (*)(void*, const void*, int)>("SDL_UpdateWindowSurfaceRects");
    const int result = real(window, rects, count);
    Note('F');
    return result;
}

int SDL_UpdateTexture(void* texture, const void* rect, const void* pixels, int pitch) {
    static const auto real = Real<int (*)(void*, const void*, const void*, int)>("SDL_UpdateTexture");
    Note('U');
    return real(texture, rect, pixels, pitch);
}

void SDL_RenderPresent(void* renderer) {
    static const auto real = Real<void (*)(void*)>("SDL_RenderPresent");
    real(renderer);
    Note('P');
}

}
