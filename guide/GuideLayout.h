#pragma once
// Places shared by the windows that take the main window's place (290 x 360, the
// skin's "Back.gif": title bar, then a light card).
#include <QColor>
#include <QFont>
#include <QRect>

namespace velomira::guide_layout {

inline constexpr QRect kPanel(0, 0, 290, 360);
inline constexpr QRect kCaption(12, 22, 200, 16);     // Label2
inline constexpr QRect kSubCaption(12, 38, 266, 14);  // the line under the caption
inline constexpr QRect kBackButton(12, 289, 60, 18);  // imgOk
inline constexpr QRect kPagingBar(148, 287, 134, 20);  // first, previous, page, next, end
inline constexpr QRect kBannerBack(25, 310, 240, 43);  // Banner_Back.gif
inline constexpr QRect kBanner(29, 314, 232, 35);     // the banner inside it
inline constexpr int kListRight = 268;                // the list area ends here
inline constexpr int kScrollWidth = 12;               // scroll bar right of the list
inline constexpr int kListBottom = 284;               // above the paging bar

// Texts of the windows.
inline constexpr QColor kCaptionColor(0x00, 0x00, 0x50);
inline constexpr QColor kHeaderColor(0xE2, 0x00, 0x00);  // "... found.", day headers
inline constexpr QColor kRowTitleColor(0x72, 0x46, 0xB2);
inline constexpr QColor kRowTextColor(0x00, 0x20, 0x7E);
inline constexpr QColor kRowClickColor(0xB2, 0xB2, 0xB2);
inline constexpr QColor kRowEnterColor(0x00, 0x7F, 0xCC);
inline constexpr QColor kStationColor(0x00, 0x44, 0xB5);

// The windows' default label font (pixel sizes: the skin is drawn in pixels).
inline QFont LabelFont(bool bold = false, int pixelSize = 11) {
  QFont font("DejaVu Sans");
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

// The time, description and station lines of the program rows: narrow enough that a
// time text ends before the media and weekday pictures at x 165.
inline QFont RowTextFont() {
  QFont font = LabelFont(false, 10);
  font.setStretch(QFont::Condensed);
  return font;
}

}  // namespace velomira::guide_layout
