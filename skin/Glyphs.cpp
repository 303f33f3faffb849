#include "Glyphs.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace skin::glyph {
namespace {

// Every glyph is drawn in a unit square mapped onto its box.
class Pen {
 public:
  Pen(QPainter &p, const QRectF &box, const QColor &c, qreal width = 1.3) : p_(p), box_(box) {
    p_.save();
    p_.setRenderHint(QPainter::Antialiasing);
    p_.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p_.setBrush(Qt::NoBrush);
  }
  ~Pen() { p_.restore(); }
  QPointF At(qreal x, qreal y) const { return {box_.left() + x * box_.width(), box_.top() + y * box_.height()}; }
  QRectF Box(qreal x, qreal y, qreal w, qreal h) const { return {At(x, y), At(x + w, y + h)}; }
  void Filled(const QColor &c) { p_.setBrush(c); }
  void Line(qreal x1, qreal y1, qreal x2, qreal y2) { p_.drawLine(At(x1, y1), At(x2, y2)); }
  void Poly(std::initializer_list<QPointF> unitPoints, bool closed) {
    QPolygonF poly;
    for (const QPointF &u : unitPoints) poly << At(u.x(), u.y());
    if (closed)
      p_.drawPolygon(poly);
    else
      p_.drawPolyline(poly);
  }
  QPainter &Painter() { return p_; }

 private:
  QPainter &p_;
  QRectF box_;
};

void Triangle(QPainter &p, const QRectF &box, const QColor &c, std::initializer_list<QPointF> points) {
  Pen pen(p, box, c, 0.8);
  pen.Filled(c);
  pen.Poly(points, true);
}

}  // namespace

