#include "Generators.h"
#include "Layout.h"
#include "SkinOutput.h"
#include "Style.h"

#include <QDir>
#include <QPainter>

namespace skin {
namespace {

// Sample text in the list colours the main window uses for its rows.
const QColor kRowTitle(0x9C, 0xC9, 0xFF);
const QColor kRowText(0xAC, 0xE5, 0xFF);
const QColor kClock(0x2A, 0xFF, 0x00);

class Composer {
 public:
  Composer(const SkinOutput &out, const QString &folder, const QString &background) : out_(out) {
    image_ = out.Written(folder, background).convertToFormat(QImage::Format_RGB32);
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing);
  }
  void Place(const QString &folder, const QString &name, const QPoint &at) {
    painter_.drawImage(at, out_.Written(folder, name));
  }
  void Place(const QString &folder, const QString &name, const QRect &at) {
    painter_.drawImage(at, out_.Written(folder, name));
  }
  void Label(const QRectF &rect, const QString &text, int px, bool bold, const QColor &colour,
             int flags = Qt::AlignLeft | Qt::AlignTop) {
    style::Text(painter_, rect, text, style::Font(px, bold), colour, flags);
  }
  void Field(const QRect &rect) {
    painter_.fillRect(rect, Qt::white);
    painter_.setPen(style::kCardEdge);
    painter_.drawRect(rect.adjusted(0, 0, -1, -1));
  }
  bool Save(const QString &path) {
    painter_.end();
    return !image_.isNull() && image_.save(path);
  }

