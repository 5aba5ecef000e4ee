#pragma once
// Building blocks for the game's sound effects. Everything is plain arithmetic on doubles with
// its own seeded noise, so a sound comes out the same, sample for sample, on every run.
#include <cstdint>
#include <span>
#include <vector>

namespace assetgen {

// Uniform noise in [-1, 1) from SplitMix64: tiny, fast and reproducible.
class NoiseSource {
  public:
    explicit NoiseSource(std::uint64_t seed) : state_(seed) {}
    double next();

  private:
    std::uint64_t state_;
};

// A phase that runs in cycles; the frequency may change from sample to sample.
class Oscillator {
  public:
    // The phase for this sample, in [0, 1); then steps on by one sample at `frequency`.
    double advance(double frequency, double sampleRate);

  private:
    double phase_ = 0;
};

double sineWave(double phase);
// A sum of harmonics: amplitudes[k] is the weight of harmonic k + 1. Harmonics at or above the
// Nyquist frequency for `frequency` are left out, so bright tones do not alias.
double harmonicWave(double phase, std::span<const double> amplitudes, double frequency,
                    double sampleRate);

// A one-pole low-pass filter.
class LowPass {
  public:
    double process(double input, double cutoff, double sampleRate);

  private:
    double state_ = 0;
};

// A state-variable band-pass filter; `damping` is 1/Q (smaller rings more).
class BandPass {
  public:
    double process(double input, double centre, double damping, double sampleRate);

  private:
    double low_ = 0;
    double band_ = 0;
};

// Envelopes, with t in seconds.
double expDecay(double t, double timeConstant);
double attackThenDecay(double t, double attack, double timeConstant);
// Linear interpolation from `from` at 0 to `to` at `span`, held beyond.
double ramp(double t, double span, double from, double to);

// Scales so that the largest magnitude becomes `peak`; silence stays silence.
void normalize(std::vector<double>& samples, double peak);
// Raised-cosine fades over the first and last milliseconds, so the sound starts and ends at
// exactly zero without a click.
void fadeEdges(std::vector<double>& samples, int sampleRate, double fadeInMs, double fadeOutMs);

}  // namespace assetgen
