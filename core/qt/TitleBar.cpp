#include "TitleBar.h"

#include <QRect>

#include "controls/TTransparentButton.h"
#include "controls/Tag.h"

namespace velomira {

std::array<TTransparentButton*, 5> BuildTitleBarPictures(QWidget* panel, const std::function<void(int tag)>& onClick) {
  static constexpr std::array<const char*, 5> kNames{"imgDbzer", "Image1", "Image2", "Image3", "Image4"};
  static constexpr std::array<QRect, 5> kPlaces{QRect(4, 1, 62, 17), QRect(238, 3, 8, 10), QRect(247, 3, 8, 10),
                                                QRect(256, 3, 8, 10), QRect(268, 3, 14, 12)};
  std::array<TTransparentButton*, 5> pictures{};
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    auto* picture = new TTransparentButton(panel);
    picture->setObjectName(kNames[i]);
    picture->setGeometry(kPlaces[i]);
    const int tag = static_cast<int>(i) + 1;
    SetTag(picture, tag);
    QObject::connect(picture, &TTransparentButton::OnClick, picture, [onClick, tag] { onClick(tag); });
    pictures[i] = picture;
  }
  return pictures;
}

}  // namespace velomira
