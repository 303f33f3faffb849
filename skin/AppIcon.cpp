#include "Generators.h"
#include "Style.h"

#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QSvgGenerator>

namespace skin {
namespace {

// The program's icon in a size-by-size box: the wordmark's amber play-disc on a
// navy tile, with two broadcast waves above it. Plain shapes and gradients only,
// so the SVG painter writes the same picture as the pixel one.
void PaintAppIcon(QPainter &p, qreal size) {
  p.setRenderHint(QPainter::Antialiasing);
  const qreal margin = size * 0.06;
  const QRectF tile(margin, margin, size - 2 * margin, size - 2 * margin);
  QLinearGradient body(tile.topLeft(), tile.bottomLeft());
  body.setColorAt(0, style::kBaseTop);
  body.setColorAt(1, style::kBase);
  p.setPen(QPen(style::kBaseEdge, size / 64));
  p.setBrush(body);
  p.drawRoundedRect(tile, size * 0.2, size * 0.2);

  const QPointF centre(size * 0.44, size * 0.58);
  const qreal radius = size * 0.24;
  QPen wave(style::kText, size * 0.05, Qt::SolidLine, Qt::RoundCap);
  p.setPen(wave);
  p.setBrush(Qt::NoBrush);
  for (const qreal reach : {0.34, 0.45}) {
    const qreal r = size * reach;
    p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 15 * 16, 60 * 16);
  }

  const QRectF disc(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
  QLinearGradient amber(disc.topLeft(), disc.bottomLeft());
  amber.setColorAt(0, style::kAccent.lighter(115));
  amber.setColorAt(1, style::kAccentDeep);
  p.setPen(Qt::NoPen);
  p.setBrush(amber);
  p.drawEllipse(disc);
  const qreal s = radius * 0.4;
  p.setBrush(style::kBase);
  p.drawPolygon(QPolygonF({QPointF(centre.x() - s * 0.8, centre.y() - s * 1.25), QPointF(centre.x() + s * 1.35, centre.y()),
                           QPointF(centre.x() - s * 0.8, centre.y() + s * 1.25)}));
}

bool WritePng(const QString &dir, int size) {
  const QString folder = dir + QStringLiteral("/%1x%1/apps").arg(size);
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter p(&image);
    PaintAppIcon(p, size);
  }
  return QDir().mkpath(folder) && image.save(folder + QStringLiteral("/velomira.png"));
}

bool WriteSvg(const QString &dir) {
  const QString folder = dir + QStringLiteral("/scalable/apps");
  if (!QDir().mkpath(folder)) return false;
  constexpr int kSize = 256;
  QSvgGenerator svg;
  svg.setFileName(folder + QStringLiteral("/velomira.svg"));
  svg.setSize(QSize(kSize, kSize));
  svg.setViewBox(QRect(0, 0, kSize, kSize));
  svg.setTitle(QStringLiteral("Velomira"));
  QPainter p;
  if (!p.begin(&svg)) return false;
  PaintAppIcon(p, kSize);
  return p.end();
}

}  // namespace

bool DrawAppIcons(const QString &iconDir) {
  bool written = WriteSvg(iconDir);
  for (const int size : {48, 128, 256}) written = WritePng(iconDir, size) && written;
  return written;
}

}  // namespace skin
