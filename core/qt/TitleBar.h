#pragma once
// The five hot areas over the title-bar marks that every skinned window's background
// draws: imgDbzer (logo, tag 1), Image1 (help, 2), Image2 (to tray, 3), Image3
// (display, 4), Image4 (exit, 5).
#include <array>
#include <functional>

class QWidget;

namespace velomira {

class TTransparentButton;

std::array<TTransparentButton*, 5> BuildTitleBarPictures(QWidget* panel, const std::function<void(int tag)>& onClick);

}  // namespace velomira
