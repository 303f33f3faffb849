#pragma once
// The two interface sounds, WAV files in State().WaveDir, played without waiting.
// A missing file, a machine without an audio device or a failing audio back end makes
// them silent; none of these calls ever blocks. Call from the UI thread.
namespace velomira {

void PlayMainSound();  // "waveMain.wav" (panel swaps)
void PlaySizeSound();  // "waveSize.wav" (display toggle), only when the file exists
void StopSounds();     // stops whatever is playing

}  // namespace velomira
