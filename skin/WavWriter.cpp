#include "WavWriter.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace skin {
namespace {

void PutLe(QByteArray &out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::vector<short> SynthesizeChime(const std::vector<Partial> &partials, double seconds) {
  const int count = static_cast<int>(seconds * kSampleRate);
  std::vector<double> mix(static_cast<size_t>(count), 0.0);
  constexpr double attack = 0.004;
  for (const Partial &p : partials) {
    for (int i = 0; i < count; ++i) {
      const double t = static_cast<double>(i) / kSampleRate - p.onset;
      if (t < 0) continue;
      const double envelope = std::min(1.0, t / attack) * std::exp(-t / p.decay);
      mix[static_cast<size_t>(i)] += p.amplitude * envelope * std::sin(2.0 * std::numbers::pi * p.frequency * t);
    }
  }
  double peak = 1e-9;
  for (double v : mix) peak = std::max(peak, std::abs(v));
  // A gentle level: interface sounds should not startle.
  const double gain = 0.45 * 32767.0 / peak;
  const int fadeOut = kSampleRate / 50;
  std::vector<short> samples(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    const double tail = std::min(1.0, static_cast<double>(count - i) / fadeOut);
    samples[static_cast<size_t>(i)] = static_cast<short>(std::lround(mix[static_cast<size_t>(i)] * gain * tail));
  }
  return samples;
}

bool WriteWav(const std::vector<short> &samples, const QString &path) {
  const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * sizeof(short));
  QByteArray out;
  out.append("RIFF");
  PutLe(out, 36 + dataBytes, 4);
  out.append("WAVEfmt ");
  PutLe(out, 16, 4);
  PutLe(out, 1, 2);  // PCM
  PutLe(out, 1, 2);  // mono
  PutLe(out, kSampleRate, 4);
  PutLe(out, kSampleRate * 2, 4);
  PutLe(out, 2, 2);
  PutLe(out, 16, 2);
  out.append("data");
  PutLe(out, dataBytes, 4);
  for (short s : samples) PutLe(out, static_cast<uint16_t>(s), 2);

  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return file.write(out) == out.size();
}

}  // namespace skin
