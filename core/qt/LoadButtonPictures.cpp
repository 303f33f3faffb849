#include "controls/THoverImage.h"
#include "core/dFunc.h"
#include "core/qt/SkinPicture.h"
#include "core/qt/WindowChrome.h"

namespace velomira {

void LoadButtonPictures(THoverImage* image, const std::string& normal,
                        const std::string& hover, const std::string& down) {
  const std::string& folder = State().ButtonDir;
  const QPixmap normalPicture = LoadSkinPicture(folder, normal);
  image->SetPicture(normalPicture);
  image->SetPictureExit(normalPicture);
  image->SetPictureEnter(LoadSkinPicture(folder, hover));
  image->SetPictureDown(LoadSkinPicture(folder, down));
}

}  // namespace velomira
