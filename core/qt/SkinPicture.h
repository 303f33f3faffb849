#pragma once
// Pictures of the skin. Names are core texts; the folder is one of State()'s folders
// (ending in "/"); the file name compares case-insensitively. A missing or unreadable
// picture gives a null pixmap, which the controls show as nothing.
#include <QPixmap>
#include <string>

namespace velomira {

QPixmap LoadSkinPicture(const std::string& folder, const std::string& name);

}  // namespace velomira
