#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace skintest {

// Resolves each component of relative below base, matching names without
// regard to letter case when the exact name is missing.
std::optional<std::filesystem::path> FindAnyCase(const std::filesystem::path &base, const std::string &relative);

struct DecodedGif {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0xRRGGBB, row by row, first frame
  std::vector<bool> clear;       // pixels in the frame's transparent colour
};

// Decodes the first frame with giflib; nullopt when the file is not a GIF.
std::optional<DecodedGif> DecodeGif(const std::filesystem::path &path);

struct WavInfo {
  int format = 0;
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 0;
  double seconds = 0;
  int peak = 0;  // largest absolute 16-bit sample
};

// Reads a RIFF/WAVE file; nullopt when its chunks are not well formed.
std::optional<WavInfo> ReadWav(const std::filesystem::path &path);

}  // namespace skintest
