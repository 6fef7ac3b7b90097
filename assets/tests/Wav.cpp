#include "Wav.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <cstdlib>

namespace assetcheck {

namespace {

constexpr int kPcm = 1;
constexpr int kExtensible = 0xFFFE;

bool Is(Bytes b, std::size_t at, const char* id) {
    return at + 4 <= b.size() && std::memcmp(b.data() + at, id, 4) == 0;
}

}  // namespace

Result<Wav> ParseWav(Bytes file) {
    if (!Is(file, 0, "RIFF") || !Is(file, 8, "WAVE"))
        return Result<Wav>::Fail("not a RIFF WAVE file");
    Wav wav;
    bool haveFormat = false, haveData = false;
    for (std::size_t at = 12; at + 8 <= file.size();) {
        const std::size_t size = *Le32(file, at + 4);
        const std::size_t body = at + 8;
        if (size > file.size() - body) return Result<Wav>::Fail("chunk runs past the end of the file");
        if (Is(file, at, "fmt ")) {
            if (size < 16) return Result<Wav>::Fail("format chunk too short");
            wav.format = static_cast<int>(*Le16(file, body));
            wav.channels = static_cast<int>(*Le16(file, body + 2));
            wav.rate = static_cast<int>(*Le32(file, body + 4));
            wav.bits = static_cast<int>(*Le16(file, body + 14));
            // The extensible form names its real format in a sub-format GUID.
            if (wav.format == kExtensible && size >= 40)
                wav.format = static_cast<int>(*Le16(file, body + 24));
            haveFormat = true;
        } else if (Is(file, at, "data")) {
            if (!haveFormat) return Result<Wav>::Fail("data chunk before the format chunk");
            if (wav.bits == 16) {
                wav.samples.resize(size / 2);
                for (std::size_t i = 0; i < wav.samples.size(); ++i)
                    wav.samples[i] = static_cast<std::int16_t>(*Le16(file, body + 2 * i));
            }
            haveData = true;
        }
        at = body + size + (size & 1);  // chunks are padded to an even length
    }
    if (!haveFormat) return Result<Wav>::Fail("no format chunk");
    if (!haveData) return Result<Wav>::Fail("no data chunk");
    if (wav.format != kPcm) return Result<Wav>::Fail("not PCM");
    return {std::move(wav), {}};
}

int Peak(const Wav& wav, std::size_t from, std::size_t to) {
    int peak = 0;
    to = std::min(to, wav.samples.size());
    for (std::size_t i = from; i < to; ++i) peak = std::max(peak, std::abs(int{wav.samples[i]}));
    return peak;
}

double Rms(const Wav& wav) {
    if (wav.samples.empty()) return 0.0;
    double sum = 0;
    for (const auto s : wav.samples) sum += double(s) * s;
    return std::sqrt(sum / wav.samples.size());
}

}  // namespace assetcheck
