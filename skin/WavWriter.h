#pragma once

#include <QString>

#include <vector>

namespace skin {

// One sine partial of a struck note: starts at onset seconds, fades out
// exponentially with the given time constant.
struct Partial {
  double frequency;
  double amplitude;
  double onset;
  double decay;
};

constexpr int kSampleRate = 22050;

// Mixes the partials into 16-bit mono samples of the given length, with a
// short attack so that no note starts with a click.
std::vector<short> SynthesizeChime(const std::vector<Partial> &partials, double seconds);

// Writes a canonical 44-byte-header PCM WAV file (16-bit mono).
bool WriteWav(const std::vector<short> &samples, const QString &path);

}  // namespace skin
