#pragma once

#include <QString>

namespace skin {

class SkinOutput;

// Button folder: the main window's category, My-list and function pictures.
void DrawMainButtons(SkinOutput &out);
// Button folder: every other window's buttons and small pictures.
void DrawDialogButtons(SkinOutput &out);
// Button folder: the start and state pictures shown inside the main list.
void DrawWelcomePictures(SkinOutput &out);
// Form folder: window backgrounds.
void DrawBackgrounds(SkinOutput &out);
// bubble folder: the alarm bubble frames and bursts (black = outside).
void DrawBubbles(SkinOutput &out);
// Basic and Media folders: weekday and media pictures of the program rows.
void DrawRowPictures(SkinOutput &out);
// The station icons, banners and station banners the service hands out.
void DrawSamplePictures(SkinOutput &out);
// Wave folder: the panel-swap chime and the display-toggle sound.
void WriteSounds(SkinOutput &out);
// The program's icon for the desktop's menus, in a hicolor theme folder: PNG at
// 48, 128 and 256 pixels and an SVG.
bool DrawAppIcons(const QString &iconDir);
// PNG previews composed from the written pictures, for people to look at.
bool DrawPreviews(const SkinOutput &out, const QString &previewDir);

}  // namespace skin
