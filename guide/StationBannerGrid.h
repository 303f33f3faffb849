#pragma once
// The home view of the channel window: the station banners in rows of three; a click
// logs a "sttn_bnnr," line and opens the banner's station.
#include <QWidget>
#include <functional>
#include <string>

namespace velomira {

class StationBannerGrid : public QWidget {
  Q_OBJECT
 public:
  explicit StationBannerGrid(QWidget* parent);

  // Draws the banners of State().StationBannerTable anew.
  void Build();

  std::function<void(const std::string& channelId)> OpenStation;
};

}  // namespace velomira