void Play(QPainter &p, const QRectF &box, const QColor &c) {
  Triangle(p, box, c, {{0.25, 0.15}, {0.85, 0.5}, {0.25, 0.85}});
}
void Back(QPainter &p, const QRectF &box, const QColor &c) {
  Pen pen(p, box, c, 1.6);
  pen.Poly({{0.6, 0.15}, {0.25, 0.5}, {0.6, 0.85}}, false);
}
void Next(QPainter &p, const QRectF &box, const QColor &c) {
  Pen pen(p, box, c, 1.6);
  pen.Poly({{0.4, 0.15}, {0.75, 0.5}, {0.4, 0.85}}, false);
}
void Previous(QPainter &p, const QRectF &box, const QColor &c) {
  Triangle(p, box, c, {{0.75, 0.15}, {0.25, 0.5}, {0.75, 0.85}});
}
void First(QPainter &p, const QRectF &box, const QColor &c) {
  Triangle(p, box, c, {{0.85, 0.15}, {0.38, 0.5}, {0.85, 0.85}});
  Pen pen(p, box, c, 1.4);
  pen.Line(0.2, 0.15, 0.2, 0.85);
}
void Last(QPainter &p, const QRectF &box, const QColor &c) {
  Triangle(p, box, c, {{0.15, 0.15}, {0.62, 0.5}, {0.15, 0.85}});
  Pen pen(p, box, c, 1.4);
  pen.Line(0.8, 0.15, 0.8, 0.85);
}
void Up(QPainter &p, const QRectF &box, const QColor &c) {
  Triangle(p, box, c, {{0.12, 0.78}, {0.5, 0.2}, {0.88, 0.78}});
}
void Down(QPainter &p, const QRectF &box, const QColor &c) {
  Triangle(p, box, c, {{0.12, 0.22}, {0.5, 0.8}, {0.88, 0.22}});
}
void Pause(QPainter &p, const QRectF &box, const QColor &c) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  const qreal w = box.width() * 0.26;
  p.drawRect(QRectF(box.left() + box.width() * 0.16, box.top() + box.height() * 0.12, w, box.height() * 0.76));
  p.drawRect(QRectF(box.right() - box.width() * 0.16 - w, box.top() + box.height() * 0.12, w, box.height() * 0.76));
  p.restore();
}
void Check(QPainter &p, const QRectF &box, const QColor &c) {
  Pen pen(p, box, c, 1.7);
  pen.Poly({{0.15, 0.55}, {0.42, 0.8}, {0.88, 0.2}}, false);
}
void Cross(QPainter &p, const QRectF &box, const QColor &c) {
  Pen pen(p, box, c, 1.5);
  pen.Line(0.2, 0.2, 0.8, 0.8);
  pen.Line(0.8, 0.2, 0.2, 0.8);
}
void Plus(QPainter &p, const QRectF &box, const QColor &c) {
  Pen pen(p, box, c, 1.7);
  pen.Line(0.5, 0.15, 0.5, 0.85);
  pen.Line(0.15, 0.5, 0.85, 0.5);
}
void Minus(QPainter &p, const QRectF &box, const QColor &c) {
  Pen pen(p, box, c, 1.7);
  pen.Line(0.15, 0.5, 0.85, 0.5);
}
void Search(QPainter &p, const QRectF &box, const QColor &c) {
  Pen pen(p, box, c, 1.4);
  pen.Painter().drawEllipse(pen.Box(0.12, 0.12, 0.5, 0.5));
  pen.Painter().setPen(QPen(c, 2.0, Qt::SolidLine, Qt::RoundCap));
  pen.Line(0.58, 0.58, 0.86, 0.86);
}
void Home(QPainter &p, const QRectF &box, const QColor &c) {
  Pen pen(p, box, c, 1.3);
  pen.Poly({{0.1, 0.5}, {0.5, 0.12}, {0.9, 0.5}}, false);
  pen.Poly({{0.22, 0.42}, {0.22, 0.88}, {0.78, 0.88}, {0.78, 0.42}}, false);
}
void Clock(QPainter &p, const QRectF &box, const QColor &c) {
  Pen pen(p, box, c, 1.3);
  pen.Painter().drawEllipse(pen.Box(0.1, 0.1, 0.8, 0.8));
  pen.Poly({{0.5, 0.26}, {0.5, 0.5}, {0.68, 0.6}}, false);
}
void Calendar(QPainter &p, const QRectF &box, const QColor &c) {
  Pen pen(p, box, c, 1.2);
  pen.Painter().drawRoundedRect(pen.Box(0.1, 0.18, 0.8, 0.72), 1.5, 1.5);
  pen.Line(0.1, 0.4, 0.9, 0.4);
  pen.Line(0.32, 0.08, 0.32, 0.26);
  pen.Line(0.68, 0.08, 0.68, 0.26);
}
void Gear(QPainter &p, const QRectF &box, const QColor &c) {
  Pen pen(p, box, c, 1.2);
  for (int i = 0; i < 8; ++i) {
    const double a = i * std::numbers::pi / 4;
    pen.Line(0.5 + 0.28 * std::cos(a), 0.5 + 0.28 * std::sin(a), 0.5 + 0.45 * std::cos(a), 0.5 + 0.45 * std::sin(a));
  }
  pen.Painter().drawEllipse(pen.Box(0.24, 0.24, 0.52, 0.52));
}
void Screen(QPainter &p, const QRectF &box, const QColor &c) {
  Pen pen(p, box, c, 1.2);
  pen.Painter().drawRoundedRect(pen.Box(0.06, 0.14, 0.88, 0.6), 1.2, 1.2);
  pen.Line(0.34, 0.9, 0.66, 0.9);
  pen.Line(0.5, 0.74, 0.5, 0.9);
}
void Help(QPainter &p, const QRectF &box, const QColor &c) {
  Pen pen(p, box, c, 1.4);
  QPainterPath path;
  path.moveTo(pen.At(0.28, 0.32));
  path.cubicTo(pen.At(0.28, 0.0), pen.At(0.76, 0.02), pen.At(0.74, 0.32));
  path.cubicTo(pen.At(0.72, 0.52), pen.At(0.5, 0.48), pen.At(0.5, 0.68));
  pen.Painter().drawPath(path);
  pen.Painter().setPen(QPen(c, 1.9, Qt::SolidLine, Qt::RoundCap));
  pen.Painter().drawPoint(pen.At(0.5, 0.9));
}
void Mail(QPainter &p, const QRectF &box, const QColor &c) {
  Pen pen(p, box, c, 1.2);
  pen.Painter().drawRoundedRect(pen.Box(0.06, 0.2, 0.88, 0.6), 1, 1);
  pen.Poly({{0.08, 0.24}, {0.5, 0.56}, {0.92, 0.24}}, false);
}
void Star(QPainter &p, const QRectF &box, const QColor &c) {
  Pen pen(p, box, c, 0.6);
  pen.Filled(c);
  QPolygonF star;
  for (int i = 0; i < 10; ++i) {
    const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
    const double r = (i % 2 == 0) ? 0.48 : 0.2;
    star << pen.At(0.5 + r * std::cos(a), 0.54 + r * std::sin(a));
  }
  pen.Painter().drawPolygon(star);
}
void Person(QPainter &p, const QRectF &box, const QColor &c) {
  Pen pen(p, box, c, 1.2);
  pen.Painter().drawEllipse(pen.Box(0.32, 0.08, 0.36, 0.36));
  QPainterPath body;
  body.moveTo(pen.At(0.12, 0.92));
  body.cubicTo(pen.At(0.14, 0.5), pen.At(0.86, 0.5), pen.At(0.88, 0.92));
  pen.Painter().drawPath(body);
}
void Key(QPainter &p, const QRectF &box, const QColor &c) {
  Pen pen(p, box, c, 1.3);
  pen.Painter().drawEllipse(pen.Box(0.06, 0.3, 0.38, 0.38));
  pen.Line(0.44, 0.49, 0.92, 0.49);
  pen.Line(0.8, 0.49, 0.8, 0.7);
  pen.Line(0.66, 0.49, 0.66, 0.64);
}
void Globe(QPainter &p, const QRectF &box, const QColor &c) {
  Pen pen(p, box, c, 1.1);
  pen.Painter().drawEllipse(pen.Box(0.08, 0.08, 0.84, 0.84));
  pen.Painter().drawEllipse(pen.Box(0.3, 0.08, 0.4, 0.84));
  pen.Line(0.08, 0.5, 0.92, 0.5);
}
void Sliders(QPainter &p, const QRectF &box, const QColor &c) {
  Pen pen(p, box, c, 1.2);
  for (int i = 0; i < 3; ++i) {
    const qreal y = 0.2 + i * 0.3;
    pen.Line(0.08, y, 0.92, y);
  }
  pen.Filled(c);
  pen.Painter().drawEllipse(pen.Box(0.58, 0.1, 0.2, 0.2));
  pen.Painter().drawEllipse(pen.Box(0.22, 0.4, 0.2, 0.2));
  pen.Painter().drawEllipse(pen.Box(0.5, 0.7, 0.2, 0.2));
}
void Underscore(QPainter &p, const QRectF &box, const QColor &c) {
  Pen pen(p, box, c, 1.6);
  pen.Line(0.15, 0.78, 0.85, 0.78);
}
void Shrink(QPainter &p, const QRectF &box, const QColor &c) {
  Pen pen(p, box, c, 1.1);
  pen.Painter().drawRect(pen.Box(0.1, 0.1, 0.8, 0.8));
  pen.Line(0.1, 0.55, 0.9, 0.55);
}
void Chat(QPainter &p, const QRectF &box, const QColor &c) {
  Pen pen(p, box, c, 1.2);
  pen.Painter().drawRoundedRect(pen.Box(0.06, 0.1, 0.88, 0.6), 2, 2);
  pen.Poly({{0.26, 0.7}, {0.22, 0.92}, {0.48, 0.7}}, false);
}
void Note(QPainter &p, const QRectF &box, const QColor &c) {
  Pen pen(p, box, c, 1.3);
  pen.Line(0.62, 0.12, 0.62, 0.72);
  pen.Poly({{0.62, 0.12}, {0.9, 0.24}}, false);
  pen.Filled(c);
  pen.Painter().drawEllipse(pen.Box(0.26, 0.6, 0.36, 0.28));
}
void Lines(QPainter &p, const QRectF &box, const QColor &c) {
  Pen pen(p, box, c, 1.2);
  pen.Line(0.12, 0.22, 0.88, 0.22);
  pen.Line(0.12, 0.5, 0.88, 0.5);
  pen.Line(0.12, 0.78, 0.62, 0.78);
}
void Film(QPainter &p, const QRectF &box, const QColor &c) {
  Pen pen(p, box, c, 1.1);
  pen.Painter().drawRoundedRect(pen.Box(0.06, 0.14, 0.88, 0.72), 1.5, 1.5);
  pen.Filled(c);
  pen.Poly({{0.4, 0.32}, {0.68, 0.5}, {0.4, 0.68}}, true);
}

}  // namespace skin::glyph
