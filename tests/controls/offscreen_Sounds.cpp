#include <gtest/gtest.h>

#include <QFile>

#include "TestSkin.h"
#include "core/dFunc.h"
#include "platform/qt/Sounds.h"

namespace velomira {
namespace {

// A short silent 8-bit mono WAV file.
void WriteWave(const std::string& path) {
  const int samples = 800;
  QByteArray wave;
  const auto u32 = [&wave](quint32 v) { for (int i = 0; i < 4; ++i) wave.append(char(v >> (8 * i))); };
  const auto u16 = [&wave](quint16 v) { wave.append(char(v)); wave.append(char(v >> 8)); };
  wave.append("RIFF");
  u32(36 + samples);
  wave.append("WAVEfmt ");
  u32(16); u16(1); u16(1); u32(8000); u32(8000); u16(1); u16(8);
  wave.append("data");
  u32(samples);
  wave.append(QByteArray(samples, char(0x80)));
  QFile file(QString::fromStdString(path));
  file.open(QIODevice::WriteOnly);
  file.write(wave);
}

TEST(Sounds, PlayAndStopReturnWithOrWithoutFilesAndDevices) {
  test::TestSkin skin;
  // Missing files: silently nothing.
  PlayMainSound();
  PlaySizeSound();
  StopSounds();
  // Present files (the name's case differs): played without waiting, or skipped when
  // the machine has no audio device; either way the calls come back.
  WriteWave(State().WaveDir + "WAVEMAIN.WAV");
  WriteWave(State().WaveDir + "waveSize.wav");
  PlayMainSound();
  PlaySizeSound();
  PlayMainSound();
  StopSounds();
  SUCCEED();
}

}  // namespace
}  // namespace velomira
