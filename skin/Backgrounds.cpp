#include "Generators.h"
#include "Glyphs.h"
#include "Layout.h"
#include "SkinOutput.h"
#include "Style.h"

#include <QLinearGradient>
#include <QPainter>

namespace skin {
namespace {

void Frame(QPainter &p, const QSize &size) {
  p.save();
  p.setPen(QPen(style::kBaseEdge, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
  p.restore();
}

// The title bar of the main and guide windows with its five pictures: the
// logo (home page) and help, to tray, display toggle and exit.
void TitleBar(QPainter &p, int width) {
  QLinearGradient gradient(0, 0, 0, layout::kTitleBarHeight);
  gradient.setColorAt(0, style::kBaseTop);
  gradient.setColorAt(1, style::kBase);
  p.fillRect(QRect(0, 0, width, layout::kTitleBarHeight), gradient);
  p.fillRect(QRect(0, layout::kTitleBarHeight, width, 1), QColor(255, 255, 255, 18));

  const QRect logo = layout::kLogo;
  style::Wordmark(p, QPointF(logo.left() + 1, logo.top() + 2), 13, 9, style::kText);

  const glyph::Glyph icons[] = {glyph::Help, glyph::Underscore, glyph::Shrink, glyph::Cross};
  for (int i = 0; i < 4; ++i) {
    const QRectF box = layout::kTitleButtons[static_cast<size_t>(i)];
    const bool exit = i == 3;
    if (exit) style::RoundedGradient(p, box, 3, QColor(226, 84, 92), QColor(176, 44, 58), QColor(120, 30, 40));
    const qreal inset = exit ? 3 : 0.5;
    icons[i](p, box.adjusted(inset, inset + (exit ? 0 : 1), -inset, -inset), exit ? QColor(Qt::white) : style::kText);
  }
}

void ListArea(QPainter &p) {
  const QRectF list = layout::kListArea;
  style::RoundedGradient(p, list.adjusted(-2, -1, 2, 1), 4, style::kList, style::kList, style::kBaseEdge);
  // Step forward, pause/resume and step back under the list's right end.
  const glyph::Glyph icons[] = {glyph::Up, glyph::Pause, glyph::Down};
  for (int i = 0; i < 3; ++i) {
    const QRectF box = layout::kTransport[static_cast<size_t>(i)];
    icons[i](p, box.adjusted(1, 1, -1, 0), style::kTextMuted);
  }
}

QImage MainBackground(const QSize &size) {
  QImage image = style::Canvas(size.width(), size.height(), style::Surface::Base);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  TitleBar(p, size.width());
  ListArea(p);
  Frame(p, size);
  return image;
}

QImage FullMainBackground() {
  QImage image = MainBackground(layout::kMainWindow);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // Hairlines leading to the My-list picture between the two button grids.
  const QRect my = layout::kMyList;
  const qreal y = my.center().y() + 0.5;
  QLinearGradient left(10, 0, my.left() - 6, 0);
  left.setColorAt(0, QColor(58, 70, 140, 0));
  left.setColorAt(1, style::kBaseEdge);
  p.setPen(QPen(QBrush(left), 1));
  p.drawLine(QPointF(10, y), QPointF(my.left() - 6, y));
  QLinearGradient right(my.right() + 6, 0, layout::kMainWindow.width() - 10, 0);
  right.setColorAt(0, style::kBaseEdge);
  right.setColorAt(1, QColor(58, 70, 140, 0));
  p.setPen(QPen(QBrush(right), 1));
  p.drawLine(QPointF(my.right() + 6, y), QPointF(layout::kMainWindow.width() - 10, y));
  return image;
}

// Guide windows and the panels that take the main window's place: the title
// bar, then one light card that holds the window's own controls.
QImage GuideBackground() {
  const QSize size = layout::kGuideWindow;
  QImage image = style::Canvas(size.width(), size.height(), style::Surface::Base);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  TitleBar(p, size.width());
  const QRectF card(4, layout::kTitleBarHeight + 3, size.width() - 8, size.height() - layout::kTitleBarHeight - 7);
  style::RoundedGradient(p, card, 6, style::kCard, style::kCard, style::kCardEdge);
  Frame(p, size);
  return image;
}

enum class Tone { Light, Dark };

// Dialogs: a dark title strip (the window's title label goes at its left, in
// white) with the wordmark at its right and the close mark, a thin amber
// rule, and a plain body: light where the window writes black text (alert
// boxes, splash), dark navy where it writes white text (login, registration,
// proxy, tell a friend).
QImage DialogBackground(const QSize &size, Tone tone, glyph::Glyph watermark) {
  const QColor body = tone == Tone::Light ? style::kCard : style::kDialogBody;
  QImage image = style::Canvas(size.width(), size.height(), body);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const int strip = layout::kDialogTitleHeight;
  QLinearGradient gradient(0, 0, 0, strip);
  gradient.setColorAt(0, style::kBaseTop);
  gradient.setColorAt(1, style::kBase);
  p.fillRect(QRect(0, 0, size.width(), strip), gradient);
  QLinearGradient rule(0, 0, size.width(), 0);
  rule.setColorAt(0, style::kAccent);
  rule.setColorAt(1, style::kAccentDeep);
  p.fillRect(QRect(0, strip, size.width(), 2), rule);
  // A soft band under the rule gives the body some depth.
  QLinearGradient band(0, strip + 2, 0, strip + 44);
  band.setColorAt(0, tone == Tone::Light ? QColor(228, 233, 249) : body.lighter(125));
  band.setColorAt(1, body);
  p.fillRect(QRect(0, strip + 2, size.width(), 42), band);

  const QRectF close = layout::kDialogClose;
  style::Wordmark(p, QPointF(close.left() - 10 - style::WordmarkWidth(12, 10), 6), 12, 10, style::kTextMuted);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 28));
  p.drawRoundedRect(close.adjusted(-1.5, -1.5, 1.5, 1.5), 3, 3);
  glyph::Cross(p, close.adjusted(0.5, 0.5, -0.5, -0.5), style::kText);

  if (watermark) {
    const qreal side = size.height() * 0.42;
    watermark(p, QRectF(size.width() - side - 14, size.height() - side - 12, side, side),
              tone == Tone::Light ? QColor(232, 236, 247) : body.lighter(135));
  }
  Frame(p, size);
  return image;
}

QImage BannerFrame() {
  const QSize size = layout::kBannerBack;
  QImage image = style::Canvas(size.width(), size.height(), style::Surface::Card);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  style::RoundedGradient(p, QRectF(0, 0, size.width(), size.height()), 6, QColor(40, 50, 110), style::kBase,
                         style::kBaseEdge);
  const QSize banner = layout::kBanner;
  const QRectF slot((size.width() - banner.width()) / 2.0, (size.height() - banner.height()) / 2.0, banner.width(),
                    banner.height());
  p.fillRect(slot, style::kList);
  style::Text(p, slot, "velomira", style::Font(12, true), QColor(60, 80, 140));
  return image;
}

}  // namespace

void DrawBackgrounds(SkinOutput &out) {
  out.SkinGif("Form", "Main.gif", FullMainBackground());
  out.SkinGif("Form", "Simple.gif", MainBackground(layout::kSimpleWindow));
  out.SkinGif("Form", "Back.gif", GuideBackground());
  out.SkinGif("Form", "alertbox.gif", DialogBackground(layout::kAlertBox, Tone::Light, nullptr));
  out.SkinGif("Form", "loginbox.gif", DialogBackground(layout::kLoginBox, Tone::Dark, nullptr));
  out.SkinGif("Form", "regist.gif", DialogBackground(layout::kTallDialog, Tone::Dark, glyph::Person));
  out.SkinGif("Form", "proxy_line01.gif", DialogBackground(layout::kTallDialog, Tone::Dark, glyph::Globe));
  out.SkinGif("Form", "Banner_Back.gif", BannerFrame());
}

}  // namespace skin