 private:
  const SkinOutput &out_;
  QImage image_;
  QPainter painter_;
};

const char *const kCategoryWords[] = {"News", "Money", "Sports", "Music", "Enter", "Life", "Tech", "Sex", "Chat"};
const char *const kFunctionNames[] = {"Preset", "Search", "Prefer", "Daily", "Channel", "911"};

void ListRows(Composer &c, int top) {
  const QPoint list = layout::kListArea.topLeft();
  const char *const days[] = {"red_sun", "blue_mon", "red_tue", "red_wed", "red_tue", "blue_fri", "red_sat"};
  struct Row {
    const char *icon, *title, *time, *station;
  } rows[] = {{"icon07.gif", "Jazz After Dark", "Tue 09:00 pm - 11:00 pm", "(Jazz 24)"},
              {"icon12.gif", "Top 40 Countdown", "Tue 09:30 pm - 10:30 pm", "(Pulse / Charts)"}};
  int y = top;
  for (const Row &row : rows) {
    c.Place("assets/icon", row.icon, list + QPoint(2, y + 2));
    c.Label(QRectF(list.x() + 30, list.y() + y, 200, 13), row.title, 11, true, kRowTitle);
    c.Place("Media", "sound_1.gif", list + QPoint(165, y + 2));
    for (int d = 0; d < 7; ++d) c.Place("Basic", QString(days[d]) + ".gif", list + QPoint(185 + 9 * d, y + 16));
    c.Label(QRectF(list.x() + 30, list.y() + y + 14, 150, 13), row.time, 9, false, kRowText);
    c.Label(QRectF(list.x() + 30, list.y() + y + 27, 240, 13), "Smooth sounds and live sets", 9, false, kRowText);
    c.Label(QRectF(list.x() + 30, list.y() + y + 40, 240, 13), row.station, 9, false, kRowText);
    y += 64;
  }
  c.Place("assets/banner", "banner08.gif", list + QPoint((layout::kListArea.width() - 232) / 2, y));
}

void TitleTexts(Composer &c, const QString &title) {
  c.Label(QRectF(71, 4, 44, 13), "09:41 pm", 9, false, kClock);
  c.Label(QRectF(116, 4, 121, 13), title, 10, true, Qt::white);
}

bool MainMock(const SkinOutput &out, const QString &path) {
  Composer c(out, "Form", "Main.gif");
  TitleTexts(c, "Music");
  ListRows(c, 6);
  for (int tag = 1; tag <= 9; ++tag) {
    const QString suffix = tag == 4 ? "_ovr" : tag == 8 ? "_ovr2" : "";
    c.Place("Button", QString(kCategoryWords[tag - 1]) + suffix + ".gif", layout::CategoryRect(tag).topLeft());
  }
  c.Place("Button", "mycast.gif", layout::kMyList.topLeft());
  for (int tag = 1; tag <= 6; ++tag) {
    const QString suffix = tag == 2 ? "_ovr" : "";
    c.Place("Button", QString(kFunctionNames[tag - 1]) + suffix + ".gif", layout::FunctionRect(tag).topLeft());
  }
  return c.Save(path);
}

bool SimpleMock(const SkinOutput &out, const QString &path) {
  Composer c(out, "Form", "Simple.gif");
  TitleTexts(c, "Music");
  ListRows(c, 40);
  return c.Save(path);
}

bool GuideMock(const SkinOutput &out, const QString &path) {
  Composer c(out, "Form", "Back.gif");
  TitleTexts(c, "Daily Guide");
  const char *const days[] = {"su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};
  for (int d = 0; d < 7; ++d)
    c.Place("Button", QString(days[d]) + (d == 3 ? "_ovr" : "") + ".gif", QPoint(10 + 38 * d, 30));
  c.Label(QRectF(12, 56, 260, 14), "Wednesday,12/10/2026  HOTTEST STUFF", 10, true, QColor(0xE2, 0, 0));
  c.Place("Button", "daily_edit.gif", QPoint(27, 80));
  c.Place("Button", "btn_first.gif", QPoint(150, 290));
  c.Place("Button", "btn_previous.gif", QPoint(170, 290));
  c.Label(QRectF(190, 291, 40, 14), "1 / 3", 9, false, style::kTextDark, Qt::AlignCenter);
  c.Place("Button", "btn_next.gif", QPoint(230, 290));
  c.Place("Button", "btn_end.gif", QPoint(250, 290));
  c.Place("Button", "Back_Ok2.gif", QPoint(12, 289));
  c.Place("Form", "Banner_Back.gif", QPoint(25, 310));
  c.Place("assets/banner", "banner15.gif", QPoint(29, 314));
  return c.Save(path);
}

bool AlertMock(const SkinOutput &out, const QString &path) {
  Composer c(out, "Form", "alertbox.gif");
  c.Label(QRectF(17, 41, 291, 45), "Do you really want to delete this channel from your channel list?", 12, false,
          Qt::black, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap);
  c.Place("Button", "alert_ok.gif", QPoint(91, 100));
  c.Place("Button", "Alert_Cancel_ovr.gif", QPoint(180, 100));
  return c.Save(path);
}

bool LoginMock(const SkinOutput &out, const QString &path) {
  Composer c(out, "Form", "loginbox.gif");
  c.Label(QRectF(10, 2, 200, 16), "Velomira login", 11, true, Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
  c.Label(QRectF(30, 38, 60, 20), "ID", 11, false, Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
  c.Label(QRectF(30, 64, 60, 20), "Password", 11, false, Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
  c.Field(QRect(95, 38, 140, 20));
  c.Field(QRect(95, 64, 140, 20));
  c.Place("Button", "login_button.gif", QPoint(245, 38));
  c.Place("Button", "log_cancel_ovr.gif", QPoint(245, 64));
  c.Label(QRectF(30, 92, 290, 18), "Log in automatically on Velomira start up", 10, false, Qt::white,
          Qt::AlignLeft | Qt::AlignVCenter);
  c.Place("Button", "forgot.gif", QPoint(30, 120));
  c.Place("Button", "proxy_ovr.gif", QPoint(125, 120));
  c.Place("Button", "newacc.gif", QPoint(220, 120));
  c.Place("Button", "log_help.gif", QPoint(30, 148));
  c.Label(QRectF(200, 164, 122, 16), "version-1.05", 9, false, style::kTextMuted, Qt::AlignLeft | Qt::AlignVCenter);
  return c.Save(path);
}

}  // namespace

bool DrawPreviews(const SkinOutput &out, const QString &previewDir) {
  if (!QDir().mkpath(previewDir)) return false;
  const QString dir = previewDir + QLatin1Char('/');
  return MainMock(out, dir + "main_mock.png") && SimpleMock(out, dir + "simple_mock.png") &&
         GuideMock(out, dir + "guide_mock.png") && AlertMock(out, dir + "alert_mock.png") &&
         LoginMock(out, dir + "login_mock.png");
}

}  // namespace skin
