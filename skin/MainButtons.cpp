#include "ButtonFace.h"
#include "Generators.h"
#include "Layout.h"
#include "SkinOutput.h"
#include "Style.h"

#include <QPainter>

#include <array>

namespace skin {
namespace {

struct Category {
  const char *word;   // picture name
  const char *label;  // shown text
  QColor signature;   // the category's own colour, a dot on its picture
};

// Tag order of the main window (1 News ... 9 Chat Event).
const std::array<Category, 9> kCategories = {{
    {"News", "News", QColor(239, 83, 80)},
    {"Money", "Money", QColor(102, 187, 106)},
    {"Sports", "Sports", QColor(255, 152, 0)},
    {"Music", "Music", QColor(186, 104, 200)},
    {"Enter", "Entertainment", QColor(240, 98, 146)},
    {"Life", "Lifestyle", QColor(38, 198, 218)},
    {"Tech", "Tech & Sci", QColor(92, 160, 255)},
    {"Sex", "Mars & Venus", QColor(255, 112, 67)},
    {"Chat", "Chat Event", QColor(255, 213, 79)},
}};

// Normal; pointed at (and chosen); pointed at its sub-category drop area.
enum class Look { Normal, Hover, Drop };

void Face(QPainter &p, const QRectF &body, Look look) {
  const bool bright = look == Look::Hover;
  style::RoundedGradient(p, body, 4, bright ? style::kHoverTop : style::kButtonTop,
                         bright ? style::kHoverBottom : style::kButtonBottom,
                         bright ? style::kHoverEdge : style::kButtonEdge);
  style::Sheen(p, body, 4, bright ? 70 : 40);
}

void AmberZone(QPainter &p, const QRectF &zone) {
  style::RoundedGradient(p, zone, 3, style::kAccent.lighter(112), style::kAccentDeep, style::kAccentDeep.darker(115));
}

QImage PaintCategory(const Category &category, Look look) {
  const QSize size = layout::kCategorySize;
  QImage image = style::Canvas(size.width(), size.height(), style::Surface::Base);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  Face(p, QRectF(0, 0, size.width(), size.height()), look);

  p.setPen(Qt::NoPen);
  p.setBrush(category.signature);
  p.drawEllipse(QRectF(4, 5.5, 5, 5));

  const QColor text = look == Look::Hover ? Qt::white : style::kText;
  const QRect drop = layout::kCategoryDrop;
  style::FittedText(p, QRectF(11, 0, drop.left() - 12, size.height() - 1), category.label, 10, true, text,
                    Qt::AlignLeft | Qt::AlignVCenter);

  p.setPen(QPen(look == Look::Hover ? style::kHoverEdge : style::kButtonEdge, 1));
  p.drawLine(QPointF(drop.left() - 0.5, 3), QPointF(drop.left() - 0.5, size.height() - 3));
  const QRectF zone(drop.left() + 1, drop.top() + 1, drop.width() - 3, drop.height() - 1);
  if (look == Look::Drop) AmberZone(p, zone);
  const QColor arrow = look == Look::Drop ? style::kBase : (look == Look::Hover ? Qt::white : style::kTextMuted);
  glyph::Down(p, QRectF(zone.center().x() - 3.5, zone.center().y() - 2.5, 7, 5), arrow);
  return image;
}

// The My-list picture: "My list" selects the own list, "Edit" opens the
// my-categories editor; each half lights up on its own.
enum class Half { None, All, Select, Edit };

QImage PaintMyList(Half lit) {
  const QRect place = layout::kMyList;
  QImage image = style::Canvas(place.width(), place.height(), style::Surface::Base);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  Face(p, QRectF(0, 0, place.width(), place.height()), lit == Half::All ? Look::Hover : Look::Normal);

  const QRect select = layout::kMyListSelect;
  const QRect edit = layout::kMyListEdit;
  const qreal divider = (select.right() + edit.left()) / 2.0 + 0.5;
  p.setPen(QPen(style::kButtonEdge, 1));
  p.drawLine(QPointF(divider, 3), QPointF(divider, place.height() - 3));

  auto half = [&](const QRect &zone, const QString &label, glyph::Glyph icon, bool amber) {
    const QRectF area(zone.left() - 1, 1.5, zone.width() + 1, place.height() - 3);
    if (amber) AmberZone(p, area);
    const QColor ink = amber ? style::kBase : (lit == Half::All ? QColor(Qt::white) : style::kText);
    icon(p, QRectF(area.left() + 4, 3.5, 8, 8), amber ? style::kBase : style::kAccent);
    style::FittedText(p, QRectF(area.left() + 15, 0, area.width() - 16, place.height() - 1), label, 10, true, ink,
                      Qt::AlignLeft | Qt::AlignVCenter);
  };
  half(select, "My list", glyph::Star, lit == Half::Select);
  half(edit, "Edit", glyph::Sliders, lit == Half::Edit);
  return image;
}

struct Function {
  const char *name;
  const char *label;
  glyph::Glyph icon;
};

// Tag order 1-6: preset, search, preferences, daily, channel, help.
const std::array<Function, 6> kFunctions = {{
    {"Preset.gif", "Preset", glyph::Clock},
    {"Search.gif", "Search", glyph::Search},
    {"Prefer.gif", "Preferences", glyph::Gear},
    {"Daily.gif", "Daily", glyph::Calendar},
    {"Channel.gif", "Channel", glyph::Screen},
    {"911.gif", "911 Help", glyph::Help},
}};

}  // namespace

void DrawMainButtons(SkinOutput &out) {
  for (const Category &category : kCategories) {
    const QString base = QString::fromLatin1(category.word);
    out.SkinGif("Button", base + ".gif", PaintCategory(category, Look::Normal));
    out.SkinGif("Button", base + "_ovr.gif", PaintCategory(category, Look::Hover));
    out.SkinGif("Button", base + "_ovr2.gif", PaintCategory(category, Look::Drop));
  }
  out.SkinGif("Button", "mycast.gif", PaintMyList(Half::None));
  out.SkinGif("Button", "mycast_ovr.gif", PaintMyList(Half::All));
  out.SkinGif("Button", "mycast_ovr2.gif", PaintMyList(Half::Edit));
  out.SkinGif("Button", "mycast_ovr3.gif", PaintMyList(Half::Select));

  for (const Function &function : kFunctions) {
    const ButtonSpec spec{function.name, layout::kFunctionSize, function.label, ButtonKind::Dark, style::kBase,
                          function.icon, 4};
    out.SkinGif("Button", spec.name, PaintButton(spec, false));
    out.SkinGif("Button", WithSuffix(spec.name, "_ovr"), PaintButton(spec, true));
  }
}

}  // namespace skin
