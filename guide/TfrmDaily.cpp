#include "TfrmDaily.h"

#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QSignalBlocker>

#include "CategoryCombo.h"
#include "GuideLayout.h"
#include "ProgramListPanel.h"
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

const GuideWindowSpec kDailySpec{.WindowName = "frmDaily",
                                 .PanelName = "PnlDaily",
                                 .Caption = "Daily Guide",
                                 .CaptionHint = "",
                                 .SubCaption = "Select the day and category.",
                                 .BannerLetter = 'd',
                                 .LogLetter = 'd',
                                 .OpenCounter = &UsageRecord::DailyOpens};

// The last request's values, kept for the paging bar; like the pages they outlive
// the window.
struct DailyQuery {
  int Category = 0;
  int Day = 1;
};

DailyQuery& LastQuery() {
  static DailyQuery query;
  return query;
}

PagingState& DailyPaging() {
  static PagingState paging;
  return paging;
}

struct DayButton {
  const char* Name;
  const char* Picture;
  const char* OverPicture;  // also the pressed picture
};
constexpr std::array<DayButton, 7> kDayButtons{{{"imgSu", "su.gif", "Su_ovr.gif"},
                                                {"imgMo", "Mo.gif", "Mo_ovr.gif"},
                                                {"imgTu", "Tu.gif", "Tu_ovr.gif"},
                                                {"imgWe", "We.gif", "We_ovr.gif"},
                                                {"imgTh", "Th.gif", "Th_ovr.gif"},
                                                {"imgFr", "Fr.gif", "Fr_ovr.gif"},
                                                {"imgSa", "Sa.gif", "Sa_ovr.gif"}}};

constexpr QPoint kFirstDayButton(10, 56);
constexpr QSize kDayButtonSize(34, 18);
constexpr int kDayButtonStep = 38;
constexpr QRect kCategoryPlace(10, 79, 150, 20);
constexpr QRect kListPlace(10, 104, 258, guide_layout::kListBottom - 104);

constexpr int kHeaderTop = 4;
constexpr int kRowsTop = 23;
constexpr int kNotFoundTop = 18;
constexpr QPoint kHintPicture(8, 24);

// The member's date: the UTC clock moved by the member's offset, as the member's clock is.
QDate MemberToday() {
  const DateTime utc = UtcNow();
  const ClientState& state = State();
  const int minutes = utc.Hour * 60 + utc.Minute + state.TimeZoneHours * 60 + state.TimeZoneMinutes;
  const int days = minutes >= 0 ? minutes / 1440 : -((1439 - minutes) / 1440);
  return QDate(utc.Year, utc.Month, utc.Day).addDays(days);
}

// 1 Sunday to 7 Saturday, as the service numbers the days.
int DayNumber(const QDate& date) { return date.dayOfWeek() % 7 + 1; }

}  // namespace

TfrmDaily::TfrmDaily(MainWindowHost& host) : GuideWindow(host, kDailySpec) {
  today_ = MemberToday();
  todayWeekday_ = DayNumber(today_);
  selectedDay_ = todayWeekday_;

  for (std::size_t i = 0; i < kDayButtons.size(); ++i) {
    auto* button = new THoverImage(Panel);
    button->setObjectName(kDayButtons[i].Name);
    LoadButtonPictures(button, kDayButtons[i].Picture, kDayButtons[i].OverPicture, kDayButtons[i].OverPicture);
    const int day = static_cast<int>(i) + 1;
    SetTag(button, day);
    button->setGeometry(QRect(kFirstDayButton + QPoint(kDayButtonStep * static_cast<int>(i), 0), kDayButtonSize));
    connect(button, &THoverImage::OnClick, this, [this, day] { SelectDay(day); });
    DayButtons[i] = button;
  }

  CmbCate = MakeCategoryCombo(Panel, "Select Category", kCategoryPlace);
  connect(CmbCate, &QComboBox::currentIndexChanged, this, &TfrmDaily::CmbCateChange);

  ProgramListPlaces places;
  places.List = kListPlace;
  places.Paging = guide_layout::kPagingBar;
  places.PictureDrop = 7;
  List = new ProgramListPanel(*this, Panel, DailyPaging(), places);
  List->PlaceHeader = [this] { return PlaceHeader(); };
  List->PageRequest = [](int page) -> ProgramListPanel::RequestWork {
    // The offset as it is now: the member may have changed it since the first page.
    const DailyQuery query = LastQuery();
    const int gmt = State().TimeZoneHours;
    return [query, gmt, page] { return RequestDailyPrograms(query.Category, query.Day, gmt, page); };
  };
  List->ShowEmpty = [this] { ShowNotFound(); };
}

