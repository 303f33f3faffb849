#include "GifWriter.h"

#include <gif_lib.h>

#include <QFile>

namespace skin {
namespace {

int BitsFor(int colours) {
  int bits = 1;
  while ((1 << bits) < colours) ++bits;
  return bits;
}

}  // namespace

bool WriteGif(const IndexedPicture &indexed, const QString &path) {
  const int bits = BitsFor(static_cast<int>(indexed.palette.size()));

  ColorMapObject *map = GifMakeMapObject(1 << bits, nullptr);
  if (map == nullptr) return false;
  for (int i = 0; i < map->ColorCount; ++i) {
    const QRgb c = i < indexed.palette.size() ? indexed.palette[i] : qRgb(0, 0, 0);
    map->Colors[i] = GifColorType{static_cast<GifByteType>(qRed(c)), static_cast<GifByteType>(qGreen(c)),
                                  static_cast<GifByteType>(qBlue(c))};
  }

  int error = 0;
  const QByteArray fileName = QFile::encodeName(path);
  GifFileType *gif = EGifOpenFileName(fileName.constData(), false, &error);
  if (gif == nullptr) {
    GifFreeMapObject(map);
    return false;
  }
  // The transparent colour lives in an extension block, which needs GIF89a.
  EGifSetGifVersion(gif, indexed.transparentIndex >= 0);
  bool ok = EGifPutScreenDesc(gif, indexed.width, indexed.height, bits, 0, map) == GIF_OK;
  if (ok && indexed.transparentIndex >= 0) {
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSAL_UNSPECIFIED;
    control.DelayTime = 0;
    control.TransparentColor = indexed.transparentIndex;
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, sizeof extension, extension) == GIF_OK;
  }
  ok = ok && EGifPutImageDesc(gif, 0, 0, indexed.width, indexed.height, false, nullptr) == GIF_OK;
  std::vector<GifPixelType> row(static_cast<size_t>(indexed.width));
  for (int y = 0; ok && y < indexed.height; ++y) {
    const auto *source = indexed.indices.data() + static_cast<size_t>(y) * static_cast<size_t>(indexed.width);
    std::copy(source, source + indexed.width, row.begin());
    ok = EGifPutLine(gif, row.data(), indexed.width) == GIF_OK;
  }
  ok = (EGifCloseFile(gif, &error) == GIF_OK) && ok;
  GifFreeMapObject(map);
  return ok;
}

}  // namespace skin
