#include "ButtonFace.h"
#include "Generators.h"
#include "Layout.h"
#include "SkinOutput.h"
#include "Style.h"

#include <QPainter>

#include <vector>

namespace skin {
namespace {

using K = ButtonKind;
namespace g = glyph;

const QColor kPopupGrey(210, 210, 210);  // the sub-category confirmation popup
const QColor kGlass(28, 30, 86);         // the tinted my-channels drop list

struct Entry {
  ButtonSpec spec;
  QString hoverName;  // empty: the normal name with "_ovr"
};

std::vector<Entry> Catalogue() {
  const QColor card = style::kCard;
  const QColor dark = style::kDialogBody;
  return {
      // Alert boxes, the alarm's "starts now" box, the verification window, proxy dialog.
      {{"alert_ok.gif", {70, 18}, "OK", K::Primary, card}, {}},
      {{"alert_cancel.gif", {70, 18}, "Cancel", K::Secondary, card}, {}},
      {{"alert_yes.gif", {70, 18}, "Yes", K::Primary, card}, {}},
      {{"verify_cancel.gif", {70, 18}, "Cancel", K::Secondary, card}, {}},
      // Login dialog (dark body).
      {{"login_button.gif", {76, 22}, "Log in", K::Primary, dark, g::Play}, {}},
      {{"log_cancel.gif", {76, 22}, "Cancel", K::Secondary, dark}, {}},
      {{"log_help.gif", {54, 16}, "Help", K::Link, dark, g::Help}, {}},
      {{"newacc.gif", {92, 16}, "New account", K::Link, dark, g::Person}, {}},
      {{"forgot.gif", {92, 16}, "Forgot password?", K::Link, dark, g::Key}, {}},
      {{"proxy.gif", {92, 16}, "Proxy settings", K::Link, dark, g::Globe}, {}},
      // Registration wizard and forgotten password.
      {{"regist_back.gif", {66, 20}, "Back", K::Secondary, dark, g::Back}, {}},
      {{"regist_next.gif", {66, 20}, "Next", K::Primary, dark, g::Next}, {}},
      {{"regist_cancel.gif", {66, 20}, "Cancel", K::Secondary, dark}, {}},
      {{"finish.gif", {66, 20}, "Finish", K::Primary, dark, g::Check}, {}},
      {{"duplication.gif", {76, 18}, "Check ID", K::Secondary, dark, g::Search}, {}},
      {{"resetpass.gif", {70, 20}, "Send", K::Primary, dark, g::Mail}, {}},
      // Tell a friend and help mail.
      {{"tell_send.gif", {66, 20}, "Send", K::Primary, dark, g::Mail}, {}},
      {{"tell_cancel.gif", {66, 20}, "Cancel", K::Secondary, dark}, {}},
      {{"send.gif", {60, 18}, "Send", K::Primary, card, g::Mail}, {}},
      // Guide windows.
      {{"Back_Ok2.gif", {60, 18}, "Back", K::Secondary, card, g::Back}, {}},
      {{"btn_first.gif", {18, 16}, "", K::Secondary, card, g::First, 4}, {}},
      {{"btn_previous.gif", {18, 16}, "", K::Secondary, card, g::Previous, 4}, {}},
      {{"btn_next.gif", {18, 16}, "", K::Secondary, card, g::Play, 4}, {}},
      {{"btn_end.gif", {18, 16}, "", K::Secondary, card, g::Last, 4}, {}},
      {{"btn_home.gif", {18, 16}, "", K::Secondary, card, g::Home, 4}, {}},
      {{"Search_Button.gif", {64, 18}, "Search", K::Primary, card, g::Search}, "search_Button_ovr.gif"},
      {{"MyChannel.gif", {90, 18}, "My channels", K::Secondary, card, g::Star}, {}},
      {{"addto.gif", {110, 16}, "Add to my channels", K::Primary, card, g::Plus}, {}},
      {{"deletefrom.gif", {110, 16}, "Remove from my list", K::Secondary, card, g::Minus}, {}},
      {{"ListUp.gif", {103, 11}, "", K::Dark, kGlass, g::Up, 3}, {}},
      {{"ListDown.gif", {103, 11}, "", K::Dark, kGlass, g::Down, 3}, {}},
      {{"su.gif", {34, 18}, "Sun", K::Secondary, card, nullptr, 5, 10}, "Su_ovr.gif"},
      {{"Mo.gif", {34, 18}, "Mon", K::Secondary, card, nullptr, 5, 10}, {}},
      {{"Tu.gif", {34, 18}, "Tue", K::Secondary, card, nullptr, 5, 10}, {}},
      {{"We.gif", {34, 18}, "Wed", K::Secondary, card, nullptr, 5, 10}, {}},
      {{"Th.gif", {34, 18}, "Thu", K::Secondary, card, nullptr, 5, 10}, {}},
      {{"Fr.gif", {34, 18}, "Fri", K::Secondary, card, nullptr, 5, 10}, {}},
      {{"Sa.gif", {34, 18}, "Sat", K::Secondary, card, nullptr, 5, 10}, {}},
      {{"Delete.gif", {64, 18}, "Delete", K::Secondary, card, g::Cross}, "delete_ovr.gif"},
      // Preferences.
      {{"back_ok.gif", {60, 18}, "Save", K::Primary, card, g::Check}, {}},
      {{"back_cancel.gif", {60, 18}, "Cancel", K::Secondary, card}, {}},
      {{"timezone.gif", {68, 18}, "Time zone", K::Tab, card, nullptr, 5}, {}},
      {{"idpass.gif", {68, 18}, "ID / Pass", K::Tab, card, nullptr, 5}, {}},
      {{"personal.gif", {68, 18}, "Personal", K::Tab, card, nullptr, 5}, {}},
      {{"settings.gif", {68, 18}, "Settings", K::Tab, card, nullptr, 5}, {}},
      // My categories.
      {{"btn_ca_ok1.gif", {56, 15}, "OK", K::Primary, kPopupGrey}, "btn_ca_ok2.gif"},
      {{"btn_ca_cancel1.gif", {56, 15}, "Cancel", K::Secondary, kPopupGrey}, "btn_ca_cancel2.gif"},
  };
}

// Small marks without a hover state.
void DrawMarks(SkinOutput &out) {
  {
    // "category.gif" serves as all three pictures of its button.
    out.SkinGif("Button", "category.gif",
                PaintButton({"category.gif", {104, 18}, "Add category", K::Primary, style::kCard, g::Plus}, false));
  }
  // Amber marks on the dark dialogs, cut out so any background shows.
  const auto mark = [&](const QString &name, QSize size, glyph::Glyph icon) {
    QImage picture = style::ClearCanvas(size.width(), size.height());
    QPainter p(&picture);
    icon(p, QRectF(0, 0, size.width(), size.height()), style::kAccent);
    p.end();
    out.SkinGif("Button", name, style::KeyOut(picture, style::kDialogBody));
  };
  mark("check.gif", {10, 10}, g::Star);
  mark("reset_arrow.gif", {8, 9}, g::Play);
  {
    // Shown in the daily window until a category is chosen.
    QImage hint = style::Canvas(236, 100, style::Surface::Card);
    QPainter p(&hint);
    style::RoundedGradient(p, QRectF(0, 0, 236, 100), 10, QColor(236, 240, 255), QColor(222, 228, 250),
                           QColor(190, 200, 240));
    g::Calendar(p, QRectF(18, 26, 44, 44), QColor(74, 90, 200));
    style::Text(p, QRectF(76, 22, 150, 20), "Daily Guide", style::Font(14, true), style::kTextDark,
                Qt::AlignLeft | Qt::AlignVCenter);
    style::Text(p, QRectF(76, 44, 152, 40), "Pick a day above and a\ncategory to see its programs.",
                style::Font(10, false), QColor(70, 80, 130), Qt::AlignLeft | Qt::AlignTop);
    p.end();
    out.SkinGif("Button", "daily_edit.gif", hint);
  }
}

}  // namespace

void DrawDialogButtons(SkinOutput &out) {
  for (const Entry &entry : Catalogue()) {
    out.SkinGif("Button", entry.spec.name, PaintButton(entry.spec, false));
    const QString hover = entry.hoverName.isEmpty() ? WithSuffix(entry.spec.name, "_ovr") : entry.hoverName;
    out.SkinGif("Button", hover, PaintButton(entry.spec, true));
  }
  DrawMarks(out);
}

}  // namespace skin
