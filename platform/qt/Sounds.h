#pragma once
// The two interface sounds, WAV files in State().WaveDir, played without waiting.
// A missing file, a machine without an audio device or a failing audio back end makes
// them silent; none of these calls ever blocks. Call from the UI thread.
#include <functional>
#include <string>

namespace velomira {

void PlayMainSound();  // "waveMain.wav" (panel swaps)
void PlaySizeSound();  // "waveSize.wav" (display toggle), only when the file exists
void StopSounds();     // stops whatever is playing

// Where the sounds go instead of the audio device: Play gets the file found (its real
// name on disk), Stop the stop. Tests listen here; an empty output is the device again.
struct SoundOutput {
  std::function<void(const std::string& file)> Play;
  std::function<void()> Stop;
};
void SetSoundOutputForTests(SoundOutput output);

}  // namespace velomira
