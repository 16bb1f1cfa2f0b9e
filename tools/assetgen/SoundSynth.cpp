#include "SoundSynth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "WavWriter.h"

namespace pelmora::assetgen {

namespace {
constexpr double kTwoPi = 2 * std::numbers::pi;
// Both effects peak at -6 dBFS: clearly audible, never harsh.
constexpr double kPeakLevel = 0.5012;  // 10^(-6/20)

int sampleCount(double seconds) { return static_cast<int>(std::lround(seconds * kSampleRate)); }

// Raised-cosine ramps at both ends so playback starts and stops without a click.
void fadeEdges(std::vector<double>& samples, double fadeInSeconds, double fadeOutSeconds) {
    const int in = sampleCount(fadeInSeconds);
    const int out = sampleCount(fadeOutSeconds);
    const int n = static_cast<int>(samples.size());
    for (int i = 0; i < in && i < n; ++i)
        samples[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * i / in);
    for (int i = 0; i < out && i < n; ++i)
        samples[n - 1 - i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * i / out);
}

void normalisePeak(std::vector<double>& samples) {
    double peak = 0;
    for (double s : samples)
        peak = std::max(peak, std::abs(s));
    if (peak > 0) {
        for (double& s : samples)
            s *= kPeakLevel / peak;
    }
}

// One struck note: a few harmonics, the higher ones dying sooner.
void addChimeNote(std::vector<double>& samples, double onsetSeconds, double frequency,
                  double ringSeconds) {
    struct Partial {
        double ratio;
        double level;
        double decayShare;  // of the note's ring time
    };
    constexpr Partial kPartials[] = {{1.0, 1.0, 1.0}, {2.0, 0.32, 0.55}, {3.0, 0.12, 0.35},
                                     {4.16, 0.05, 0.2}};
    constexpr double kAttackSeconds = 0.004;
    const int start = sampleCount(onsetSeconds);
    for (int i = start; i < static_cast<int>(samples.size()); ++i) {
        const double t = static_cast<double>(i - start) / kSampleRate;
        const double attack = std::min(1.0, t / kAttackSeconds);
        double value = 0;
        for (const Partial& p : kPartials)
            value += p.level * std::exp(-t / (ringSeconds * p.decayShare)) *
                     std::sin(kTwoPi * frequency * p.ratio * t);
        samples[i] += attack * value;
    }
}
}  // namespace

std::vector<double> clearBoxPop() {
    // Short enough that the wait for it before the board is redrawn is not
    // felt: the removal shows about as fast as a selection does.
    constexpr double kLengthSeconds = 0.032;
    // A bubble bursting: the pitch springs up within a few milliseconds
    // while the sound dies away, with a brighter overtone only at the start.
    constexpr double kStartHz = 700;
    constexpr double kRiseHz = 1100;
    constexpr double kRiseSeconds = 0.004;
    constexpr double kDecaySeconds = 0.008;
    constexpr double kOvertoneLevel = 0.35;
    constexpr double kOvertoneDecaySeconds = 0.003;

    std::vector<double> samples(sampleCount(kLengthSeconds));
    double phase = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double frequency = kStartHz + kRiseHz * (1 - std::exp(-t / kRiseSeconds));
        phase += kTwoPi * frequency / kSampleRate;
        const double body = std::sin(phase);
        const double overtone = kOvertoneLevel * std::exp(-t / kOvertoneDecaySeconds) * std::sin(2 * phase);
        samples[i] = std::exp(-t / kDecaySeconds) * (body + overtone);
    }
    fadeEdges(samples, 0.0008, 0.006);
    normalisePeak(samples);
    return samples;
}

std::vector<double> levelUpChime() {
    constexpr double kLengthSeconds = 0.9;
    // G5, C6, E6, G6: a major arpeggio going up, the last note ringing longest.
    constexpr double kNotesHz[] = {783.99, 1046.50, 1318.51, 1567.98};
    constexpr double kNoteSpacingSeconds = 0.085;
    constexpr double kRingSeconds = 0.16;
    constexpr double kLastRingSeconds = 0.3;

    std::vector<double> samples(sampleCount(kLengthSeconds));
    const int noteCount = static_cast<int>(std::size(kNotesHz));
    for (int n = 0; n < noteCount; ++n) {
        const bool last = n == noteCount - 1;
        addChimeNote(samples, n * kNoteSpacingSeconds, kNotesHz[n],
                     last ? kLastRingSeconds : kRingSeconds);
    }
    fadeEdges(samples, 0.002, 0.08);
    normalisePeak(samples);
    return samples;
}

}  // namespace pelmora::assetgen
