#pragma once
// RIFF WAVE files with uncompressed PCM, one channel: 8-bit samples unsigned around 128,
// 16-bit samples signed little-endian.
#include <cstdint>
#include <vector>

namespace assetgen {

struct PcmFormat {
    int sampleRate;
    int bitsPerSample;  // 8 or 16
};

// Samples run from -1 to 1 and are rounded to the nearest step; values beyond are clipped.
std::vector<std::uint8_t> encodeWaveFile(PcmFormat format, const std::vector<double>& samples);

}  // namespace assetgen
