#include "Generators.h"
#include "Glyphs.h"
#include "Layout.h"
#include "SkinOutput.h"
#include "Style.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>

namespace skin {
namespace {

// Hues spread by the golden angle so neighbouring numbers never look alike;
// shift turns the hue a little for two-tone gradients.
QColor Hue(int index, int saturation, int value, int shift = 0) {
  return QColor::fromHsv((index * 137 + 12 + shift) % 360, saturation, value);
}

const std::array<const char *, 40> kCallSigns = {
    "NX", "FM", "TV", "JZ", "RK", "CL", "PO", "HT", "BZ", "SP", "GL", "MX", "AX", "LV",
    "WV", "ON", "UP", "ZN", "KX", "DV", "RB", "IN", "EQ", "VX", "SK", "AM", "OZ", "TR",
    "QB", "HF", "MG", "LX", "CY", "NV", "FX", "GT", "SW", "BX", "PR", "KO"};

// Station icons: a coloured tile with one of four shapes and a call sign.
QImage StationIcon(int index) {
  const QSize size = layout::kStationIcon;
  const QColor base = Hue(index, 170, 215);
  QImage image = style::Canvas(size.width(), size.height(), base.darker(260));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient gradient(0, 0, 0, size.height());
  gradient.setColorAt(0, base.lighter(125));
  gradient.setColorAt(1, base.darker(125));
  p.setPen(Qt::NoPen);
  p.setBrush(gradient);
  const QRectF tile(1, 1, size.width() - 2, size.height() - 2);
  switch (index % 4) {
    case 0: p.drawRoundedRect(tile, 5, 5); break;
    case 1: p.drawEllipse(tile); break;
    case 2: p.drawRect(tile); break;
    default: {
      QPainterPath shield;
      shield.moveTo(tile.left(), tile.top());
      shield.lineTo(tile.right(), tile.top());
      shield.lineTo(tile.right(), tile.center().y());
      shield.quadTo(tile.right(), tile.bottom(), tile.center().x(), tile.bottom());
      shield.quadTo(tile.left(), tile.bottom(), tile.left(), tile.center().y());
      shield.closeSubpath();
      p.drawPath(shield);
    }
  }
  style::Text(p, QRectF(0, 0, size.width(), size.height() - 1), kCallSigns[static_cast<size_t>(index)],
              style::Font(10, true), Qt::white);
  return image;
}

struct BannerText {
  const char *headline;
  const char *line;
  glyph::Glyph icon;
};

const std::array<BannerText, 30> kBanners = {{
    {"Morning News Live", "Headlines every hour", glyph::Screen},
    {"World Report", "Correspondents worldwide", glyph::Globe},
    {"Market Watch", "Stocks, bonds and more", glyph::Sliders},
    {"Trading Floor Radio", "Live from the exchange", glyph::Note},
    {"Game Day Live", "Every match, every score", glyph::Star},
    {"Football Tonight", "Kick-off at 8 pm", glyph::Play},
    {"Top 40 Countdown", "This week's biggest hits", glyph::Note},
    {"Jazz After Dark", "Smooth sounds till dawn", glyph::Note},
    {"Classic Rock Hour", "Legends, loud and live", glyph::Note},
    {"Movie Buzz", "Premieres and reviews", glyph::Film},
    {"Celebrity Talk", "Who's hot right now", glyph::Chat},
    {"Cooking Studio", "Recipes you can follow", glyph::Clock},
    {"Travel Diaries", "Journeys around the globe", glyph::Globe},
    {"Fitness at Home", "Daily 20-minute workouts", glyph::Play},
    {"Tech Today", "Gadgets and the web", glyph::Screen},
    {"Star Lab Science", "Discoveries explained", glyph::Star},
    {"Gadget Review", "Hands-on with the new", glyph::Gear},
    {"Love & Life Radio", "Your questions answered", glyph::Chat},
    {"Family Matters", "Parenting, made easier", glyph::Person},
    {"Ask the Expert", "Live chat event", glyph::Chat},
    {"Open Mic Chat", "Say what you think", glyph::Chat},
    {"Weekend Concert", "Live on Saturday", glyph::Note},
    {"Indie Sessions", "New bands, first", glyph::Note},
    {"Election Night", "Results as they come", glyph::Screen},
    {"Business Breakfast", "Start the day informed", glyph::Clock},
    {"Weather Watch", "Forecasts by the hour", glyph::Globe},
    {"Health Hour", "Doctors on the air", glyph::Help},
    {"Space Explorers", "Missions and launches", glyph::Star},
    {"Comedy Club Live", "Stand-up every night", glyph::Play},
    {"Velomira Picks", "Our favourites this week", glyph::Star},
}};

QImage Banner(int index) {
  const QSize size = layout::kBanner;
  const BannerText &text = kBanners[static_cast<size_t>(index)];
  QImage image(size, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient gradient(0, 0, size.width(), size.height());
  gradient.setColorAt(0, Hue(index, 190, 150));
  gradient.setColorAt(1, Hue(index, 210, 80, 28));
  p.fillRect(image.rect(), gradient);
  // Two soft rings for depth.
  p.setPen(QPen(QColor(255, 255, 255, 30), 6));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(size.width() - 60, -6), 34, 34);
  p.drawEllipse(QPointF(28, size.height() + 10), 26, 26);

  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 46));
  p.drawEllipse(QRectF(6, 4, 27, 27));
  text.icon(p, QRectF(12, 10, 15, 15), Qt::white);

