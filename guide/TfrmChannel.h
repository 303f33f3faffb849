#pragma once
// The channel window: find internet TV and radio stations, see a station's programs,
// and keep the member's own channel list at the service. Three views share its area:
// the station banners (home), the stations a search found, and one station's programs
// under its header, with the button that adds it to the member's channels or takes it
// off them.
#include <functional>
#include <string>

#include "CodeChoices.h"
#include "GuideWindow.h"

class QComboBox;
class QLineEdit;

namespace velomira {

class ProgramListPanel;
class StationBannerGrid;
class StationListPanel;

class TfrmChannel : public GuideWindow {
  Q_OBJECT
 public:
  // The views, in the numbers the window has always used for them.
  enum ViewMode { HomeView = 0, StationView = 1, OtherChannelView = 2, MyChannelView = 3 };

  explicit TfrmChannel(MainWindowHost& host);
  ~TfrmChannel() override;

  // Opens the window straight on one of the member's channels.
  void OpenOnChannel(const std::string& channelId);
  // A station's programs, shown as one of the member's channels (MyChannelView) or not.
  void LoadChannelPrograms(const std::string& channelId, int mode);

  void imgSearchClick();
  void imgMyClick();
  void chan_add_imgClick();
  void ShowHome();

  int ViewMode() const { return viewMode_; }
  const TextList& MyChannelIds() const { return myChannelIds_; }

  QLineEdit* TxtKey;
  QComboBox* CmbCate;
  QComboBox* CmbState;
  THoverImage* imgSearch;
  THoverImage* imgMy;
  StationBannerGrid* PnlTop;
  QWidget* Panel1;
  StationListPanel* Stations;  // PnlInfo, page label Label6
  QWidget* Panel3;
  THoverImage* chan_add_img;
  ProgramListPanel* Programs;  // PnlList, page label Label5

 protected:
  void Opened() override;

 private:
  void BuildSearchBar();
  void BuildViews();
  void ShowView(QWidget* view);
  void OpenStation(const std::string& channelId);
  void ShowStation(int mode);
  void ShowMyChannels(const std::string& reply);
  bool IsMyChannel(const std::string& channelId) const;
  // Reads the member's channel IDs anew, then runs next (if any).
  void ReloadMyChannelIds(std::function<void()> next = {});
  void KeepMyChannelIds(const std::string& reply);

  CodeChoices categories_;
  CodeChoices states_;
  TextList myChannelIds_;
  std::string shownStation_;  // the station the add/delete button acts on
  int viewMode_ = HomeView;
};

}  // namespace velomira
