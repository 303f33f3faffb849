#pragma once

#include "Glyphs.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

namespace skin {

// Dark: navy face with light text, for the dark window areas.
// Primary / Secondary: the main and the quiet action of a light dialog.
// Link: text-only action on a light dialog, a pale pill on hover.
// Tab: a page tab; its hover (and pressed) face is the selected tab.
enum class ButtonKind { Dark, Primary, Secondary, Link, Tab };

struct ButtonSpec {
  QString name;  // file name of the normal picture, "<base>.gif"
  QSize size;
  QString label;
  ButtonKind kind;
  QColor backdrop;  // the background the button sits on (fills its corners)
  glyph::Glyph icon = nullptr;
  int radius = -1;      // -1: a full pill
  int fontPixels = 0;   // 0: by the button's height
};

QImage PaintButton(const ButtonSpec &spec, bool hover);

// "News.gif" -> "News_ovr.gif"; the suffix goes before the extension.
QString WithSuffix(const QString &name, const QString &suffix);

}  // namespace skin
