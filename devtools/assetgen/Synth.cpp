#include "devtools/assetgen/Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace assetgen {

namespace {

constexpr double TwoPi = 2.0 * std::numbers::pi;

}  // namespace

double NoiseSource::next() {
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * (2.0 / 9007199254740992.0) - 1.0;  // 53 bits
}

double Oscillator::advance(double frequency, double sampleRate) {
    const double now = phase_;
    phase_ += frequency / sampleRate;
    phase_ -= std::floor(phase_);
    return now;
}

double sineWave(double phase) {
    return std::sin(TwoPi * phase);
}

double harmonicWave(double phase, std::span<const double> amplitudes, double frequency,
                    double sampleRate) {
    double sum = 0;
    for (std::size_t k = 0; k < amplitudes.size(); ++k) {
        const double harmonic = static_cast<double>(k + 1);
        if (harmonic * frequency >= sampleRate / 2) {
            break;
        }
        sum += amplitudes[k] * std::sin(TwoPi * harmonic * phase);
    }
    return sum;
}

double LowPass::process(double input, double cutoff, double sampleRate) {
    const double alpha = 1.0 - std::exp(-TwoPi * cutoff / sampleRate);
    state_ += alpha * (input - state_);
    return state_;
}

double BandPass::process(double input, double centre, double damping, double sampleRate) {
    // Chamberlin's form is stable only while f stays well below 1: keep the centre low enough.
    const double f =
        2.0 * std::sin(std::numbers::pi * std::min(centre, sampleRate / 6) / sampleRate);
    low_ += f * band_;
    const double high = input - low_ - damping * band_;
    band_ += f * high;
    return band_;
}

double expDecay(double t, double timeConstant) {
    return std::exp(-t / timeConstant);
}

double attackThenDecay(double t, double attack, double timeConstant) {
    if (t < attack) {
        return t / attack;
    }
    return expDecay(t - attack, timeConstant);
}

double ramp(double t, double span, double from, double to) {
    const double progress = std::clamp(t / span, 0.0, 1.0);
    return from + (to - from) * progress;
}

void normalize(std::vector<double>& samples, double peak) {
    double largest = 0;
    for (double sample : samples) {
        largest = std::max(largest, std::abs(sample));
    }
    if (largest == 0) {
        return;
    }
    for (double& sample : samples) {
        sample *= peak / largest;
    }
}

void fadeEdges(std::vector<double>& samples, int sampleRate, double fadeInMs, double fadeOutMs) {
    const std::size_t count = samples.size();
    const auto length = [&](double ms) {
        return std::min(count, static_cast<std::size_t>(ms * sampleRate / 1000.0) + 1);
    };
    const auto gain = [](std::size_t step, std::size_t steps) {
        if (steps < 2) {
            return 0.0;
        }
        const double progress = static_cast<double>(step) / static_cast<double>(steps - 1);
        return 0.5 - 0.5 * std::cos(std::numbers::pi * progress);
    };
    const std::size_t in = length(fadeInMs);
    for (std::size_t i = 0; i < in; ++i) {
        samples[i] *= gain(i, in);
    }
    const std::size_t out = length(fadeOutMs);
    for (std::size_t i = 0; i < out; ++i) {
        samples[count - 1 - i] *= gain(i, out);
    }
}

}  // namespace assetgen
