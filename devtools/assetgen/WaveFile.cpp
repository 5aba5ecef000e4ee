#include "devtools/assetgen/WaveFile.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "devtools/assetgen/ByteWriter.h"

namespace assetgen {

namespace {

double clipped(double sample) {
    return std::clamp(sample, -1.0, 1.0);
}

}  // namespace

std::vector<std::uint8_t> encodeWaveFile(PcmFormat format, const std::vector<double>& samples) {
    if (format.bitsPerSample != 8 && format.bitsPerSample != 16) {
        throw std::invalid_argument("wave samples must have 8 or 16 bits, not " +
                                    std::to_string(format.bitsPerSample));
    }
    if (format.sampleRate <= 0) {
        throw std::invalid_argument("wave sample rate must be positive");
    }
    const auto bytesPerSample = static_cast<std::uint32_t>(format.bitsPerSample / 8);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size()) * bytesPerSample;
    const auto rate = static_cast<std::uint32_t>(format.sampleRate);

    ByteWriter out;
    out.tag("RIFF");
    out.u32(4 + 8 + 16 + 8 + dataBytes + dataBytes % 2);
    out.tag("WAVE");
    out.tag("fmt ");
    out.u32(16);
    out.u16(1);  // PCM
    out.u16(1);  // one channel
    out.u32(rate);
    out.u32(rate * bytesPerSample);  // bytes per second
    out.u16(static_cast<std::uint16_t>(bytesPerSample));
    out.u16(static_cast<std::uint16_t>(format.bitsPerSample));
    out.tag("data");
    out.u32(dataBytes);
    for (double sample : samples) {
        if (bytesPerSample == 1) {
            out.u8(static_cast<std::uint8_t>(128 + std::lround(127.0 * clipped(sample))));
        } else {
            out.u16(static_cast<std::uint16_t>(
                static_cast<std::int16_t>(std::lround(32767.0 * clipped(sample)))));
        }
    }
    if (dataBytes % 2 != 0) {
        out.u8(0);  // chunks are padded to an even length
    }
    return out.take();
}

}  // namespace assetgen
