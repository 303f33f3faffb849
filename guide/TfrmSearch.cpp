#include "TfrmSearch.h"

#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

#include "CategoryCombo.h"
#include "GuideLayout.h"
#include "ProgramListPanel.h"
#include "SearchOnEnter.h"
#include "controls/CodePageText.h"
#include "controls/THoverImage.h"
#include "controls/TPicturePanel.h"
#include "core/ServletRequests.h"
#include "core/dFunc.h"
#include "core/qt/WindowChrome.h"
#include "mainwin/alertbox/AlertBox.h"

namespace velomira {

namespace {

const GuideWindowSpec kSearchSpec{
    .WindowName = "frmSearch",
    .PanelName = "PnlSearch",
    .Caption = "Search",
    .CaptionHint =
        "Explore the Net quickly and efficiently. Velomira Search will get the programs you want minus "
        "the hassle.",
    .SubCaption = "",
    .BannerLetter = 's',
    .LogLetter = 's',
    .OpenCounter = &UsageRecord::SearchOpens,
    .TitleBarStopsBanner = true};

// The last search, kept for the paging bar: the keyword as typed, so every page
// sends it encoded exactly like the first.
struct SearchQuery {
  int Category = 0;
  std::string Keyword;
  std::string TimeCode;
};

SearchQuery& LastQuery() {
  static SearchQuery query;
  return query;
}

PagingState& SearchPaging() {
  static PagingState paging;
  return paging;
}

constexpr QRect kKeyPlace(12, 44, 192, 20);
constexpr QRect kSearchButtonPlace(210, 45, 64, 18);
constexpr QRect kCategoryPlace(12, 69, 128, 20);
constexpr QRect kTimePlace(146, 69, 128, 20);
constexpr QRect kListPlace(10, 96, 258, guide_layout::kListBottom - 96);

constexpr int kHeaderTop = 4;
constexpr int kRowsTop = 23;

}  // namespace

TfrmSearch::TfrmSearch(MainWindowHost& host) : GuideWindow(host, kSearchSpec) {
  SubCaption->hide();

  TxtKey = new QLineEdit(Panel);
  TxtKey->setObjectName("TxtKey");
  TxtKey->setFont(guide_layout::LabelFont());
  TxtKey->setGeometry(kKeyPlace);

  imgSearch = new THoverImage(Panel);
  imgSearch->setObjectName("imgSearch");
  LoadButtonPictures(imgSearch, "Search_Button.gif", "search_Button_ovr.gif", "search_Button_ovr.gif");
  imgSearch->setGeometry(kSearchButtonPlace);
  connect(imgSearch, &THoverImage::OnClick, this, &TfrmSearch::imgSearchClick);
  SearchOnEnter(TxtKey, imgSearch, [this] { imgSearchClick(); });

  CmbCate = MakeCategoryCombo(Panel, "All Categories", kCategoryPlace);

  UpdateCurrentTime();
  const TimeOfDay now = State().CurrentTime;
  times_ = SearchTimeChoices(now.Hour, now.Minute);
  CmbTime = new QComboBox(Panel);
  CmbTime->setObjectName("CmbTime");
  CmbTime->setFont(guide_layout::LabelFont());
  for (const SearchTime& time : times_) CmbTime->addItem(ToQString(time.Text));
  CmbTime->setGeometry(kTimePlace);

  ProgramListPlaces places;
  places.List = kListPlace;
  places.Paging = guide_layout::kPagingBar;
  List = new ProgramListPanel(*this, Panel, SearchPaging(), places);
  List->PlaceHeader = [this] { return PlaceHeader(); };
  List->PageRequest = [](int page) -> ProgramListPanel::RequestWork {
    const SearchQuery query = LastQuery();
    return [query, page] { return RequestSearchPrograms(query.Category, query.Keyword, query.TimeCode, page); };
  };
  List->ShowEmpty = [this] { ShowNoneFound(); };
  // The pages of a search shown in an earlier window are not this one's to turn.
  List->ResetPages();
}

TfrmSearch::~TfrmSearch() = default;

void TfrmSearch::Opened() { TxtKey->setFocus(); }

void TfrmSearch::imgSearchClick() {
  if (Busy()) return;
  if (TxtKey->text().isEmpty()) {
    ShowNotice("Please enter a keyword.");
    return;
  }
  const std::size_t time = static_cast<std::size_t>(std::max(CmbTime->currentIndex(), 0));
  const SearchQuery query{CategoryNumber(CmbCate->currentIndex()), FromQString(TxtKey->text()),
                          time < times_.size() ? times_[time].Code : times_.front().Code};
  Request([query] { return RequestSearchPrograms(query.Category, query.Keyword, query.TimeCode); },
          [this, query](const std::string& reply) {
            const auto result = List->Load(reply);
            // The paging bar goes on with the search the list shows.
            if (result != ProgramListPanel::LoadResult::Failed) LastQuery() = query;
            if (result == ProgramListPanel::LoadResult::Empty) ShowNoneFound();
            TxtKey->setFocus();
          });
}

int TfrmSearch::PlaceHeader() {
  const std::string count = std::to_string(List->Records().size());
  List->AddHeaderLabel(count + " program(s) found.", 2, kHeaderTop, guide_layout::kHeaderColor);
  // The rows that follow give the real pages.
  List->ResetPages();
  return kRowsTop;
}

void TfrmSearch::ShowNoneFound() {
  List->Clear();
  PlaceHeader();
}

}  // namespace velomira
