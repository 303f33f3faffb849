#include "core/qt/SkinPicture.h"

#include <QGuiApplication>
#include <QImageReader>

#include "core/dFunc.h"

namespace velomira {

namespace {

constexpr qreal kSharpPicturesFrom = 1.5;

// "Form/Main.gif" -> "Form/Main@2x.gif"; a name without an extension gets the suffix at its end.
std::string TwiceSizeName(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::size_t dot = path.rfind('.');
  const std::size_t at = dot == std::string::npos || (slash != std::string::npos && dot < slash) ? path.size() : dot;
  return path.substr(0, at) + "@2x" + path.substr(at);
}

QString FileName(const std::string& path) { return QString::fromStdString(ToUtf8(path)); }

// A skin package may replace a picture and leave an older twin beside it: a twin of any
// other size would change the window's layout, so it is not used.
bool IsTwinOf(const QString& twin, const QString& picture) {
  const QSize small = QImageReader(picture).size();
  return small.isValid() && QImageReader(twin).size() == small * 2;
}

qreal ScreenRatio() {
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? qGuiApp->devicePixelRatio() : 1.0;
}

QPixmap LoadFor(const std::string& path, qreal screenRatio) {
  QPixmap picture;
  const std::string file = FindReadable(path);
  if (screenRatio >= kSharpPicturesFrom) {
    const std::string twin = ResolvePathCase(TwiceSizeName(file));
    if (FileExistsAnyCase(twin) && IsTwinOf(FileName(twin), FileName(file)) && picture.load(FileName(twin))) {
      picture.setDevicePixelRatio(2);
      return picture;
    }
  }
  picture.load(FileName(file));
  return picture;
}

}  // namespace

QPixmap LoadSkinPicture(const std::string& folder, const std::string& name, qreal screenRatio) {
  if (name.empty()) return {};
  return LoadFor(folder + name, screenRatio);
}

QPixmap LoadSkinPicture(const std::string& folder, const std::string& name) {
  return LoadSkinPicture(folder, name, ScreenRatio());
}

QPixmap LoadSkinPictureFile(const std::string& path) { return LoadFor(path, ScreenRatio()); }

}  // namespace velomira
