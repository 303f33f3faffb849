#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include "controls/TImage.h"
#include "core/qt/WindowChrome.h"

namespace velomira {

namespace {

// Platforms on which a screen copy is refused or shows nothing real.
bool CanCaptureScreen() {
  const QString platform = QGuiApplication::platformName();
  return !platform.startsWith(QStringLiteral("wayland")) &&
         platform != QStringLiteral("offscreen") && platform != QStringLiteral("minimal");
}

int Mix(int tint, int old) { return (tint * 70 + old * 30) / 100; }

}  // namespace

bool TintColor(int colorIndex, QRgb& color) {
  if (colorIndex != 1) return false;
  color = qRgb(13, 13, 89);
  return true;
}

QImage TintImage(const QImage& source, int colorIndex) {
  QImage image = source.convertToFormat(QImage::Format_RGB888);
  QRgb tint;
  if (!TintColor(colorIndex, tint)) return image;
  for (int y = 0; y < image.height(); ++y) {
    uchar* pixel = image.scanLine(y);
    for (int x = 0; x < image.width(); ++x, pixel += 3) {
      pixel[0] = static_cast<uchar>(Mix(qRed(tint), pixel[0]));
      pixel[1] = static_cast<uchar>(Mix(qGreen(tint), pixel[1]));
      pixel[2] = static_cast<uchar>(Mix(qBlue(tint), pixel[2]));
    }
  }
  return image;
}

QImage CaptureScreenArea(int left, int top, int width, int height) {
  const QPoint corner(left, top);
  QScreen* screen = QGuiApplication::screenAt(corner);
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen != nullptr && CanCaptureScreen()) {
    const QPoint local = corner - screen->geometry().topLeft();
    const QPixmap copy = screen->grabWindow(0, local.x(), local.y(), width, height);
    if (!copy.isNull()) return copy.toImage().convertToFormat(QImage::Format_RGB888);
  }
  QImage dark(std::max(width, 1), std::max(height, 1), QImage::Format_RGB888);
  dark.fill(Qt::black);
  return dark;
}

void TintScreenArea(int colorIndex, int width, int height, TImage* target, int top, int left) {
  const QImage tinted = TintImage(CaptureScreenArea(left, top, width, height), colorIndex);
  target->SetPicture(QPixmap::fromImage(tinted));
}

}  // namespace velomira
