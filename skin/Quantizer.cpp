#include "Quantizer.h"

#include <QHash>

#include <algorithm>
#include <limits>

namespace skin {
namespace {

struct ColourCount {
  QRgb colour;
  int count;
};

struct Box {
  std::vector<ColourCount> colours;
  long long population = 0;

  int Channel(QRgb c, int axis) const {
    return axis == 0 ? qRed(c) : axis == 1 ? qGreen(c) : qBlue(c);
  }
  int Range(int axis) const {
    int low = 255, high = 0;
    for (const auto &cc : colours) {
      low = std::min(low, Channel(cc.colour, axis));
      high = std::max(high, Channel(cc.colour, axis));
    }
    return high - low;
  }
  int WidestAxis() const {
    int best = 0;
    for (int axis = 1; axis < 3; ++axis)
      if (Range(axis) > Range(best)) best = axis;
    return best;
  }
  QRgb Average() const {
    long long r = 0, g = 0, b = 0;
    for (const auto &cc : colours) {
      r += static_cast<long long>(qRed(cc.colour)) * cc.count;
      g += static_cast<long long>(qGreen(cc.colour)) * cc.count;
      b += static_cast<long long>(qBlue(cc.colour)) * cc.count;
    }
    const long long n = std::max<long long>(population, 1);
    return qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((b + n / 2) / n));
  }
};

// Splits boxes at the weighted median of their widest axis until the palette
// is full; the box chosen next is the one with the most spread-out pixels.
std::vector<QRgb> MedianCut(std::vector<ColourCount> colours, int maxColours) {
  std::vector<Box> boxes(1);
  boxes[0].colours = std::move(colours);
  for (const auto &cc : boxes[0].colours) boxes[0].population += cc.count;

  while (static_cast<int>(boxes.size()) < maxColours) {
    int pick = -1;
    long long bestScore = 0;
    for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
      if (boxes[i].colours.size() < 2) continue;
      const Box &box = boxes[i];
      const long long score = static_cast<long long>(box.Range(box.WidestAxis()) + 1) *
                              static_cast<long long>(std::min<long long>(box.population, 4096) + 1);
      if (score > bestScore) {
        bestScore = score;
        pick = i;
      }
    }
    if (pick < 0) break;
    Box &box = boxes[pick];
    const int axis = box.WidestAxis();
    std::sort(box.colours.begin(), box.colours.end(), [&](const ColourCount &a, const ColourCount &b) {
      return box.Channel(a.colour, axis) < box.Channel(b.colour, axis);
    });
    long long running = 0;
    size_t cut = 1;
    for (size_t i = 0; i + 1 < box.colours.size(); ++i) {
      running += box.colours[i].count;
      cut = i + 1;
      if (running * 2 >= box.population) break;
    }
    Box upper;
    upper.colours.assign(box.colours.begin() + static_cast<long>(cut), box.colours.end());
    box.colours.resize(cut);
    box.population = 0;
    for (const auto &cc : box.colours) box.population += cc.count;
    for (const auto &cc : upper.colours) upper.population += cc.count;
    boxes.push_back(std::move(upper));
  }

  std::vector<QRgb> palette;
  for (const auto &box : boxes)
    if (!box.colours.empty()) palette.push_back(box.Average());
  return palette;
}

int Nearest(const QList<QRgb> &palette, int first, QRgb colour) {
  int best = first;
  int bestDistance = std::numeric_limits<int>::max();
  for (int i = first; i < palette.size(); ++i) {
    const int dr = qRed(palette[i]) - qRed(colour);
    const int dg = qGreen(palette[i]) - qGreen(colour);
    const int db = qBlue(palette[i]) - qBlue(colour);
    const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = i;
    }
  }
  return best;
}

}  // namespace

IndexedPicture Quantize(const QImage &picture, Reserve reserve) {
  const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
  const QRgb black = qRgb(0, 0, 0);
  // Which pixels take the reserved entry 0.
  const auto reserved = [&](QRgb c) {
    switch (reserve) {
      case Reserve::Black: return (c | 0xFF000000u) == black;
      case Reserve::Transparent: return qAlpha(c) < 128;
      case Reserve::None: break;
    }
    return false;
  };

  QHash<QRgb, int> histogram;
  bool anyReserved = false;
  for (int y = 0; y < argb.height(); ++y) {
    const QRgb *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
    for (int x = 0; x < argb.width(); ++x) {
      if (reserved(line[x])) {
        anyReserved = true;
        continue;
      }
      ++histogram[line[x] | 0xFF000000u];
    }
  }

  IndexedPicture out;
  out.width = argb.width();
  out.height = argb.height();
  const int first = anyReserved ? 1 : 0;
  if (anyReserved) {
    out.palette.append(black);
    if (reserve == Reserve::Transparent) out.transparentIndex = 0;
  }
  const int room = 256 - first;

  std::vector<ColourCount> colours;
  colours.reserve(static_cast<size_t>(histogram.size()));
  for (auto it = histogram.cbegin(); it != histogram.cend(); ++it) colours.push_back({it.key(), it.value()});

  if (static_cast<int>(colours.size()) <= room) {
    for (const auto &cc : colours) out.palette.append(cc.colour);
  } else {
    for (QRgb c : MedianCut(std::move(colours), room)) {
      // An averaged box must never turn into the see-through colour.
      if (reserve == Reserve::Black && c == black) c = qRgb(1, 1, 1);
      out.palette.append(c);
    }
  }
  if (out.palette.isEmpty()) out.palette.append(black);

  QHash<QRgb, uint8_t> lookup;
  out.indices.resize(static_cast<size_t>(out.width) * static_cast<size_t>(out.height));
  for (int y = 0; y < out.height; ++y) {
    const QRgb *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
    for (int x = 0; x < out.width; ++x) {
      uint8_t index = 0;
      if (!reserved(line[x])) {
        const QRgb c = line[x] | 0xFF000000u;
        auto found = lookup.constFind(c);
        if (found == lookup.constEnd()) found = lookup.insert(c, static_cast<uint8_t>(Nearest(out.palette, first, c)));
        index = found.value();
      }
      out.indices[static_cast<size_t>(y) * static_cast<size_t>(out.width) + static_cast<size_t>(x)] = index;
    }
  }
  return out;
}

QImage ToImage(const IndexedPicture &indexed) {
  QImage image(indexed.width, indexed.height, QImage::Format_ARGB32);
  for (int y = 0; y < indexed.height; ++y) {
    QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
    for (int x = 0; x < indexed.width; ++x) {
      const int index = indexed.indices[static_cast<size_t>(y) * static_cast<size_t>(indexed.width) + static_cast<size_t>(x)];
      line[x] = index == indexed.transparentIndex ? 0u : indexed.palette[index];
    }
  }
  return image;
}

}  // namespace skin
