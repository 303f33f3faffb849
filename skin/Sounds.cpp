#include "Generators.h"
#include "SkinOutput.h"
#include "WavWriter.h"

namespace skin {

void WriteSounds(SkinOutput &out) {
  // A rising two-note bell (E6 then B6) with a soft octave partial: played
  // when a guide window slides in.
  out.Wave("waveMain.wav", SynthesizeChime({{1318.5, 1.0, 0.0, 0.22},
                                            {2637.0, 0.25, 0.0, 0.08},
                                            {1975.5, 0.9, 0.09, 0.28},
                                            {3951.0, 0.2, 0.09, 0.09}},
                                           0.75));
  // A short falling blip (A5 then E5) for shrinking and growing the window.
  out.Wave("waveSize.wav", SynthesizeChime({{880.0, 0.8, 0.0, 0.06},
                                            {1760.0, 0.15, 0.0, 0.03},
                                            {659.3, 0.8, 0.06, 0.09}},
                                           0.3));
}

}  // namespace skin
