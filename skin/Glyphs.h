#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

// Small line icons drawn into a square box, in one colour.
namespace skin::glyph {

using Glyph = void (*)(QPainter &, const QRectF &, const QColor &);

void Play(QPainter &p, const QRectF &box, const QColor &c);
void Back(QPainter &p, const QRectF &box, const QColor &c);
void Next(QPainter &p, const QRectF &box, const QColor &c);
void First(QPainter &p, const QRectF &box, const QColor &c);
void Previous(QPainter &p, const QRectF &box, const QColor &c);
void Last(QPainter &p, const QRectF &box, const QColor &c);
void Up(QPainter &p, const QRectF &box, const QColor &c);
void Down(QPainter &p, const QRectF &box, const QColor &c);
void Pause(QPainter &p, const QRectF &box, const QColor &c);
void Check(QPainter &p, const QRectF &box, const QColor &c);
void Cross(QPainter &p, const QRectF &box, const QColor &c);
void Plus(QPainter &p, const QRectF &box, const QColor &c);
void Minus(QPainter &p, const QRectF &box, const QColor &c);
void Search(QPainter &p, const QRectF &box, const QColor &c);
void Home(QPainter &p, const QRectF &box, const QColor &c);
void Clock(QPainter &p, const QRectF &box, const QColor &c);
void Calendar(QPainter &p, const QRectF &box, const QColor &c);
void Gear(QPainter &p, const QRectF &box, const QColor &c);
void Screen(QPainter &p, const QRectF &box, const QColor &c);
void Help(QPainter &p, const QRectF &box, const QColor &c);
void Mail(QPainter &p, const QRectF &box, const QColor &c);
void Star(QPainter &p, const QRectF &box, const QColor &c);
void Person(QPainter &p, const QRectF &box, const QColor &c);
void Key(QPainter &p, const QRectF &box, const QColor &c);
void Globe(QPainter &p, const QRectF &box, const QColor &c);
void Sliders(QPainter &p, const QRectF &box, const QColor &c);
void Underscore(QPainter &p, const QRectF &box, const QColor &c);
void Shrink(QPainter &p, const QRectF &box, const QColor &c);
void Chat(QPainter &p, const QRectF &box, const QColor &c);
void Note(QPainter &p, const QRectF &box, const QColor &c);
void Lines(QPainter &p, const QRectF &box, const QColor &c);
void Film(QPainter &p, const QRectF &box, const QColor &c);

}  // namespace skin::glyph
