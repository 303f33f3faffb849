#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

#include <cstdint>
#include <vector>

namespace skin {

// What palette entry 0 is kept for.
enum class Reserve {
  None,
  Black,        // exact black, used by pictures whose black pixels are outside the window
  Transparent,  // fully transparent pixels (alpha 0) of a keyed-out picture
};

struct IndexedPicture {
  int width = 0;
  int height = 0;
  QList<QRgb> palette;           // at most 256 entries
  std::vector<uint8_t> indices;  // width * height, row by row
  int transparentIndex = -1;     // -1: no transparent colour
};

// Median-cut reduction to at most 256 colours. A reserved entry 0 is used
// only by the pixels it is reserved for; no other colour maps onto it.
IndexedPicture Quantize(const QImage &picture, Reserve reserve);

// The palette picture as an ordinary image, to preview what the GIF shows.
QImage ToImage(const IndexedPicture &indexed);

}  // namespace skin
