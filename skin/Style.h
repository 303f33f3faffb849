#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

// The one look of the default skin: deep navy surfaces, light text, one warm
// accent, rounded shapes with soft vertical gradients.
namespace skin::style {

// Surfaces a picture can sit on; buttons paint their corners in the surface
// colour so they blend into the background picture behind them.
inline const QColor kBase(16, 22, 50);          // window body
inline const QColor kBaseTop(30, 40, 88);       // top of the title bar
inline const QColor kBaseEdge(58, 70, 140);     // hairlines and frames
inline const QColor kList(0, 20, 51);           // the main list panel (its colour is fixed by the window)
inline const QColor kCard(245, 247, 252);       // light content of dialogs and guide windows
inline const QColor kCardEdge(196, 204, 228);
inline const QColor kDialogBody(22, 30, 68);    // dark dialogs (login, registration, proxy)

inline const QColor kText(226, 232, 255);       // text on dark surfaces
inline const QColor kTextMuted(150, 163, 214);
inline const QColor kTextDark(24, 32, 74);      // text on light surfaces
inline const QColor kAccent(255, 181, 71);      // warm amber
inline const QColor kAccentDeep(232, 140, 30);

// Normal and hover faces of the dark buttons.
inline const QColor kButtonTop(44, 54, 118);
inline const QColor kButtonBottom(30, 38, 88);
inline const QColor kButtonEdge(66, 80, 156);
inline const QColor kHoverTop(86, 104, 214);
inline const QColor kHoverBottom(60, 76, 178);
inline const QColor kHoverEdge(160, 176, 255);

enum class Surface { Base, List, Card };
QColor SurfaceColour(Surface surface);

QFont Font(int pixelSize, bool bold, bool condensed = false);

// Pictures are drawn in logical pixels on canvases of Scale() device pixels per logical
// one: 1 for the pictures themselves, 2 for their twice-size twins.
void SetScale(int scale);
int Scale();

QImage Canvas(int width, int height, const QColor &fill);
QImage Canvas(int width, int height, Surface surface);
// A fully transparent canvas for pictures whose corners let the window show.
QImage ClearCanvas(int width, int height);
// A blank image of the given logical size at Scale(): the canvas of every picture.
QImage ScaledImage(int width, int height, QImage::Format format);
// Hard-edged cut-out of a picture painted on a clear canvas: pixels at least
// half covered become opaque, blended over the backdrop they are meant for;
// the rest become fully transparent.
QImage KeyOut(const QImage &painted, const QColor &backdrop);

void RoundedGradient(QPainter &p, const QRectF &rect, qreal radius, const QColor &top, const QColor &bottom,
                     const QColor &edge);
void Text(QPainter &p, const QRectF &rect, const QString &text, const QFont &font, const QColor &colour,
          int flags = Qt::AlignCenter);
// Text shrunk step by step (down to 7 px) until it fits the rectangle's width.
void FittedText(QPainter &p, const QRectF &rect, const QString &text, int pixelSize, bool bold, const QColor &colour,
                int flags = Qt::AlignCenter);

// A soft white sheen over the upper half of a rounded shape.
void Sheen(QPainter &p, const QRectF &rect, qreal radius, int alpha);

// The wordmark: an amber play-disc and "velomira" beside it; returns the
// right edge of the text.
qreal Wordmark(QPainter &p, const QPointF &topLeft, int discSize, int textPixelSize, const QColor &textColour);
qreal WordmarkWidth(int discSize, int textPixelSize);

}  // namespace skin::style
