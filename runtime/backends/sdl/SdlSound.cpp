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

}  // namespace

SdlSound::SdlSound(DebugOutput& debug, std::filesystem::path folder) : debug_(debug), folder_(std::move(folder)) {
    if (!audio_.Ready()) {
        debug_.Write(std::string("[Sound] no audio (") + SDL_GetError() + "): sounds are silent\n");
        return;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = DeviceRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = DeviceChannels;
    wanted.samples = DeviceFrames;
    wanted.callback = &SdlSound::FillCallback;
    wanted.userdata = this;
    const SDL_AudioDeviceID id = SDL_OpenAudioDevice(
        nullptr, 0, &wanted, &format_, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (id == 0) {
        debug_.Write(std::string("[Sound] no audio device (") + SDL_GetError() + "): sounds are silent\n");
        return;
    }
    beep_ = MakeBeep(format_);
    device_ = AudioDevice(id);
    SDL_PauseAudioDevice(id, 0);
}

std::optional<SDL_AudioSpec> SdlSound::DeviceFormat() const {
    if (!device_) return std::nullopt;
    return format_;
}

const SoundClip& SdlSound::Clip(std::string_view fileName) {
    std::string name(fileName);
    auto found = clips_.find(name);
    if (found == clips_.end()) {
        std::string error;
        auto clip = LoadWav(folder_.empty() ? std::filesystem::path(name) : folder_ / name, format_, error);
        if (!clip) debug_.Write("[Sound] cannot play " + name + " (" + error + "): a beep instead\n");
        found = clips_.emplace(std::move(name), clip ? std::make_unique<const SoundClip>(std::move(*clip)) : nullptr)
                    .first;
    }
    return found->second ? *found->second : beep_;
}

void SdlSound::Play(std::string_view fileName) {
    if (!device_) return;
    const SoundClip& clip = Clip(fileName);
    SDL_LockAudioDevice(device_.Id());
    playing_ = &clip;
    position_ = 0;
    SDL_UnlockAudioDevice(device_.Id());
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
