#include "core/qt/SkinPicture.h"

#include <QFile>

#include "core/dFunc.h"

namespace velomira {

QPixmap LoadSkinPicture(const std::string& folder, const std::string& name) {
  QPixmap picture;
  if (name.empty()) return picture;
  // Folder and name are core texts; the file system holds UTF-8 names.
  const std::string path = ResolvePathCase(folder + name);
  picture.load(QString::fromStdString(ToUtf8(path)));
  return picture;
}

}  // namespace velomira
