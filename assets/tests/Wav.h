#pragma once

#include <cstdint>
#include <vector>

#include "Bytes.h"

namespace assetcheck {

// A PCM WAV file: its format and, at 16 bits, its samples (all channels
// interleaved).
struct Wav {
    int format = 0;  // 1: PCM (also when given through WAVE_FORMAT_EXTENSIBLE)
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<std::int16_t> samples;

    double Seconds() const {
        return channels && rate ? double(samples.size()) / channels / rate : 0.0;
    }
};

// Reads the RIFF chunks of a WAV file; every chunk is checked against the
// file's length.
Result<Wav> ParseWav(Bytes file);

// Largest absolute sample of samples[from, to).
int Peak(const Wav& wav, std::size_t from, std::size_t to);
// Root mean square of all samples, 0..32768.
double Rms(const Wav& wav);

}  // namespace assetcheck
