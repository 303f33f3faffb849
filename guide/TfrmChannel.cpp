#include "TfrmChannel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <tuple>

#include "GuideLayout.h"
#include "ProgramListPanel.h"
#include "SearchOnEnter.h"
#include "StationBannerGrid.h"
#include "StationHeader.h"
#include "StationListPanel.h"
#include "TfrmChannelList.h"
#include "controls/CodePageText.h"
#include "controls/THoverImage.h"
#include "controls/TPicturePanel.h"
#include "controls/Tag.h"
#include "core/ServletRequests.h"
#include "core/dFunc.h"
#include "core/qt/WindowChrome.h"
#include "mainwin/alertbox/AlertBox.h"

namespace velomira {

namespace {

const GuideWindowSpec kChannelWindow{
    "frmChannel", "PnlChannel", "Channel & Radio", "", "", 'p', 'c', &UsageRecord::ChannelOpens, "ImgBanner"};

// Places on the window's panel: the search bar under the caption, then the views.
constexpr QRect kMyButton(188, 21, 90, 18);
constexpr QRect kCategoryBox(12, 44, 130, 20);
constexpr QRect kStateBox(146, 44, 132, 20);
constexpr QRect kKeyBox(12, 68, 196, 20);
constexpr QRect kSearchButton(214, 69, 64, 18);
constexpr QRect kBannerGrid(22, 96, 246, 186);
// The result and program views reach down to the paging bar beside the back button.
constexpr QRect kView(0, 94, 290, 214);
// Inside a view.
constexpr QRect kStationList(10, 2, 252, 188);
constexpr QRect kAddButton(165, 0, 110, 16);  // right-aligned with the scroll bar
constexpr QRect kProgramList(10, 20, 252, 170);
constexpr QRect kPagingBar(126, 193, 156, 20);  // the paging bar with its home button

// What the paging bars repeat; kept for the program's life like the page numbers.
struct SearchValues {
  std::string CategoryCode, LocationCode, Keyword;
};
SearchValues& LastSearch() {
  static SearchValues values;
  return values;
}
std::string& ShownChannel() {
  static std::string channelId;
  return channelId;
}
PagingState& Pages() {
  static PagingState pages;
  return pages;
}

void FillChoices(QComboBox* box, const CodeChoices& choices) {
  for (const std::string& name : choices.Names) box->addItem(ToQString(name));
  box->setCurrentIndex(choices.Names.empty() ? -1 : 0);
}

THoverImage* MakeButton(QWidget* parent, const char* name, const std::string& normal, const std::string& hover,
                        const QRect& place) {
  auto* button = new THoverImage(parent);
  button->setObjectName(name);
  LoadButtonPictures(button, normal, hover, hover);
  button->setGeometry(place);
  return button;
}

ProgramListPlaces ViewPlaces(const QRect& list, const char* listName, const char* barName, const char* pageLabel) {
  ProgramListPlaces places;
  places.List = list;
  places.Paging = kPagingBar;
  places.ListName = listName;
  places.PagingBarName = barName;
  places.PageLabelName = pageLabel;
  places.HomeButton = true;
  return places;
}

}  // namespace

TfrmChannel::TfrmChannel(MainWindowHost& host) : GuideWindow(host, kChannelWindow) {
  const ClientState& state = State();
  categories_ = ReadCodeChoices(state.DataDir + "State_Cate.Dat", "All Category");
  states_ = ReadCodeChoices(state.DataDir + "State.Dat", "All State");
  BuildSearchBar();
  BuildViews();
  // The views lie over the row of the back button.
  imgOk->raise();
}

TfrmChannel::~TfrmChannel() { TfrmChannelList::CloseOpenList(); }

void TfrmChannel::BuildSearchBar() {
  imgMy = MakeButton(Panel, "imgMy", "MyChannel.gif", "MyChannel_ovr.gif", kMyButton);
  connect(imgMy, &THoverImage::OnClick, this, &TfrmChannel::imgMyClick);

  CmbCate = new QComboBox(Panel);
  CmbCate->setObjectName("CmbCate");
  CmbState = new QComboBox(Panel);
  CmbState->setObjectName("CmbState");
  for (auto [box, choices, place] : {std::tuple{CmbCate, &categories_, kCategoryBox},
                                     std::tuple{CmbState, &states_, kStateBox}}) {
    box->setFont(guide_layout::LabelFont());
    box->setGeometry(place);
    FillChoices(box, *choices);
  }

  TxtKey = new QLineEdit(Panel);
  TxtKey->setObjectName("TxtKey");
  TxtKey->setFont(guide_layout::LabelFont());
  TxtKey->setGeometry(kKeyBox);

  imgSearch = MakeButton(Panel, "imgSearch", "Search_Button.gif", "search_Button_ovr.gif", kSearchButton);
  connect(imgSearch, &THoverImage::OnClick, this, &TfrmChannel::imgSearchClick);
  SearchOnEnter(TxtKey, imgSearch, [this] { imgSearchClick(); });
}

void TfrmChannel::BuildViews() {
  PnlTop = new StationBannerGrid(Panel);
  PnlTop->setGeometry(kBannerGrid);
  PnlTop->OpenStation = [this](const std::string& channelId) { OpenStation(channelId); };

  Panel1 = new QWidget(Panel);
  Panel1->setObjectName("Panel1");
  Panel1->setGeometry(kView);
  Stations = new StationListPanel(*this, Panel1, Pages(), ViewPlaces(kStationList, "PnlInfo", "Panel2", "Label6"));
  Stations->PageRequest = [](int page) -> ProgramListPanel::RequestWork {
    const SearchValues search = LastSearch();
    return [search, page] {
      return RequestChannelSearch(search.CategoryCode, search.Keyword, search.LocationCode, page);
    };
  };
  Stations->OpenStation = [this](const std::string& channelId) { OpenStation(channelId); };
  connect(Stations, &ProgramListPanel::HomeClicked, this, &TfrmChannel::ShowHome);

  Panel3 = new QWidget(Panel);
  Panel3->setObjectName("Panel3");
  Panel3->setGeometry(kView);
  chan_add_img = MakeButton(Panel3, "chan_add_img", "addto.gif", "addto_ovr.gif", kAddButton);
  connect(chan_add_img, &THoverImage::OnClick, this, &TfrmChannel::chan_add_imgClick);
  Programs = new ProgramListPanel(*this, Panel3, Pages(), ViewPlaces(kProgramList, "PnlList", "Panel4", "Label5"));
  // Record 0 of every page is the station itself.
  Programs->FirstRecord = 1;
  Programs->PlaceHeader = [this] {
    std::vector<std::string> station;
    SplitText(Programs->Records().front(), std::string_view(&FieldSeparator, 1), station);
    return PlaceStationHeader(*Programs, station, viewMode_ == MyChannelView);
  };
  Programs->PageRequest = [](int page) -> ProgramListPanel::RequestWork {
    const std::string channelId = ShownChannel();
    return [channelId, page] { return RequestChannelPrograms(channelId, page); };
  };
  connect(Programs, &ProgramListPanel::HomeClicked, this, &TfrmChannel::ShowHome);
}

void TfrmChannel::Opened() {
  ShowHome();
  TxtKey->setFocus();
  ReloadMyChannelIds();
}

void TfrmChannel::OpenOnChannel(const std::string& channelId) {
  Open();
  LoadChannelPrograms(channelId, MyChannelView);
}

void TfrmChannel::ShowView(QWidget* view) {
  for (QWidget* each : {static_cast<QWidget*>(PnlTop), Panel1, Panel3}) each->setVisible(each == view);
}

void TfrmChannel::ShowHome() {
  viewMode_ = HomeView;
  Pages() = PagingState{};
  PnlTop->Build();
  ShowView(PnlTop);
}

void TfrmChannel::imgSearchClick() {
  const std::string keyword = FromQString(TxtKey->text());
  if (keyword.empty()) {
    ShowNotice("Please enter a keyword.");
    return;
  }
  const SearchValues search{categories_.CodeAt(CmbCate->currentIndex()), states_.CodeAt(CmbState->currentIndex()),
                            keyword};
  Request(
      [search] { return RequestChannelSearch(search.CategoryCode, search.Keyword, search.LocationCode); },
      [this, search](const std::string& reply) {
        const auto result = Stations->Load(reply);
        if (result == ProgramListPanel::LoadResult::Failed) return;
        LastSearch() = search;
        if (result == ProgramListPanel::LoadResult::Empty) Stations->ShowNoneFound();
        viewMode_ = StationView;
        ShowView(Panel1);
      });
}

bool TfrmChannel::IsMyChannel(const std::string& channelId) const {
  for (const std::string& mine : myChannelIds_) {
    if (EqualsNoCase(mine, channelId)) return true;
  }
  return false;
}

void TfrmChannel::OpenStation(const std::string& channelId) {
  if (!IsMyChannel(channelId)) {
    LoadChannelPrograms(channelId, OtherChannelView);
    return;
  }
  const QPointer<TfrmChannel> self(this);
  ShowAlert("This channel is already your channel list.");
  if (self) LoadChannelPrograms(channelId, MyChannelView);
}

void TfrmChannel::LoadChannelPrograms(const std::string& channelId, int mode) {
  Request([channelId] { return RequestChannelPrograms(channelId); },
          [this, channelId, mode](const std::string& reply) {
            // A failed load leaves the last view as it was, header and pages included.
            const int lastMode = viewMode_;
            const PagingState lastPages = Pages();
            viewMode_ = mode;
            Pages() = PagingState{};
            if (Programs->Load(reply) == ProgramListPanel::LoadResult::Failed) {
              viewMode_ = lastMode;
              Pages() = lastPages;
              return;
            }
            ShownChannel() = channelId;
            ShowStation(mode);
          });
}

void TfrmChannel::ShowStation(int mode) {
  Programs->ShowPage();
  std::vector<std::string> station;
  if (!Programs->Records().empty()) {
    SplitText(Programs->Records().front(), std::string_view(&FieldSeparator, 1), station);
  }
  shownStation_ = RecordField(station, 0);
  const bool mine = mode == MyChannelView;
  LoadButtonPictures(chan_add_img, mine ? "deletefrom.gif" : "addto.gif", mine ? "deletefrom_ovr.gif" : "addto_ovr.gif",
                     mine ? "deletefrom_ovr.gif" : "addto_ovr.gif");
  SetTag(chan_add_img, mode);
  // A reply without its station has nothing to add or delete.
  chan_add_img->setVisible(!station.empty());
  ShowView(Panel3);
}

void TfrmChannel::chan_add_imgClick() {
  const bool add = Tag(chan_add_img) == OtherChannelView;
  const std::string channelId = shownStation_;
  const QPointer<TfrmChannel> self(this);
  const int answer = ShowConfirm(add ? "Do you really want to  add this channel?"
                                     : "Do you really want to delete this channel from your channel list?");
  if (!self) return;
  if (answer != 1) {
    ReloadMyChannelIds();
    return;
  }
  Request([add, channelId] { return RequestChannelEdit(add, channelId); },
          [this, add, channelId](const std::string& reply) {
            if (reply.empty()) {
              const QPointer<TfrmChannel> self(this);
              ShowAlert("Please try again later.");
              if (self) ReloadMyChannelIds();
              return;
            }
            if (!IsSuccessCode(ReplyCode(reply))) {
              ReloadMyChannelIds();
              return;
            }
            Programs->Clear();
            // The IDs first, so the station comes back under the right header.
            ReloadMyChannelIds([this, add, channelId] {
              if (add) {
                LoadChannelPrograms(channelId, MyChannelView);
              } else {
                ShowHome();
              }
            });
          });
}

void TfrmChannel::imgMyClick() {
  TfrmChannelList::CloseOpenList();
  Request([] { return RequestMyChannels(); }, [this](const std::string& reply) { ShowMyChannels(reply); });
}

void TfrmChannel::ShowMyChannels(const std::string& reply) {
  // An error is not a list without channels.
  if (ReplyFailed(reply)) {
    ShowAlert("Please try again later.");
    return;
  }
  KeepMyChannelIds(reply);
  const ChannelEntries channels = ParseMyChannels(reply);
  if (channels.empty()) {
    ShowAlert("There is no channel on your list.");
    return;
  }
  const QPoint corner = imgMy->mapToGlobal(QPoint(imgMy->width(), imgMy->height() / 2));
  const QPointer<TfrmChannel> self(this);
  TfrmChannelList::Open(imgMy->window(), channels, corner, [self](const std::string& channelId) {
    if (self) self->LoadChannelPrograms(channelId, MyChannelView);
  });
}

void TfrmChannel::ReloadMyChannelIds(std::function<void()> next) {
  Request([] { return RequestMyChannels(); }, [this, next = std::move(next)](const std::string& reply) {
    KeepMyChannelIds(reply);
    if (next) next();
  });
}

void TfrmChannel::KeepMyChannelIds(const std::string& reply) {
  // A failed request keeps the IDs known so far.
  if (!IsSuccessCode(ReplyCode(reply))) return;
  myChannelIds_.clear();
  for (const auto& [channelId, name] : ParseMyChannels(reply)) myChannelIds_.push_back(channelId);
}

}  // namespace velomira
