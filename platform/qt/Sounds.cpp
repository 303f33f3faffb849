#include "platform/qt/Sounds.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <array>
#include <utility>

#include "core/dFunc.h"

namespace velomira {

namespace {

enum SoundIndex { MainSound, SizeSound, SoundCount };
constexpr std::array<const char*, SoundCount> SoundFiles = {"waveMain.wav", "waveSize.wav"};

// One effect per sound, made on first use and kept for the life of the process.
std::array<QSoundEffect*, SoundCount> effects{};
SoundOutput output;

void PlayOnDevice(SoundIndex sound, const std::string& file) {
  if (QMediaDevices::audioOutputs().isEmpty()) return;
  QSoundEffect*& effect = effects[sound];
  if (effect == nullptr) effect = new QSoundEffect();
  const QUrl source = QUrl::fromLocalFile(QString::fromStdString(ToUtf8(file)));
  if (effect->source() != source) effect->setSource(source);
  effect->play();
}

void Play(SoundIndex sound) {
  const std::string path = FindReadable(State().WaveDir + SoundFiles[sound]);
  if (!FileExistsAnyCase(path)) return;
  const std::string file = ResolvePathCase(path);
  if (output.Play) {
    output.Play(file);
  } else {
    PlayOnDevice(sound, file);
  }
}

}  // namespace

void PlayMainSound() { Play(MainSound); }

void PlaySizeSound() { Play(SizeSound); }

void StopSounds() {
  if (output.Stop) {
    output.Stop();
    return;
  }
  for (QSoundEffect* effect : effects)
    if (effect != nullptr) effect->stop();
}

void SetSoundOutputForTests(SoundOutput replacement) { output = std::move(replacement); }

}  // namespace velomira
