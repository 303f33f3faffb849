#pragma once
// Pictures of the skin. Names are core texts; the folder is one of State()'s folders
// (ending in "/"); the file name compares case-insensitively and a picture missing from
// the per-user folder is read from the program folder (FindReadable). A missing or
// unreadable picture gives a null pixmap, which the controls show as nothing.
//
// On a screen of device pixel ratio 1.5 or more the twice-size twin "name@2x.gif" beside
// the picture is used when it has exactly twice its size; the pixmap then carries a
// device pixel ratio of 2, so its logical size, and every window laid out from it, stays
// the same. Sizes taken from a picture must be its deviceIndependentSize().
#include <QPixmap>
#include <string>

namespace velomira {

QPixmap LoadSkinPicture(const std::string& folder, const std::string& name);
// The same for a screen of the given device pixel ratio.
QPixmap LoadSkinPicture(const std::string& folder, const std::string& name, qreal screenRatio);
// The path form, for callers holding a whole file path.
QPixmap LoadSkinPictureFile(const std::string& path);

}  // namespace velomira
