#include "Generators.h"
#include "Glyphs.h"
#include "Layout.h"
#include "SkinOutput.h"
#include "Style.h"

#include <QPainter>

#include <array>

namespace skin {
namespace {

// The program rows show these on the dark main list and on the light guide
// cards alike, so they are solid tiles that read on both.
QImage DayTile(const QString &letter, bool airs) {
  const QSize size = layout::kDayPicture;
  QImage image = style::Canvas(size.width(), size.height(), airs ? QColor(226, 64, 72) : QColor(70, 96, 170));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  if (airs) {
    p.fillRect(QRect(0, 0, size.width(), 1), QColor(246, 120, 120));
  } else {
    p.fillRect(QRect(0, 0, size.width(), 1), QColor(110, 136, 204));
  }
  style::Text(p, QRectF(0, 0, size.width(), size.height()), letter, style::Font(8, true),
              airs ? QColor(Qt::white) : QColor(200, 214, 250));
  return image;
}

struct Weekday {
  const char *name;
  const char *letter;
};

// Thursday is written too although the rows show Tuesday's tile for it.
const std::array<Weekday, 7> kWeekdays = {{{"sun", "S"},
                                           {"mon", "M"},
                                           {"tue", "T"},
                                           {"wed", "W"},
                                           {"thu", "T"},
                                           {"fri", "F"},
                                           {"sat", "S"}}};

QImage MediaIcon(glyph::Glyph icon, style::Surface surface, const QColor &ink) {
  const QSize size = layout::kMediaIcon;
  QImage image = style::Canvas(size.width(), size.height(), surface);
  QPainter p(&image);
  icon(p, QRectF(2, 0.5, size.width() - 4, size.height() - 1), ink);
  return image;
}

struct Media {
  const char *listName;   // main list (dark)
  const char *guideName;  // guide rows (light); null when the guide has none
  glyph::Glyph icon;
};

const std::array<Media, 4> kMedia = {{
    {"M1.gif", "M_back.gif", glyph::Film},
    {"chat_1.gif", "chat_back.gif", glyph::Chat},
    {"sound_1.gif", "sound_back.gif", glyph::Note},
    {"text_1.gif", nullptr, glyph::Lines},
}};

}  // namespace

void DrawRowPictures(SkinOutput &out) {
  for (const Weekday &day : kWeekdays) {
    out.SkinGif("Basic", QString("red_%1.gif").arg(day.name), DayTile(day.letter, true));
    out.SkinGif("Basic", QString("blue_%1.gif").arg(day.name), DayTile(day.letter, false));
  }
  for (const Media &media : kMedia) {
    out.SkinGif("Media", media.listName, MediaIcon(media.icon, style::Surface::List, QColor(156, 201, 255)));
    if (media.guideName)
      out.SkinGif("Media", media.guideName, MediaIcon(media.icon, style::Surface::Card, QColor(114, 70, 178)));
  }
}

}  // namespace skin
