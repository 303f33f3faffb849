#include "platform/qt/Sounds.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <array>

#include "core/dFunc.h"

namespace velomira {

namespace {

enum SoundIndex { MainSound, SizeSound, SoundCount };
constexpr std::array<const char*, SoundCount> SoundFiles = {"waveMain.wav", "waveSize.wav"};

// One effect per sound, made on first use and kept for the life of the process.
std::array<QSoundEffect*, SoundCount> effects{};

void Play(SoundIndex sound) {
  const std::string path = FindReadable(State().WaveDir + SoundFiles[sound]);
  if (!FileExistsAnyCase(path)) return;
  if (QMediaDevices::audioOutputs().isEmpty()) return;
  QSoundEffect*& effect = effects[sound];
  if (effect == nullptr) effect = new QSoundEffect();
  const QUrl source = QUrl::fromLocalFile(QString::fromStdString(ToUtf8(path)));
  if (effect->source() != source) effect->setSource(source);
  effect->play();
}

}  // namespace

void PlayMainSound() { Play(MainSound); }

void PlaySizeSound() { Play(SizeSound); }

void StopSounds() {
  for (QSoundEffect* effect : effects)
    if (effect != nullptr) effect->stop();
}

}  // namespace velomira
