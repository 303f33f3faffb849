#include "StationBannerGrid.h"

#include "controls/CodePageText.h"
#include "controls/TMyImage.h"
#include "controls/Tag.h"
#include "core/dFunc.h"
#include "core/qt/SkinPicture.h"

namespace velomira {

namespace {

constexpr int kColumns = 3;
constexpr int kLeft = 6, kTop = 4;
constexpr int kColumnStep = 79, kRowStep = 39;
constexpr int kWidth = 69, kHeight = 29;

}  // namespace

StationBannerGrid::StationBannerGrid(QWidget* parent) : QWidget(parent) { setObjectName("PnlTop"); }

void StationBannerGrid::Build() {
  for (TMyImage* banner : findChildren<TMyImage*>(Qt::FindDirectChildrenOnly)) {
    // Freed later: the clicked banner's own handler may be what redraws the grid.
    banner->hide();
    banner->setParent(nullptr);
    banner->deleteLater();
  }
  const ClientState& state = State();
  const auto table = state.StationBannerTable.Get();
  for (std::size_t k = 0; k < table->size(); ++k) {
    const StationBannerRecord& station = (*table)[k];
    auto* banner = new TMyImage(this);
    banner->setObjectName(QString("StationBanner%1").arg(k));
    const int column = static_cast<int>(k % kColumns), row = static_cast<int>(k / kColumns);
    banner->setGeometry(kLeft + kColumnStep * column, kTop + kRowStep * row, kWidth, kHeight);
    banner->SetStretch(true);
    banner->SetPicture(LoadSkinPicture(state.StationBannerDir, station.Picture));
    banner->setToolTip(ToQString(station.StationId));
    SetTag(banner, static_cast<int>(k));
    const std::string channelId = station.StationId;
    connect(banner, &TMyImage::OnClick, this, [this, channelId] {
      AddUsageLine(UsageLines::StationBanner, "sttn_bnnr," + channelId + "," + UtcStamp());
      if (OpenStation) OpenStation(channelId);
    });
    banner->show();
  }
}

}  // namespace velomira
