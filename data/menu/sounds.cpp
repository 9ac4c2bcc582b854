#include "data/menu/sounds.h"
#include "shared/wave.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace datagen {

namespace {

constexpr int kRate = 22050;

struct Tone {
    double start;  // seconds
    double length; // seconds
    double frequency;
    double volume;
    double decay; // exponential decay per second
};

std::vector<double> render(const std::vector<Tone>& tones, double pitch) {
    double end = 0;
    for (const Tone& t : tones)
        end = std::max(end, t.start + t.length);
    std::vector<double> samples(static_cast<std::size_t>(end * kRate) + 1, 0.0);
    for (const Tone& t : tones) {
        const auto first = static_cast<std::size_t>(t.start * kRate);
        const auto count = static_cast<std::size_t>(t.length * kRate);
        for (std::size_t i = 0; i < count && first + i < samples.size(); ++i) {
            const double time = static_cast<double>(i) / kRate;
            // A short attack and release keep the tones free of clicks.
            const double attack = std::min(1.0, time / 0.004);
            const double release = std::min(1.0, (t.length - time) / 0.02);
            const double envelope = attack * release * std::exp(-t.decay * time);
            const double phase = 2 * std::numbers::pi * t.frequency * pitch * time;
            // Fundamental with a soft octave and fifth: a bell-like timbre.
            const double wave =
                std::sin(phase) + 0.3 * std::sin(2 * phase) + 0.12 * std::sin(3 * phase);
            samples[first + i] += t.volume * envelope * wave / 1.42;
        }
    }
    for (double& s : samples)
        s = std::clamp(s, -1.0, 1.0);
    return samples;
}


} // namespace

std::string encodeWav(const std::vector<double>& samples, int rate) {
    std::vector<std::int16_t> pcm;
    pcm.reserve(samples.size());
    for (const double v : samples)
        pcm.push_back(static_cast<std::int16_t>(std::lround(v * 32000.0)));
    return tarnic::encodeWav16(pcm, static_cast<std::uint32_t>(rate));
}

void writeSounds(const Output& out, const std::string& folder, double pitch) {
    const double c5 = 523.25, e5 = 659.25, g5 = 783.99, c6 = 1046.5;
    const std::vector<std::vector<Tone>> sounds = {
        {{0.0, 0.45, c5, 0.45, 4},
         {0.11, 0.45, e5, 0.4, 4},
         {0.22, 0.6, g5, 0.4, 3.5},
         {0.33, 0.7, c6, 0.35, 3}},
        {{0.0, 0.05, 1320, 0.35, 60}},
        {{0.0, 0.07, 880, 0.5, 45}, {0.0, 0.04, 1760, 0.15, 80}},
        {{0.0, 0.3, g5, 0.4, 6}, {0.12, 0.45, c6, 0.4, 5}},
        {{0.0, 0.25, e5, 0.4, 7}, {0.1, 0.3, g5, 0.4, 6}, {0.2, 0.5, c6, 0.4, 5}},
    };
    for (std::size_t i = 0; i < sounds.size(); ++i)
        out.write(folder + "/Sound" + std::to_string(i + 1) + ".wav",
                  encodeWav(render(sounds[i], pitch), kRate));
}

} // namespace datagen
