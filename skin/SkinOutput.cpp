#include "SkinOutput.h"

#include "ButtonFace.h"
#include "GifWriter.h"
#include "WavWriter.h"

#include <QDir>

#include <cstdio>

namespace skin {
namespace {

void Complain(const QString &path) { std::fprintf(stderr, "velomira_skingen: cannot write %s\n", qPrintable(path)); }

}  // namespace

SkinOutput::SkinOutput(QString appDir, QString assetsDir) : appDir_(std::move(appDir)), assetsDir_(std::move(assetsDir)) {}

void SkinOutput::Gif(const QString &dir, const QString &key, const QString &name, const QImage &picture,
                     Reserve reserve) {
  if (!QDir().mkpath(dir)) {
    Complain(dir);
    failed_ = true;
    return;
  }
  if (reserve == Reserve::None && picture.hasAlphaChannel()) reserve = Reserve::Transparent;
  const IndexedPicture indexed = Quantize(picture, reserve);
  const QString path = dir + QLatin1Char('/') + name;
  if (!WriteGif(indexed, path)) {
    Complain(path);
    failed_ = true;
    return;
  }
  written_.insert(key.toLower(), ToImage(indexed));
  ++filesWritten_;
}

void SkinOutput::WriteTwins() { twins_ = true; }

void SkinOutput::SkinGif(const QString &folder, const QString &name, const QImage &picture, Reserve reserve) {
  const QString dir = appDir_ + QStringLiteral("/Image/Default/") + folder;
  if (!twins_) {
    Gif(dir, folder + QLatin1Char('/') + name, name, picture, reserve);
    return;
  }
  // The client ignores a twin of any other size, so a mismatch here would only show as
  // a blurred picture on a sharp screen.
  const QString twin = WithSuffix(name, QStringLiteral("@2x"));
  if (picture.size() != Written(folder, name).size() * 2) {
    std::fprintf(stderr, "velomira_skingen: %s/%s is not twice the size of %s\n", qPrintable(folder),
                 qPrintable(twin), qPrintable(name));
    failed_ = true;
    return;
  }
  Gif(dir, QStringLiteral("twins/") + folder + QLatin1Char('/') + twin, twin, picture, reserve);
}

void SkinOutput::AssetGif(const QString &folder, const QString &name, const QImage &picture) {
  Gif(assetsDir_ + QStringLiteral("/img/") + folder, QStringLiteral("assets/") + folder + QLatin1Char('/') + name,
      name, picture, Reserve::None);
}

void SkinOutput::Wave(const QString &name, const std::vector<short> &samples) {
  const QString dir = appDir_ + QStringLiteral("/Wave");
  const QString path = dir + QLatin1Char('/') + name;
  if (!QDir().mkpath(dir) || !WriteWav(samples, path)) {
    Complain(path);
    failed_ = true;
    return;
  }
  ++filesWritten_;
}

QImage SkinOutput::Written(const QString &folder, const QString &name) const {
  return written_.value((folder + QLatin1Char('/') + name).toLower());
}

}  // namespace skin
