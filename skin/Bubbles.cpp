#include "Generators.h"
#include "Glyphs.h"
#include "SkinOutput.h"
#include "Style.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace skin {
namespace {

// The alarm window is shaped by the picture: black is outside. Pictures are
// painted on a transparent canvas and then flattened with a hard edge, so no
// dark fringe is left around the shape and nothing inside is pure black.
QImage FlattenOnBlack(const QImage &painted) {
  QImage flat(painted.size(), QImage::Format_RGB32);
  flat.setDevicePixelRatio(painted.devicePixelRatio());
  for (int y = 0; y < painted.height(); ++y) {
    for (int x = 0; x < painted.width(); ++x) {
      const QColor c = QColor::fromRgba(painted.pixel(x, y));
      if (c.alpha() < 128) {
        flat.setPixel(x, y, qRgb(0, 0, 0));
        continue;
      }
      int r = c.red(), g = c.green(), b = c.blue();
      if (r + g + b < 24) r = g = b = 8;
      flat.setPixel(x, y, qRgb(r, g, b));
    }
  }
  return flat;
}

QImage Transparent(int width, int height) {
  QImage image = style::ScaledImage(width, height, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  return image;
}

struct BubbleStyle {
  char letter;
  QColor colour;
};

const std::array<BubbleStyle, 4> kStyles = {{
    {'a', QColor(72, 150, 255)},
    {'b', QColor(236, 80, 160)},
    {'c', QColor(255, 170, 50)},
    {'d', QColor(46, 200, 150)},
}};

constexpr int kBubbleWidth = 48;
constexpr int kBubbleHeight = 86;

// Frame 1 is the smallest bubble, frame 5 the fullest; the string sways.
QImage BubbleFrame(const QColor &colour, int frame) {
  QImage image = Transparent(kBubbleWidth, kBubbleHeight);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal rx = 13 + 2 * frame;
  const qreal ry = rx * 1.16;
  const QPointF centre(kBubbleWidth / 2.0, 4 + ry + (5 - frame) * 2);
  const qreal bottom = centre.y() + ry;

  // String first, so the knot covers its end.
  QPainterPath string;
  string.moveTo(centre.x(), bottom + 2);
  const qreal sway = (frame % 2 == 0 ? 1 : -1) * 4.0;
  string.cubicTo(centre.x() + sway, bottom + 14, centre.x() - sway, kBubbleHeight - 16, centre.x() + sway / 2,
                 kBubbleHeight - 1);
  p.setPen(QPen(QColor(230, 232, 245), 2.0, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(string);

  QRadialGradient body(centre.x() - rx * 0.35, centre.y() - ry * 0.4, rx * 1.6);
  body.setColorAt(0, colour.lighter(165));
  body.setColorAt(0.45, colour);
  body.setColorAt(1, colour.darker(150));
  p.setPen(Qt::NoPen);
  p.setBrush(body);
  p.drawEllipse(centre, rx, ry);
  p.setBrush(colour.darker(140));
  p.drawPolygon(QPolygonF({QPointF(centre.x() - 3.5, bottom + 4), QPointF(centre.x(), bottom - 1),
                           QPointF(centre.x() + 3.5, bottom + 4)}));

  // Highlight and a clock face: the bubble announces a program's start.
  p.setBrush(QColor(255, 255, 255, 170));
  p.drawEllipse(QPointF(centre.x() - rx * 0.42, centre.y() - ry * 0.48), rx * 0.18, ry * 0.12);
  const qreal face = rx * 0.9;
  glyph::Clock(p, QRectF(centre.x() - face / 2, centre.y() - face / 2 + 1, face, face), Qt::white);
  p.end();
  return FlattenOnBlack(image);
}

constexpr int kBurstWidth = 43;
constexpr int kBurstHeight = 85;

QImage Burst(const QColor &colour) {
  QImage image = Transparent(kBurstWidth, kBurstHeight);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(kBurstWidth / 2.0, 30);
  QPolygonF star;
  constexpr int spikes = 12;
  for (int i = 0; i < spikes * 2; ++i) {
    const double angle = i * std::numbers::pi / spikes;
    const double r = (i % 2 == 0) ? 20.5 : 10.5 + (i % 4 == 1 ? 2 : 0);
    star << QPointF(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
  }
  QRadialGradient fill(centre, 21);
  fill.setColorAt(0, QColor(255, 250, 220));
  fill.setColorAt(0.35, colour.lighter(150));
  fill.setColorAt(1, colour);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawPolygon(star);

  // Confetti falling where the string was.
  const QColor confetti[] = {style::kAccent, colour.lighter(140), QColor(255, 255, 255), colour};
  for (int i = 0; i < 9; ++i) {
    const qreal x = 8 + (i * 29 % 28);
    const qreal y = 56 + (i * 11 % 27);
    p.setBrush(confetti[i % 4]);
    p.drawRoundedRect(QRectF(x, y, 3.2, 3.2), 1, 1);
  }
  style::Text(p, QRectF(centre.x() - 10, centre.y() - 11, 20, 22), "!", style::Font(17, true), colour.darker(170));
  p.end();
  return FlattenOnBlack(image);
}

}  // namespace

void DrawBubbles(SkinOutput &out) {
  for (size_t s = 0; s < kStyles.size(); ++s) {
    const BubbleStyle &bubble = kStyles[s];
    for (int frame = 1; frame <= 5; ++frame) {
      out.SkinGif("bubble", QString("%1%2.gif").arg(QLatin1Char(bubble.letter)).arg(frame),
                  BubbleFrame(bubble.colour, frame), Reserve::Black);
    }
    out.SkinGif("bubble", QString("boom%1.gif").arg(s + 1), Burst(bubble.colour), Reserve::Black);
  }
}

}  // namespace skin
