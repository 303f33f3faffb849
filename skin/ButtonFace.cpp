#include "ButtonFace.h"

#include "Style.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace skin {
namespace {

struct Face {
  QColor top, bottom, edge, text;
  bool sheen;
};

Face FaceFor(ButtonKind kind, bool hover) {
  using namespace style;
  switch (kind) {
    case ButtonKind::Dark:
      return hover ? Face{kHoverTop, kHoverBottom, kHoverEdge, Qt::white, true}
                   : Face{kButtonTop, kButtonBottom, kButtonEdge, kText, true};
    case ButtonKind::Primary:
      return hover ? Face{QColor(128, 146, 255), QColor(94, 112, 240), QColor(150, 166, 255), Qt::white, true}
                   : Face{QColor(88, 104, 226), QColor(58, 72, 184), QColor(44, 56, 150), Qt::white, true};
    case ButtonKind::Secondary:
      return hover ? Face{QColor(236, 240, 255), QColor(212, 220, 255), QColor(110, 126, 226), QColor(40, 52, 160),
                          false}
                   : Face{QColor(255, 255, 255), QColor(228, 233, 245), kCardEdge, kTextDark, false};
    case ButtonKind::Link:
      return hover ? Face{QColor(58, 74, 156), QColor(44, 58, 130), QColor(104, 124, 226), Qt::white, false}
                   : Face{QColor(), QColor(), QColor(), QColor(156, 190, 255), false};
    case ButtonKind::Tab:
      return hover ? Face{QColor(74, 90, 200), QColor(50, 62, 160), QColor(40, 50, 132), Qt::white, true}
                   : Face{QColor(236, 239, 248), QColor(216, 222, 238), kCardEdge, QColor(70, 80, 120), false};
  }
  return {};
}

}  // namespace

QString WithSuffix(const QString &name, const QString &suffix) {
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  return name.left(dot) + suffix + name.mid(dot);
}

QImage PaintButton(const ButtonSpec &spec, bool hover) {
  const Face face = FaceFor(spec.kind, hover);
  QImage image = style::ClearCanvas(spec.size.width(), spec.size.height());
  QPainter p(&image);
  const QRectF body(0, 0, spec.size.width(), spec.size.height());
  const qreal radius = spec.radius >= 0 ? spec.radius : spec.size.height() / 2.0;

  if (spec.kind == ButtonKind::Tab) {
    // Rounded on top only: the tab sits on the page below it.
    style::RoundedGradient(p, body.adjusted(0, 0, 0, radius + 1), radius, face.top, face.bottom, face.edge);
    p.fillRect(QRectF(0, body.bottom() - 1, body.width(), 1), hover ? face.bottom : style::kCardEdge);
  } else if (face.top.isValid()) {
    style::RoundedGradient(p, body, radius, face.top, face.bottom, face.edge);
  } else {
    // A text-only face still gets a body in the backdrop's colour, so its
    // text keeps smooth edges; it vanishes into a background of that colour.
    style::RoundedGradient(p, body, radius, spec.backdrop, spec.backdrop, QColor());
  }
  if (face.sheen) style::Sheen(p, body, radius, hover ? 70 : 45);

  // One text size per button height, so buttons of a row match.
  const int height = spec.size.height();
  const int pixelSize = spec.fontPixels > 0 ? spec.fontPixels : height <= 13 ? 9 : height <= 16 ? 10 : 11;
  const bool bold = spec.kind != ButtonKind::Link;
  const qreal iconSize = spec.icon ? std::min<qreal>(spec.size.height() - 6, 12) : 0;
  const qreal gap = spec.icon && !spec.label.isEmpty() ? 4 : 0;
  const qreal room = body.width() - 8 - iconSize - gap;
  const qreal textWidth =
      spec.label.isEmpty() ? 0 : std::min(room, QFontMetricsF(style::Font(pixelSize, bold)).horizontalAdvance(spec.label));
  const qreal left = (body.width() - (iconSize + gap + textWidth)) / 2;
  if (spec.icon) {
    const QRectF iconBox(left, (body.height() - iconSize) / 2, iconSize, iconSize);
    spec.icon(p, iconBox, face.text);
  }
  if (!spec.label.isEmpty()) {
    const QRectF textBox(left + iconSize + gap, 0, room, body.height() - 1);
    style::FittedText(p, textBox, spec.label, pixelSize, bold, face.text, Qt::AlignLeft | Qt::AlignVCenter);
  }
  p.end();
  return style::KeyOut(image, spec.backdrop);
}

}  // namespace skin
