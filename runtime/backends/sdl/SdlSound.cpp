#include "runtime/backends/sdl/SdlSound.h"

#include <algorithm>
#include <cstring>

namespace runtime::sdl {

namespace {

// 512 frames at 48 kHz is 10.7 ms: the callback comes round often enough
// that a new sound reaches the device well within a child's notice.
constexpr int DeviceRate = 48000;
constexpr int DeviceChannels = 2;
constexpr int DeviceFrames = 512;

bool SameFormat(const SDL_AudioSpec& a, const SDL_AudioSpec& b) {
    return a.freq == b.freq && a.format == b.format && a.channels == b.channels;
}

std::chrono::steady_clock::duration Length(const SoundClip& clip, const SDL_AudioSpec& format) {
    const double frameBytes = SDL_AUDIO_BITSIZE(format.format) / 8.0 * format.channels;
    const double seconds = frameBytes > 0 && format.freq > 0 ? clip.bytes.size() / frameBytes / format.freq : 0;
    return std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::duration<double>(seconds));
}

}  // namespace

SdlSound::SdlSound(DebugOutput& debug, std::filesystem::path folder, std::chrono::milliseconds idleClose)
    : debug_(debug), folder_(std::move(folder)), idleClose_(idleClose) {
    worker_ = std::jthread([this](std::stop_token stop) { Run(stop); });
}

void SdlSound::Run(std::stop_token stop) {
    // SDL keeps its error text in storage of the calling thread; a thread SDL
    // did not start must give that back itself before it ends.
    struct ThreadStorageCleanup {
        ~ThreadStorageCleanup() { SDL_TLSCleanup(); }
    } cleanup;
    // Unlocked, so a Play meanwhile need not wait: while opening_ is set it
    // only notes its sound, and nothing reads what the opening writes.
    std::string error;
    const bool opened = OpenDevice(error);
    std::unique_lock lock(mutex_);
    hasDevice_ = opened;
    opening_ = false;
    if (!hasDevice_) {
        debug_.Write("[Sound] no audio device (" + error + "): sounds are silent\n");
        deviceOpened_.notify_all();
        return;  // nothing left to do: the thread ends
    }
    quietFrom_ = std::chrono::steady_clock::now();
    if (waiting_) Start(*std::exchange(waiting_, std::nullopt));
    deviceOpened_.notify_all();
    CloseWhenIdle(lock, stop);
    if (device_) CloseDevice();  // here, so nobody else waits for SDL's audio threads
}

bool SdlSound::AwaitOpening() const {
    std::unique_lock lock(mutex_);
    deviceOpened_.wait(lock, [this] { return !opening_; });
    return static_cast<bool>(device_);
}

