#pragma once

#include "Quantizer.h"

#include <QString>

namespace skin {

// Writes a palette picture as a single-frame GIF (no transparency index: the
// windows that need see-through parts treat black pixels as outside).
bool WriteGif(const IndexedPicture &indexed, const QString &path);

}  // namespace skin
