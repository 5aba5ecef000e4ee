#include "devtools/assetgen/Sounds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <span>

#include "devtools/assetgen/Synth.h"

namespace assetgen {

namespace {

// Calls voice(t) for every sample, t in seconds, in order: voices may keep state.
template <typename Voice>
std::vector<double> render(int sampleRate, std::size_t count, Voice voice) {
    std::vector<double> samples(count);
    for (std::size_t i = 0; i < count; ++i) {
        samples[i] = voice(static_cast<double>(i) / sampleRate);
    }
    return samples;
}

std::vector<double> finished(std::vector<double> samples, int sampleRate, double peak,
                             double fadeOutMs) {
    normalize(samples, peak);
    fadeEdges(samples, sampleRate, 2.0, fadeOutMs);
    return samples;
}

// An exponential glide from `from` to `to` Hz with the given time constant.
double glide(double t, double from, double to, double timeConstant) {
    return to + (from - to) * expDecay(t, timeConstant);
}

// Equal-tempered pitches, in Hz, of the notes the tunes use.
constexpr double g4 = 392.00, c5 = 523.25, e5 = 659.26, g5 = 783.99, c6 = 1046.50, e6 = 1318.51;

struct Note {
    double start;   // seconds
    double length;  // seconds until release
    double frequency;
    double level;
};

// Notes with a short attack, a gentle sag while held and a soft release, in one timbre.
template <std::size_t Harmonics>
std::vector<double> playNotes(int sampleRate, std::size_t count, std::span<const Note> notes,
                              const std::array<double, Harmonics>& timbre, double release,
                              double vibratoDepth) {
    std::vector<double> mix(count, 0.0);
    for (const Note& note : notes) {
        Oscillator oscillator;
        const auto first = static_cast<std::size_t>(note.start * sampleRate);
        for (std::size_t i = first; i < count; ++i) {
            const double t = static_cast<double>(i - first) / sampleRate;
            const double held = std::min(t / 0.008, 1.0) * (0.75 + 0.25 * expDecay(t, 0.15));
            const double gate = t < note.length ? 1.0 : expDecay(t - note.length, release);
            if (t > note.length + 8 * release) {
                break;
            }
            const double vibrato = 1.0 + vibratoDepth * std::min(t / 0.3, 1.0) * sineWave(5.5 * t);
            const double frequency = note.frequency * vibrato;
            mix[i] += note.level * held * gate *
                      harmonicWave(oscillator.advance(frequency, sampleRate), timbre, frequency,
                                   sampleRate);
        }
    }
    return mix;
}

}  // namespace

// A short rubbery "boink": a tone whose pitch drops as it dies, over a soft thud.
std::vector<double> bounceSound(int sampleRate, std::size_t count) {
    Oscillator tone;
    NoiseSource noise(103);
    LowPass thud;
    const std::array<double, 3> timbre{1.0, 0.35, 0.1};
    return finished(
        render(sampleRate, count,
               [&](double t) {
                   const double pitch = glide(t, 720, 300, 0.035);
                   const double body =
                       harmonicWave(tone.advance(pitch, sampleRate), timbre, pitch, sampleRate);
                   const double knock = thud.process(noise.next(), 900, sampleRate);
                   return body * attackThenDecay(t, 0.002, 0.04) + 2.5 * knock * expDecay(t, 0.006);
               }),
        sampleRate, 0.85, 20);
}

// A stone cracking, then its pieces tumbling and settling.
std::vector<double> brickBreakSound(int sampleRate, std::size_t count) {
    const double duration = static_cast<double>(count) / sampleRate;
    std::vector<double> mix = render(
        sampleRate, count,
        [&, noise = NoiseSource(104), crack = BandPass(), thump = Oscillator()](double t) mutable {
            const double snap =
                crack.process(noise.next(), 2200, 0.6, sampleRate) * expDecay(t, 0.03);
            const double low = sineWave(thump.advance(glide(t, 140, 60, 0.05), sampleRate)) *
                               attackThenDecay(t, 0.003, 0.07);
            return 1.2 * snap + 0.8 * low;
        });
    // The debris: short bursts of filtered noise, thinning out and fading.
    NoiseSource chance(1104);
    double start = 0.04;
    while (start < duration - 0.05) {
        const double centre = 700 + 2300 * (0.5 + 0.5 * chance.next());
        const double length = 0.006 + 0.02 * (0.5 + 0.5 * chance.next());
        const double level = 1.2 * expDecay(start, 0.35) * (0.6 + 0.4 * chance.next());
        NoiseSource grit(static_cast<std::uint64_t>(start * 1e6));
        BandPass tone;
        const auto first = static_cast<std::size_t>(start * sampleRate);
        const auto last =
            std::min(count, first + static_cast<std::size_t>(length * 4 * sampleRate));
        for (std::size_t i = first; i < last; ++i) {
            const double t = static_cast<double>(i - first) / sampleRate;
            mix[i] += level * tone.process(grit.next(), centre, 0.4, sampleRate) *
                      attackThenDecay(t, 0.001, length);
        }
        start += 0.012 + 0.05 * (start / duration) + 0.02 * (0.5 + 0.5 * chance.next());
    }
    return finished(std::move(mix), sampleRate, 0.8, 60);
}

// A deep boom: a falling sub tone under roaring noise whose brightness dies away.
std::vector<double> explosionSound(int sampleRate, std::size_t count) {
    Oscillator boom;
    NoiseSource noise(105);
    LowPass roar;
    LowPass body;
    return finished(
        render(sampleRate, count,
               [&](double t) {
                   const double sub = sineWave(boom.advance(glide(t, 95, 32, 0.25), sampleRate)) *
                                      attackThenDecay(t, 0.004, 0.3);
                   const double cutoff = glide(t, 5000, 150, 0.12);
                   const double rumble = body.process(
                       roar.process(noise.next(), cutoff, sampleRate), cutoff * 1.5, sampleRate);
                   return 0.9 * sub + 3.0 * rumble * attackThenDecay(t, 0.006, 0.42);
               }),
        sampleRate, 0.9, 250);
}

// "Boing": a twangy tone that leaps up and wobbles as the coil shakes out.
std::vector<double> springSound(int sampleRate, std::size_t count) {
    Oscillator tone;
    const std::array<double, 5> timbre{1.0, 0.55, 0.3, 0.18, 0.1};
    return finished(
        render(sampleRate, count,
               [&](double t) {
                   const double rise = glide(t, 150, 380, 0.05);
                   const double wobble = 1.0 + 0.22 * expDecay(t, 0.25) * sineWave(16.0 * t);
                   const double pitch = rise * wobble;
                   return harmonicWave(tone.advance(pitch, sampleRate), timbre, pitch, sampleRate) *
                          attackThenDecay(t, 0.003, 0.2);
               }),
        sampleRate, 0.85, 60);
}

// A whoosh that rushes upward in pitch as the ball is flung sideways.
std::vector<double> launchSound(int sampleRate, std::size_t count) {
    const double duration = static_cast<double>(count) / sampleRate;
    NoiseSource noise(107);
    BandPass air;
    Oscillator zip;
    return finished(
        render(sampleRate, count,
               [&](double t) {
                   const double progress = t / duration;
                   const double centre = 350 * std::pow(12.0, progress);
                   const double swell = std::sin(std::numbers::pi * std::pow(progress, 0.7));
                   const double rush = air.process(noise.next(), centre, 0.35, sampleRate);
                   const double tone = sineWave(zip.advance(centre * 0.5, sampleRate));
                   return swell * swell * (rush + 0.12 * tone);
               }),
        sampleRate, 0.85, 30);
}

// The glide brakes: a quick falling "bwip" with a scrape under it.
std::vector<double> glideBreakSound(int sampleRate, std::size_t count) {
    Oscillator tone;
    NoiseSource noise(108);
    BandPass scrape;
    const std::array<double, 5> timbre{1.0, 0.0, 0.33, 0.0, 0.2};
    return finished(render(sampleRate, count,
                           [&](double t) {
                               const double pitch = glide(t, 900, 200, 0.09);
                               const double body = harmonicWave(tone.advance(pitch, sampleRate),
                                                                timbre, pitch, sampleRate);
                               const double grit =
                                   scrape.process(noise.next(), 1600, 0.5, sampleRate);
                               return (0.7 * body + 0.9 * grit * expDecay(t, 0.05)) *
                                      attackThenDecay(t, 0.003, 0.09);
                           }),
                    sampleRate, 0.8, 40);
}

// A falling slide whistle: the ball drops out of the screen.
std::vector<double> fallSound(int sampleRate, std::size_t count) {
    const double duration = static_cast<double>(count) / sampleRate;
    Oscillator tone;
    const std::array<double, 5> timbre{1.0, 0.0, 0.11, 0.0, 0.04};
    return finished(render(sampleRate, count,
                           [&](double t) {
                               const double progress = t / duration;
                               const double pitch = 1100 * std::pow(140.0 / 1100.0, progress) *
                                                    (1.0 + 0.015 * sineWave(7.0 * t));
                               return harmonicWave(tone.advance(pitch, sampleRate), timbre, pitch,
                                                   sampleRate) *
                                      ramp(progress, 1.0, 1.0, 0.55);
                           }),
                    sampleRate, 0.6, 60);
}

// A brass call for the stage card: three quick pickups into a held major chord.
std::vector<double> fanfareSound(int sampleRate, std::size_t count) {
    const std::array<Note, 6> notes{{
        {0.00, 0.08, g4, 0.8},
        {0.11, 0.08, c5, 0.8},
        {0.22, 0.08, e5, 0.8},
        {0.33, 0.80, g5, 0.7},
        {0.33, 0.80, e5, 0.45},
        {0.33, 0.80, c6 / 2, 0.45},
    }};
    const std::array<double, 8> brass{1.0, 0.75, 0.55, 0.4, 0.28, 0.18, 0.1, 0.05};
    return finished(playNotes(sampleRate, count, notes, brass, 0.06, 0.006), sampleRate, 0.85, 160);
}

// A knock off the wall and a quick rising swish as the ball springs up and away.
std::vector<double> wallKickSound(int sampleRate, std::size_t count) {
    Oscillator wood;
    Oscillator overtone;
    NoiseSource noise(111);
    BandPass swish;
    return finished(
        render(sampleRate, count,
               [&](double t) {
                   const double knock = (sineWave(wood.advance(820, sampleRate)) +
                                         0.5 * sineWave(overtone.advance(2050, sampleRate))) *
                                        attackThenDecay(t, 0.001, 0.018);
                   const double centre = glide(t, 500, 4000, 0.12);
                   const double air = swish.process(noise.next(), centre, 0.3, sampleRate) *
                                      attackThenDecay(t, 0.04, 0.09);
                   return knock + 1.2 * air;
               }),
        sampleRate, 0.85, 40);
}

// A bright rising arpeggio that rings out: the way to the next stage is open.
std::vector<double> stageClearSound(int sampleRate, std::size_t count) {
    const std::array<Note, 6> notes{{
        {0.00, 0.07, c5, 0.7},
        {0.09, 0.07, e5, 0.7},
        {0.18, 0.07, g5, 0.7},
        {0.27, 0.07, c6, 0.7},
        {0.36, 0.40, e6, 0.5},
        {0.36, 0.40, c6, 0.5},
    }};
    const std::array<double, 5> square{1.0, 0.0, 0.33, 0.0, 0.2};
    std::vector<double> dry = playNotes(sampleRate, count, notes, square, 0.08, 0.004);
    // A soft echo gives the little tune some room.
    const auto delay = static_cast<std::size_t>(0.11 * sampleRate);
    std::vector<double> wet = dry;
    for (std::size_t i = delay; i < count; ++i) {
        wet[i] += 0.35 * wet[i - delay];
    }
    return finished(std::move(wet), sampleRate, 0.75, 120);
}

}  // namespace assetgen
