#pragma once

#include <QRect>
#include <QSize>

#include <array>

// Window sizes and the places of the controls that the background pictures
// leave room for. The window code places its controls at these same spots.
namespace skin::layout {

inline constexpr QSize kMainWindow(290, 360);
inline constexpr QSize kSimpleWindow(290, 266);
inline constexpr QSize kGuideWindow(290, 360);
inline constexpr QSize kAlertBox(330, 133);
inline constexpr QSize kLoginBox(330, 184);
inline constexpr QSize kTallDialog(330, 340);

inline constexpr int kTitleBarHeight = 19;
inline constexpr QRect kLogo(4, 1, 62, 17);
// Help, to tray, display toggle, exit.
inline constexpr std::array<QRect, 4> kTitleButtons = {QRect(238, 3, 8, 10), QRect(247, 3, 8, 10),
                                                       QRect(256, 3, 8, 10), QRect(268, 3, 14, 12)};
inline constexpr QRect kListArea(6, 20, 278, 230);
// Step forward, pause/resume, step back, under the right end of the list.
inline constexpr std::array<QRect, 3> kTransport = {QRect(249, 251, 9, 8), QRect(261, 251, 9, 8),
                                                    QRect(270, 251, 9, 8)};

inline constexpr std::array<int, 3> kGridColumns = {10, 103, 196};
inline constexpr QSize kCategorySize(88, 16);
inline constexpr std::array<int, 3> kCategoryRows = {259, 277, 294};
// The sub-category drop area at the right end of each category picture.
inline constexpr QRect kCategoryDrop(71, 1, 17, 13);

inline constexpr QRect kMyList(92, 312, 107, 15);
inline constexpr QRect kMyListSelect(4, 0, 57, 13);  // inside the picture
inline constexpr QRect kMyListEdit(68, 0, 37, 13);

inline constexpr QSize kFunctionSize(88, 13);
inline constexpr std::array<int, 2> kFunctionRows = {329, 343};

// The close mark of the 330-pixel-wide dialogs.
inline constexpr QRect kDialogClose(314, 3, 9, 9);
inline constexpr int kDialogTitleHeight = 24;

// Pictures the main list shows.
inline constexpr QSize kStationIcon(24, 24);
inline constexpr QSize kBanner(232, 35);
inline constexpr QSize kStationBanner(69, 29);
inline constexpr QSize kDayPicture(8, 10);
inline constexpr QSize kMediaIcon(16, 12);

// The guide windows' banner strip frame and the banner inside it.
inline constexpr QSize kBannerBack(240, 43);

inline QRect CategoryRect(int tag) {  // tag 1-9
  const int i = tag - 1;
  return QRect(QPoint(kGridColumns[i % 3], kCategoryRows[i / 3]), kCategorySize);
}
inline QRect FunctionRect(int tag) {  // tag 1-6
  const int i = tag - 1;
  return QRect(QPoint(kGridColumns[i % 3], kFunctionRows[i / 3]), kFunctionSize);
}

}  // namespace skin::layout
