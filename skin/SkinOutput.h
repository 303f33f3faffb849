#pragma once

#include "Quantizer.h"

#include <QImage>
#include <QMap>
#include <QString>

#include <vector>

namespace skin {

// Where the generated files go, and a record of every picture written so the
// preview can be composed from exactly what the GIF files hold.
class SkinOutput {
 public:
  SkinOutput(QString appDir, QString assetsDir);

  // From now on skin pictures are the twice-size twins: "name@2x.gif" beside
  // "name.gif", which must have been written first at exactly half the size.
  void WriteTwins();

  // Skin folders below the program folder's Image/Default/. Pictures with
  // an alpha channel are written with their clear pixels transparent.
  void SkinGif(const QString &folder, const QString &name, const QImage &picture, Reserve reserve = Reserve::None);
  // Sample pictures the service hands out (below its assets' img/ folder).
  void AssetGif(const QString &folder, const QString &name, const QImage &picture);
  void Wave(const QString &name, const std::vector<short> &samples);

  // The picture as written (after palette reduction), looked up by skin
  // folder and name; a null image when it was never written.
  QImage Written(const QString &folder, const QString &name) const;

  int FilesWritten() const { return filesWritten_; }
  bool Failed() const { return failed_; }

 private:
  void Gif(const QString &dir, const QString &key, const QString &name, const QImage &picture, Reserve reserve);

  QString appDir_;
  QString assetsDir_;
  QMap<QString, QImage> written_;
  int filesWritten_ = 0;
  bool failed_ = false;
  bool twins_ = false;
};

}  // namespace skin