  style::FittedText(p, QRectF(40, 2, 128, 18), text.headline, 13, true, Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
  style::FittedText(p, QRectF(40, 18, 128, 14), text.line, 9, false, QColor(235, 238, 255),
                    Qt::AlignLeft | Qt::AlignVCenter);

  const QRectF pill(size.width() - 60, 9, 54, 17);
  style::RoundedGradient(p, pill, 8.5, style::kAccent.lighter(110), style::kAccentDeep, QColor());
  style::Text(p, pill.adjusted(0, 0, 0, -1), "Tune in", style::Font(9, true), style::kBase);
  return image;
}

// The sample guide's stations that have a banner (by station number, which
// names the picture), with their names split into name and call line.
struct StationBannerText {
  int station;
  const char *name;
  const char *call;
};

const std::array<StationBannerText, 7> kStationBanners = {{
    {1, "Velo News", "24"},
    {6, "Market Pulse", "TV"},
    {10, "Arena Sports", "TV"},
    {15, "Rock Avenue", "FM"},
    {22, "Silver Screen", "TV"},
    {27, "Wanderlust", "TV"},
    {31, "Gadget Lab", "TV"},
}};

QImage StationBanner(int index) {
  const QSize size = layout::kStationBanner;
  const StationBannerText &text = kStationBanners[static_cast<size_t>(index)];
  QImage image = style::Canvas(size.width(), size.height(), Hue(index * 5, 180, 60));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient gradient(0, 0, 0, size.height());
  gradient.setColorAt(0, Hue(index * 5, 170, 200));
  gradient.setColorAt(1, Hue(index * 5, 200, 110));
  p.fillRect(image.rect(), gradient);
  p.fillRect(QRect(0, size.height() - 3, size.width(), 3), style::kAccent);
  style::FittedText(p, QRectF(2, 1, size.width() - 4, 14), text.name, 11, true, Qt::white);
  style::FittedText(p, QRectF(2, 14, size.width() - 4, 11), text.call, 9, true, QColor(235, 238, 255));
  return image;
}

}  // namespace

void DrawSamplePictures(SkinOutput &out) {
  for (int i = 0; i < static_cast<int>(kCallSigns.size()); ++i)
    out.AssetGif("icon", QString("icon%1.gif").arg(i + 1, 2, 10, QLatin1Char('0')), StationIcon(i));
  for (int i = 0; i < static_cast<int>(kBanners.size()); ++i)
    out.AssetGif("banner", QString("banner%1.gif").arg(i + 1, 2, 10, QLatin1Char('0')), Banner(i));
  for (int i = 0; i < static_cast<int>(kStationBanners.size()); ++i)
    out.AssetGif("banner/sttn", QString("sttn%1.gif").arg(kStationBanners[static_cast<size_t>(i)].station, 2, 10,
                                                           QLatin1Char('0')),
                 StationBanner(i));
}

}  // namespace skin
