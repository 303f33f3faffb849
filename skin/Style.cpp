#include "Style.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>

namespace skin::style {

QColor SurfaceColour(Surface surface) {
  switch (surface) {
    case Surface::List: return kList;
    case Surface::Card: return kCard;
    case Surface::Base: break;
  }
  return kBase;
}

QFont Font(int pixelSize, bool bold, bool condensed) {
  QFont font(condensed ? QStringLiteral("DejaVu Sans Condensed") : QStringLiteral("DejaVu Sans"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  if (condensed) font.setStretch(QFont::Condensed);
  font.setHintingPreference(QFont::PreferFullHinting);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

namespace {
int g_scale = 1;
}  // namespace

void SetScale(int scale) { g_scale = scale; }
int Scale() { return g_scale; }

QImage ScaledImage(int width, int height, QImage::Format format) {
  QImage image(width * g_scale, height * g_scale, format);
  image.setDevicePixelRatio(g_scale);
  return image;
}

QImage Canvas(int width, int height, const QColor &fill) {
  QImage image = ScaledImage(width, height, QImage::Format_RGB32);
  image.fill(fill);
  return image;
}

QImage Canvas(int width, int height, Surface surface) { return Canvas(width, height, SurfaceColour(surface)); }

QImage ClearCanvas(int width, int height) {
  QImage image = ScaledImage(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QImage KeyOut(const QImage &painted, const QColor &backdrop) {
  const QImage source = painted.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QImage keyed(source.size(), QImage::Format_ARGB32);
  keyed.setDevicePixelRatio(painted.devicePixelRatio());
  for (int y = 0; y < source.height(); ++y) {
    const QRgb *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
    QRgb *out = reinterpret_cast<QRgb *>(keyed.scanLine(y));
    for (int x = 0; x < source.width(); ++x) {
      const int a = qAlpha(in[x]);
      if (a < 128) {
        out[x] = 0;
        continue;
      }
      const int rest = 255 - a;
      out[x] = qRgb(qRed(in[x]) + backdrop.red() * rest / 255, qGreen(in[x]) + backdrop.green() * rest / 255,
                    qBlue(in[x]) + backdrop.blue() * rest / 255);
    }
  }
  return keyed;
}

void RoundedGradient(QPainter &p, const QRectF &rect, qreal radius, const QColor &top, const QColor &bottom,
                     const QColor &edge) {
  QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
  gradient.setColorAt(0, top);
  gradient.setColorAt(1, bottom);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(edge.isValid() ? QPen(edge, 1) : Qt::NoPen);
  p.setBrush(gradient);
  p.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
  p.restore();
}

void Text(QPainter &p, const QRectF &rect, const QString &text, const QFont &font, const QColor &colour, int flags) {
  p.save();
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(font);
  p.setPen(colour);
  p.drawText(rect, flags, text);
  p.restore();
}

void FittedText(QPainter &p, const QRectF &rect, const QString &text, int pixelSize, bool bold, const QColor &colour,
                int flags) {
  // Prefer the regular face a pixel or two smaller, then the condensed face.
  QFont chosen = Font(7, bold, true);
  bool found = false;
  for (int condensed = 0; condensed < 2 && !found; ++condensed) {
    for (int size = pixelSize; size >= (condensed ? 7 : std::max(7, pixelSize - 2)) && !found; --size) {
      const QFont candidate = Font(size, bold, condensed == 1);
      if (QFontMetricsF(candidate).horizontalAdvance(text) <= rect.width()) {
        chosen = candidate;
        found = true;
      }
    }
  }
  Text(p, rect, text, chosen, colour, flags);
}

void Sheen(QPainter &p, const QRectF &rect, qreal radius, int alpha) {
  QLinearGradient gradient(rect.topLeft(), QPointF(rect.left(), rect.center().y()));
  gradient.setColorAt(0, QColor(255, 255, 255, alpha));
  gradient.setColorAt(1, QColor(255, 255, 255, 0));
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(gradient);
  QPainterPath clip;
  clip.addRoundedRect(rect.adjusted(1, 1, -1, -1), radius, radius);
  p.setClipPath(clip);
  p.drawRect(QRectF(rect.left(), rect.top(), rect.width(), rect.height() / 2));
  p.restore();
}

qreal Wordmark(QPainter &p, const QPointF &topLeft, int discSize, int textPixelSize, const QColor &textColour) {
  const QRectF disc(topLeft.x(), topLeft.y(), discSize, discSize);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient gradient(disc.topLeft(), disc.bottomLeft());
  gradient.setColorAt(0, kAccent.lighter(115));
  gradient.setColorAt(1, kAccentDeep);
  p.setPen(Qt::NoPen);
  p.setBrush(gradient);
  p.drawEllipse(disc);
  const QPointF c = disc.center();
  const qreal s = discSize * 0.2;
  p.setBrush(kBase);
  p.drawPolygon(QPolygonF({QPointF(c.x() - s * 0.8, c.y() - s * 1.25), QPointF(c.x() + s * 1.35, c.y()),
                           QPointF(c.x() - s * 0.8, c.y() + s * 1.25)}));
  p.restore();
  const qreal left = disc.right() + discSize * 0.25;
  Text(p, QRectF(left, disc.top() - 2, 400, discSize + 4), QStringLiteral("velomira"), Font(textPixelSize, true),
       textColour, Qt::AlignLeft | Qt::AlignVCenter);
  return topLeft.x() + WordmarkWidth(discSize, textPixelSize);
}

qreal WordmarkWidth(int discSize, int textPixelSize) {
  return discSize * 1.25 + QFontMetricsF(Font(textPixelSize, true)).horizontalAdvance(QStringLiteral("velomira"));
}

}  // namespace skin::style
