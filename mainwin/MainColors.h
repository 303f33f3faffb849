#pragma once
// Colours and fonts of the main window and its list rows.
#include <QColor>
#include <QFont>

namespace velomira {

// A toolkit colour value 0x00BBGGRR.
inline QColor ToolkitColor(unsigned value) {
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

inline constexpr unsigned kTitleRowColor = 0xFFC99C;
inline constexpr unsigned kRowColor = 0xFFE5AC;
inline constexpr unsigned kRowClickColor = 0xC67500;

// Small and narrow, so a row's time text ends before the media icon at 165.
inline QFont MainFont() {
  QFont font("Sans Serif");
  font.setPixelSize(10);
  font.setStretch(QFont::Condensed);
  return font;
}

inline QFont RowFont(bool bold) {
  QFont font = MainFont();
  font.setBold(bold);
  return font;
}

}  // namespace velomira