bool SdlSound::OpenDevice(std::string& error) {
    audio_.emplace(SDL_INIT_AUDIO);
    if (!audio_->Ready()) {
        error = SDL_GetError();
        audio_.reset();  // nothing of SDL's audio (a hotplug thread) stays behind
        return false;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = DeviceRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = DeviceChannels;
    wanted.samples = DeviceFrames;
    wanted.callback = &SdlSound::FillCallback;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    const SDL_AudioDeviceID id = SDL_OpenAudioDevice(
        nullptr, 0, &wanted, &obtained, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (id == 0) {
        error = SDL_GetError();
        audio_.reset();
        return false;
    }
    // Another device may have become the default since the clips were made.
    if (!SameFormat(obtained, format_)) {
        clips_.clear();
        format_ = obtained;
        beep_ = MakeBeep(format_);
    }
    device_ = AudioDevice(id);
    SDL_PauseAudioDevice(id, 0);
    deviceOpened_.notify_all();
    return true;
}

void SdlSound::CloseDevice() {
    device_ = AudioDevice();  // waits for a running callback
    playing_ = nullptr;
    audio_.reset();
}

void SdlSound::CloseWhenIdle(std::unique_lock<std::mutex>& lock, std::stop_token stop) {
    while (!stop.stop_requested()) {
        if (!device_) {
            deviceOpened_.wait(lock, stop, [this] { return static_cast<bool>(device_); });
            continue;
        }
        const auto closeAt = quietFrom_ + idleClose_;
        if (std::chrono::steady_clock::now() >= closeAt) {
            CloseDevice();
            continue;
        }
        // A Play meanwhile moves the time on; it is looked at again on waking.
        deviceOpened_.wait_until(lock, stop, closeAt, [] { return false; });
    }
}

std::optional<SDL_AudioSpec> SdlSound::DeviceFormat() const {
    std::lock_guard lock(mutex_);
    if (opening_ || !device_) return std::nullopt;
    return format_;
}

const SoundClip& SdlSound::Clip(std::string_view fileName) {
    std::string name(fileName);
    auto found = clips_.find(name);
    if (found == clips_.end()) {
        std::string error;
        auto clip = LoadWav(folder_.empty() ? std::filesystem::path(name) : folder_ / name, format_, error);
        if (!clip) debug_.Write("[Sound] cannot play " + name + " (" + error + "): a beep instead\n");
        auto owned = clip ? std::make_unique<const SoundClip>(std::move(*clip)) : nullptr;
        found = clips_.emplace(name, CachedClip{std::move(owned), 0}).first;
        DropClipsBeyondBudget(name);
    }
    found->second.lastUse = ++uses_;
    return found->second.clip ? *found->second.clip : beep_;
}

// Called while nothing plays, so no clip is in the callback's hands.
void SdlSound::DropClipsBeyondBudget(const std::string& keep) {
    for (;;) {
        std::size_t bytes = 0;
        auto oldest = clips_.end();
        for (auto it = clips_.begin(); it != clips_.end(); ++it) {
            if (!it->second.clip) continue;
            bytes += it->second.clip->bytes.size();
            if (it->first != keep &&
                (oldest == clips_.end() || it->second.lastUse < oldest->second.lastUse))
                oldest = it;
        }
        if (bytes <= ClipBytesKept || oldest == clips_.end()) return;
        clips_.erase(oldest);
    }
}

void SdlSound::Play(std::string_view fileName) {
    std::lock_guard lock(mutex_);
    if (opening_) {
        waiting_ = std::string(fileName);  // the latest sound wins, as when playing
        return;
    }
    if (!hasDevice_) return;
    if (!device_) {
        std::string error;
        if (!OpenDevice(error)) {
            if (!std::exchange(reportedReopen_, true))
                debug_.Write("[Sound] cannot open the audio device again (" + error + ")\n");
            return;
        }
        reportedReopen_ = false;
    }
    Start(std::string(fileName));
}

void SdlSound::Start(const std::string& fileName) {
    // The new sound stops the playing one anyway; stopping it first lets the
    // clips change while none of them is being played.
    SDL_LockAudioDevice(device_.Id());
    playing_ = nullptr;
    SDL_UnlockAudioDevice(device_.Id());
    const SoundClip& clip = Clip(fileName);
    SDL_LockAudioDevice(device_.Id());
    playing_ = &clip;
    position_ = 0;
    SDL_UnlockAudioDevice(device_.Id());
    quietFrom_ = std::chrono::steady_clock::now() + Length(clip, format_);
}

void SdlSound::FillCallback(void* self, Uint8* out, int length) { static_cast<SdlSound*>(self)->Fill(out, length); }

void SdlSound::Fill(Uint8* out, int length) {
    // SDL holds the device lock around this call.
    const std::size_t wanted = static_cast<std::size_t>(std::max(length, 0));
    std::size_t copied = 0;
    if (playing_ != nullptr) {
        const auto& bytes = playing_->bytes;
        copied = std::min(wanted, bytes.size() - position_);
        std::memcpy(out, bytes.data() + position_, copied);
        position_ += copied;
        if (position_ >= bytes.size()) playing_ = nullptr;
    }
    std::memset(out + copied, format_.silence, wanted - copied);
}

}  // namespace runtime::sdl
