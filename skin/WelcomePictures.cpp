#include "Generators.h"
#include "Glyphs.h"
#include "SkinOutput.h"
#include "Style.h"

#include <QPainter>
#include <QRadialGradient>

namespace skin {
namespace {

// A soft elliptical glow that fades to the list colour before every edge, so
// the start pictures float on the list panel without a visible border.
void Glow(QPainter &p, const QSizeF &size, const QColor &colour) {
  const qreal radius = size.width() / 2;
  QRadialGradient gradient(QPointF(0, 0), radius);
  gradient.setColorAt(0, colour);
  gradient.setColorAt(1, style::kList);
  p.save();
  p.translate(size.width() / 2, size.height() / 2);
  p.scale(1, size.height() / size.width());
  p.fillRect(QRectF(-radius, -radius, 2 * radius, 2 * radius), gradient);
  p.restore();
}

QImage StartPicture(int width, int height, const QString &tagline, const QColor &glow) {
  QImage image = style::Canvas(width, height, style::Surface::List);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  Glow(p, QSizeF(width, height), glow);
  style::Wordmark(p, QPointF((width - style::WordmarkWidth(26, 24)) / 2.0, 16), 26, 24, Qt::white);
  style::Text(p, QRectF(0, 50, width, 16), tagline, style::Font(10, false), style::kTextMuted);
  p.setPen(QPen(style::kAccent, 1.5));
  p.drawLine(QPointF(width / 2.0 - 18, 70.5), QPointF(width / 2.0 + 18, 70.5));
  return image;
}

QImage StatePicture(glyph::Glyph icon, const QString &title, const QString &body) {
  QImage image = style::Canvas(182, 82, style::Surface::List);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  style::RoundedGradient(p, QRectF(0, 0, 182, 82), 10, QColor(22, 44, 96), QColor(12, 30, 72), QColor(60, 86, 160));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 181, 71, 40));
  p.drawEllipse(QRectF(12, 14, 34, 34));
  icon(p, QRectF(20, 22, 18, 18), style::kAccent);
  style::Text(p, QRectF(54, 12, 124, 18), title, style::Font(12, true), Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
  style::Text(p, QRectF(54, 32, 124, 44), body, style::Font(9, false), style::kText,
              Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
  return image;
}

}  // namespace

void DrawWelcomePictures(SkinOutput &out) {
  out.SkinGif("Button", "logoimage1.gif",
              StartPicture(186, 81, "Internet radio & TV, live", QColor(44, 62, 140)));
  out.SkinGif("Button", "logoimage2.gif", StartPicture(172, 80, "Your program guide", QColor(70, 46, 130)));

  QImage select = style::Canvas(107, 11, style::Surface::List);
  {
    QPainter p(&select);
    glyph::Down(p, QRectF(2, 2, 7, 6), style::kAccent);
    style::Text(p, QRectF(12, -1, 95, 12), "Pick a category", style::Font(9, true), style::kAccent,
                Qt::AlignLeft | Qt::AlignVCenter);
  }
  out.SkinGif("Button", "select.gif", select);

  out.SkinGif("Button", "pro01.gif",
              StatePicture(glyph::Star, "My list is empty",
                           "Click Edit next to My list to pick the categories you like."));
  out.SkinGif("Button", "edit01.gif",
              StatePicture(glyph::Sliders, "Edit My Velomira",
                           "Add your favourite sub-categories; they make up My list."));
}

}  // namespace skin
