#pragma once

#include "Quantizer.h"

#include <QString>

namespace skin {

// Writes a palette picture as a single-frame GIF; a transparent index is
// written as the frame's transparent colour (GIF89a).
bool WriteGif(const IndexedPicture &indexed, const QString &path);

}  // namespace skin