TfrmDaily::~TfrmDaily() = default;

void TfrmDaily::Opened() {
  Panel->update();
  SelectDay(todayWeekday_);
}

int TfrmDaily::ChosenCategory() const { return CategoryNumber(CmbCate->currentIndex()); }

void TfrmDaily::SelectDay(int day) {
  if (day < 1 || day > 7 || Busy()) return;
  if (ChosenCategory() == 0) {
    ShowDay(day);
    ShowNoCategory();
    return;
  }
  RequestDay(day, true);
}

void TfrmDaily::CmbCateChange() {
  if (ChosenCategory() == 0) {
    ShowNoCategory();
    return;
  }
  RequestDay(selectedDay_, false);
}

void TfrmDaily::ShowDay(int day) {
  for (THoverImage* button : DayButtons) button->SetClicked(Tag(button) == day);
  selectedDay_ = day;
  LastQuery().Day = day;
}

void TfrmDaily::RequestDay(int day, bool statusChecked) {
  const DailyQuery query{ChosenCategory(), day};
  const int gmt = State().TimeZoneHours;
  Request([query, gmt] { return RequestDailyPrograms(query.Category, query.Day, gmt); },
          [this, query, statusChecked](const std::string& reply) {
            // A day's request also counts a reply without a status number as failed.
            if (ReplyFailed(reply) || (statusChecked && ReplyCode(reply) == 0)) {
              const QSignalBlocker quiet(CmbCate);
              CmbCate->setCurrentIndex(shownCategoryIndex_);
              ShowAlert("Please try again later.");
              return;
            }
            ShowDay(query.Day);
            LastQuery().Category = query.Category;
            shownCategoryIndex_ = CmbCate->currentIndex();
            List->PagingBar->setEnabled(true);
            // A reply without programs needs no second request to say so.
            if (ReplyBody(reply).empty()) {
              ShowNotFound();
            } else {
              List->Load(reply);
            }
          });
}

int TfrmDaily::PlaceHeader() {
  const int ahead = (selectedDay_ - todayWeekday_ + 7) % 7;
  const QDate date = today_.addDays(ahead);
  QString choice = CmbCate->currentText();
  if (ChosenCategory() == 0) choice = ahead != 0 ? "Not select category" : "HOTTEST STUFF";
  // English day names whatever the system's language, in the date format the member knows.
  const QString text = QLocale::c().dayName(date.dayOfWeek()) + "," +
                       QLocale::system().toString(date, QLocale::ShortFormat) + "  " + choice;
  QLabel* header = List->AddHeaderLabel(FromQString(text), 2, kHeaderTop, guide_layout::kHeaderColor);
  // Narrow, so the longest day name and date with "Not select category" still fit.
  QFont font = header->font();
  font.setStretch(QFont::Condensed);
  header->setFont(font);
  header->adjustSize();
  return kRowsTop;
}

void TfrmDaily::ShowNoCategory() {
  shownCategoryIndex_ = CmbCate->currentIndex();
  List->Clear();
  List->ResetPages();
  List->PagingBar->setEnabled(false);
  PlaceHeader();
  List->AddHeaderPicture(State().ButtonDir, "daily_edit.gif", kHintPicture.x(), kHintPicture.y());
}

void TfrmDaily::ShowNotFound() {
  List->Clear();
  List->ResetPages();
  PlaceHeader();
  List->AddHeaderLabel("program(s) not found.", 2, kNotFoundTop, guide_layout::kHeaderColor);
}

}  // namespace velomira
