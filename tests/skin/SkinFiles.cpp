#include "SkinFiles.h"

#include <gif_lib.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>

namespace skintest {
namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

uint32_t Le(const std::vector<unsigned char> &bytes, size_t at, int count) {
  uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[at + static_cast<size_t>(i)];
  return value;
}

}  // namespace

std::optional<std::filesystem::path> FindAnyCase(const std::filesystem::path &base, const std::string &relative) {
  std::filesystem::path current = base;
  for (const auto &part : std::filesystem::path(relative)) {
    const std::filesystem::path exact = current / part;
    if (std::filesystem::exists(exact)) {
      current = exact;
      continue;
    }
    std::error_code error;
    std::optional<std::filesystem::path> match;
    for (const auto &entry : std::filesystem::directory_iterator(current, error)) {
      if (Lower(entry.path().filename().string()) == Lower(part.string())) {
        match = entry.path();
        break;
      }
    }
    if (!match) return std::nullopt;
    current = *match;
  }
  return current;
}

std::optional<DecodedGif> DecodeGif(const std::filesystem::path &path) {
  int error = 0;
  GifFileType *gif = DGifOpenFileName(path.c_str(), &error);
  if (gif == nullptr) return std::nullopt;
  std::optional<DecodedGif> result;
  if (DGifSlurp(gif) == GIF_OK && gif->ImageCount > 0) {
    const SavedImage &frame = gif->SavedImages[0];
    const ColorMapObject *map = frame.ImageDesc.ColorMap ? frame.ImageDesc.ColorMap : gif->SColorMap;
    if (map != nullptr && frame.RasterBits != nullptr) {
      DecodedGif decoded;
      decoded.width = gif->SWidth;
      decoded.height = gif->SHeight;
      decoded.pixels.assign(static_cast<size_t>(decoded.width) * static_cast<size_t>(decoded.height), 0);
      decoded.clear.assign(decoded.pixels.size(), false);
      GraphicsControlBlock control{};
      control.TransparentColor = NO_TRANSPARENT_COLOR;
      DGifSavedExtensionToGCB(gif, 0, &control);
      const GifImageDesc &desc = frame.ImageDesc;
      bool inRange = true;
      for (int y = 0; y < desc.Height; ++y) {
        for (int x = 0; x < desc.Width; ++x) {
          const int index = frame.RasterBits[y * desc.Width + x];
          const int px = desc.Left + x, py = desc.Top + y;
          if (index >= map->ColorCount || px >= decoded.width || py >= decoded.height) {
            inRange = false;
            continue;
          }
          const GifColorType c = map->Colors[index];
          const size_t at = static_cast<size_t>(py) * static_cast<size_t>(decoded.width) + static_cast<size_t>(px);
          decoded.pixels[at] = (uint32_t{c.Red} << 16) | (uint32_t{c.Green} << 8) | c.Blue;
          decoded.clear[at] = index == control.TransparentColor;
        }
      }
      if (inRange) result = std::move(decoded);
    }
  }
  DGifCloseFile(gif, &error);
  return result;
}

std::optional<WavInfo> ReadWav(const std::filesystem::path &path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
    return std::nullopt;
  if (Le(bytes, 4, 4) != bytes.size() - 8) return std::nullopt;

  WavInfo info;
  bool haveFormat = false;
  size_t at = 12;
  while (at + 8 <= bytes.size()) {
    const std::string id(bytes.begin() + static_cast<long>(at), bytes.begin() + static_cast<long>(at) + 4);
    const uint32_t size = Le(bytes, at + 4, 4);
    const size_t body = at + 8;
    if (body + size > bytes.size()) return std::nullopt;
    if (id == "fmt " && size >= 16) {
      info.format = static_cast<int>(Le(bytes, body, 2));
      info.channels = static_cast<int>(Le(bytes, body + 2, 2));
      info.sampleRate = static_cast<int>(Le(bytes, body + 4, 4));
      info.bitsPerSample = static_cast<int>(Le(bytes, body + 14, 2));
      haveFormat = true;
    } else if (id == "data" && haveFormat && info.bitsPerSample == 16 && info.channels > 0 && info.sampleRate > 0) {
      const size_t samples = size / 2;
      for (size_t i = 0; i < samples; ++i) {
        const auto value = static_cast<int16_t>(Le(bytes, body + 2 * i, 2));
        info.peak = std::max(info.peak, std::abs(static_cast<int>(value)));
      }
      info.seconds = static_cast<double>(samples) / info.channels / info.sampleRate;
      return info;
    }
    at = body + size + (size & 1);
  }
  return std::nullopt;
}

}  // namespace skintest
