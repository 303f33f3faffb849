#include "BannerStrip.h"

#include <QTimer>
#include <QWidget>

#include "GuideLayout.h"
#include "controls/CodePageText.h"
#include "controls/TImage.h"
#include "controls/TMyImage.h"
#include "core/dFunc.h"
#include "core/qt/SkinPicture.h"

namespace velomira {

BannerStrip::BannerStrip(QWidget* panel, const char* imageName, char bannerLetter, char logLetter, int& rotation)
    : QObject(panel), logLetter_(logLetter), rotation_(rotation) {
  const ClientState& state = State();
  Back = new TImage(panel);
  Back->setObjectName("BannerBack");
  Back->setGeometry(guide_layout::kBannerBack);
  Back->SetPicture(LoadSkinPicture(state.FormDir, "Banner_Back.gif"));

  Image = new TMyImage(panel);
  Image->setObjectName(imageName);
  Image->setGeometry(guide_layout::kBanner);
  Image->SetStretch(true);
  connect(Image, &TMyImage::OnClick, this, &BannerStrip::Clicked);

  TimerBanner = new QTimer(this);
  TimerBanner->setObjectName("TimerBanner");
  connect(TimerBanner, &QTimer::timeout, this, &BannerStrip::Tick);

  for (const BannerRecord& banner : state.Banners.Get()->Table) {
    if (banner.Windows.find(bannerLetter) != std::string::npos || banner.Windows.find('a') != std::string::npos) {
      banners_.push_back(banner.Picture);
    }
  }
  if (banners_.empty()) return;
  // A zero interval means the service set no rotation: the first banner stays.
  const int seconds = state.BannerSeconds;
  if (seconds > 0) {
    TimerBanner->setInterval(seconds * 1000);
    TimerBanner->start();
  }
  Tick();
}

void BannerStrip::Tick() {
  if (banners_.empty()) return;
  // The list may have become shorter since this kind of window was last open.
  rotation_ %= static_cast<int>(banners_.size());
  if (rotation_ < 0) rotation_ = 0;
  const std::string& file = banners_[static_cast<std::size_t>(rotation_)];
  const ClientState& state = State();
  Image->SetPicture(LoadSkinPicture(state.BannerDir, file));
  for (const BannerRecord& banner : state.Banners.Get()->Table) {
    if (banner.Picture != file) continue;
    Image->SetUrl(banner.Link);
    Image->setToolTip(ToQString(file.substr(0, file.find('.'))));
    break;
  }
  rotation_ = (rotation_ + 1) % static_cast<int>(banners_.size());
}

void BannerStrip::Stop() { TimerBanner->stop(); }

void BannerStrip::Clicked() {
  if (banners_.empty()) return;
  AddUsageLine(UsageLines::WindowBanner, std::string("back_face_bnnr,") + logLetter_ + "," +
                                             FromQString(Image->toolTip()) + "," + UtcStamp());
}

}  // namespace velomira
