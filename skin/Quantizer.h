#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

#include <cstdint>
#include <vector>

namespace skin {

struct IndexedPicture {
  int width = 0;
  int height = 0;
  QList<QRgb> palette;           // at most 256 entries
  std::vector<uint8_t> indices;  // width * height, row by row
};

// Median-cut reduction to at most 256 colours. With keepBlackExact, black gets
// palette entry 0 and only pixels that are exactly black map to it.
IndexedPicture Quantize(const QImage &picture, bool keepBlackExact);

// The palette picture as an ordinary image, to preview what the GIF shows.
QImage ToImage(const IndexedPicture &indexed);

}  // namespace skin
