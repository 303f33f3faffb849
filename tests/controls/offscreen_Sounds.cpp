#include <gtest/gtest.h>

#include <QFile>
#include <string>
#include <vector>

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

// Takes the place of the audio device while it lives and keeps what reached it.
class SoundLog {
 public:
  SoundLog() {
    SetSoundOutputForTests({[this](const std::string& file) { Played.push_back(file); }, [this] { ++Stops; }});
  }
  ~SoundLog() { SetSoundOutputForTests({}); }
  std::vector<std::string> Played;
  int Stops = 0;
};

TEST(Sounds, EachSoundPlaysItsOwnFileByItsNameOnDiskAndOnlyWhenItExists) {
  test::TestSkin skin;
  SoundLog log;
  const std::string mainFile = State().WaveDir + "WAVEMAIN.WAV";
  const std::string sizeFile = State().WaveDir + "waveSize.wav";
  PlayMainSound();
  PlaySizeSound();
  EXPECT_TRUE(log.Played.empty());

  WriteWave(mainFile);
  PlayMainSound();
  PlaySizeSound();  // its file is still missing
  EXPECT_EQ(log.Played, std::vector<std::string>{mainFile});

  WriteWave(sizeFile);
  PlaySizeSound();
  PlayMainSound();
  StopSounds();
  EXPECT_EQ(log.Played, (std::vector<std::string>{mainFile, sizeFile, mainFile}));
  EXPECT_EQ(log.Stops, 1);
}

// The real device, or none on this machine: either way the calls come back.
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
