#include "ProgramListPanel.h"

#include <QLabel>
#include <QScrollBar>
#include <algorithm>
#include <cctype>
#include <charconv>

#include "GuideLayout.h"
#include "GuideWindow.h"
#include "controls/CodePageText.h"
#include "controls/THoverImage.h"
#include "controls/THoverLabel.h"
#include "controls/TImage.h"
#include "controls/Tag.h"
#include "core/dFunc.h"
#include "core/qt/SkinPicture.h"
#include "core/qt/WindowChrome.h"
#include "mainwin/alertbox/AlertBox.h"

namespace velomira {

namespace {

constexpr int kRowsShown = 5;
constexpr int kRowsTopUnderHeader = 23;
constexpr int kRowsTopWithoutHeader = 4;
constexpr int kButtonWidth = 18;
constexpr int kPageLabelWidth = 44;

std::string GuideMediaPicture(const std::string& letter) {
  if (letter.empty()) return {};
  switch (std::tolower(static_cast<unsigned char>(letter[0]))) {
    case 'v': return "M_back.gif";
    case 'c': return "chat_back.gif";
    case 'a': return "sound_back.gif";
    default: return {};
  }
}

// Only programs without a page of their own ("s") lose the link here.
std::string GuideProgramLink(const std::string& kind, const std::string& address) {
  return EqualsNoCase(kind, "s") ? std::string() : RowLabelAddress({}, address);
}

ProgramRowStyle GuideRowStyle(int pictureDrop) {
  using namespace guide_layout;
  ProgramRowStyle style;
  style.TitleFont = LabelFont(true);
  style.TextFont = RowTextFont();
  style.TitleColor = kRowTitleColor;
  style.TextColor = kRowTextColor;
  style.ClickColor = kRowClickColor;
  style.EnterColor = kRowEnterColor;
  style.LabelGap = 6;
  style.PictureDrop = pictureDrop;
  style.MediaDrop = pictureDrop + 2;
  style.WrapWidth = 216;
  style.MediaPicture = GuideMediaPicture;
  style.ProgramLink = GuideProgramLink;
  return style;
}

// Takes a control out of the list at once and frees it once control is back in the
// event loop, so a row can go while one of its own handlers still runs.
void Discard(QWidget* control) {
  control->hide();
  control->setParent(nullptr);
  control->deleteLater();
}

}  // namespace

int PageNumber(const std::string& field) {
  int value = 0;
  const char* end = field.data() + field.size();
  const auto [stop, error] = std::from_chars(field.data(), end, value);
  return error == std::errc() && stop == end && value >= 1 ? value : 1;
}

int PageForButton(int tag, int currentPage, int totalPages) {
  const int total = std::max(totalPages, 1);
  int page = 0;
  switch (tag) {
    case 1: page = currentPage != 1 ? 1 : 0; break;
    case 2: page = currentPage != 1 ? currentPage - 1 : 0; break;
    case 3: page = currentPage != totalPages ? currentPage + 1 : 0; break;
    case 4: page = currentPage != totalPages ? total : 0; break;
    default: break;
  }
  return page == 0 ? 0 : std::clamp(page, 1, total);
}

ProgramListPanel::ProgramListPanel(GuideWindow& window, QWidget* parent, PagingState& paging,
                                   const ProgramListPlaces& places)
    : QObject(parent),
      window_(window),
      paging_(paging),
      rows_(nullptr, GuideRowStyle(places.PictureDrop), nullptr) {
  PnlInfo = new QWidget(parent);
  PnlInfo->setObjectName(places.ListName);
  PnlInfo->setGeometry(places.List);
  rows_ = ProgramRowBuilder(PnlInfo, GuideRowStyle(places.PictureDrop),
                            [this](THoverLabel* label) { ConnectRowLabel(label); });

  scbPreset = new QScrollBar(Qt::Vertical, parent);
  scbPreset->setObjectName("scbPreset");
  scbPreset->setGeometry(places.List.right() + 1, places.List.top(), guide_layout::kScrollWidth,
                         places.List.height());
  scbPreset->setRange(0, 0);
  scbPreset->setSingleStep(1);
  scbPreset->setPageStep(kRowsShown);
  connect(scbPreset, &QScrollBar::valueChanged, this, &ProgramListPanel::ScrollChanged);

  PagingBar = new QWidget(parent);
  PagingBar->setObjectName(places.PagingBarName);
  PagingBar->setGeometry(places.Paging);
  const int top = (places.Paging.height() - 16) / 2;
  int x = places.Paging.width() - 4 * kButtonWidth - kPageLabelWidth - 8;
  if (places.HomeButton) {
    HomeButton = new THoverImage(PagingBar);
    HomeButton->setObjectName("btnHome");
    LoadButtonPictures(HomeButton, "btn_home.gif", "btn_home_ovr.gif", "btn_home_ovr.gif");
    HomeButton->setGeometry(x - kButtonWidth - 4, top, kButtonWidth, 16);
    connect(HomeButton, &THoverImage::OnClick, this, &ProgramListPanel::HomeClicked);
  }
  static constexpr std::array<const char*, 4> kPictures{"btn_first", "btn_previous", "btn_next", "btn_end"};
  static constexpr std::array<const char*, 4> kNames{"btnFirst", "btnPrevious", "btnNext", "btnEnd"};
  for (int i = 0; i < 4; ++i) {
    auto* button = new THoverImage(PagingBar);
    button->setObjectName(kNames[static_cast<std::size_t>(i)]);
    const std::string picture = kPictures[static_cast<std::size_t>(i)];
    LoadButtonPictures(button, picture + ".gif", picture + "_ovr.gif", picture + "_ovr.gif");
    SetTag(button, i + 1);
    connect(button, &THoverImage::OnClick, this, [this, i] { PagingClick(i + 1); });
    PagingButtons[static_cast<std::size_t>(i)] = button;
  }
  PageLabel = MakeGuideLabel(PagingBar, places.PageLabelName, "1 / 1", {}, guide_layout::kCaptionColor);
  PageLabel->setAlignment(Qt::AlignCenter);
  for (QWidget* control : {static_cast<QWidget*>(PagingButtons[0]), static_cast<QWidget*>(PagingButtons[1]),
                           static_cast<QWidget*>(PageLabel), static_cast<QWidget*>(PagingButtons[2]),
                           static_cast<QWidget*>(PagingButtons[3])}) {
    const int width = control == PageLabel ? kPageLabelWidth : kButtonWidth;
    control->setGeometry(x, top, width, 16);
    x += width + 2;
  }
}

ProgramListPanel::~ProgramListPanel() = default;

ProgramListPanel::LoadResult ProgramListPanel::Load(const std::string& reply) {
  if (ReplyFailed(reply) || (StatusMustBeNumeric && ReplyCode(reply) == 0)) {
    ShowAlert("Please try again later.");
    return LoadResult::Failed;
  }
  Clear();
  const std::string_view body = ReplyBody(reply);
  if (body.empty()) return LoadResult::Empty;
  SplitText(body, std::string_view(&RecordSeparator, 1), records_);
  scrollAttached_ = false;
  scbPreset->setRange(0, static_cast<int>(records_.size()) - 1);
  scbPreset->setValue(0);
  BuildRows();
  scrollAttached_ = true;
  return LoadResult::Loaded;
}

void ProgramListPanel::Clear() {
  ClearRows();
  records_.clear();
  scrollAttached_ = false;
  scbPreset->setRange(0, 0);
  scrollAttached_ = true;
}

void ProgramListPanel::ClearRows() {
  for (QWidget* control : PnlInfo->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) Discard(control);
}

void ProgramListPanel::ScrollChanged() {
  if (scrollAttached_) BuildRows();
}

void ProgramListPanel::BuildRows() {
  if (records_.empty()) return;
  ClearRows();
  const int position = scbPreset->value();
  int y = kRowsTopWithoutHeader;
  int first = position;
  if (position == 0) {
    y = PlaceHeader ? PlaceHeader() : kRowsTopUnderHeader;
    first = FirstRecord;
  }
  const int end = std::min(position + kRowsShown, static_cast<int>(records_.size()));
  const auto [currentField, totalField] = PageFields();
  std::vector<std::string> fields;
  for (int n = first; n < end; ++n) {
    SplitText(records_[static_cast<std::size_t>(n)], std::string_view(&FieldSeparator, 1), fields);
    paging_.CurrentPage = PageNumber(RecordField(fields, currentField));
    paging_.TotalPages = PageNumber(RecordField(fields, totalField));
    y = BuildRecordRow(n, fields, y);
  }
  ShowPage();
}

int ProgramListPanel::BuildRecordRow(int n, const ProgramFields& fields, int y) { return rows_.Build(n, fields, y); }

void ProgramListPanel::ShowPage() {
  PageLabel->setText(QString("%1 / %2").arg(paging_.CurrentPage).arg(paging_.TotalPages));
}

void ProgramListPanel::ResetPages() {
  paging_.CurrentPage = 1;
  paging_.TotalPages = 1;
  ShowPage();
}

void ProgramListPanel::PagingClick(int tag) {
  const int page = PageForButton(tag, paging_.CurrentPage, paging_.TotalPages);
  if (page == 0 || !PageRequest || window_.Busy()) return;
  window_.Request(PageRequest(page), [this](const std::string& reply) {
    if (Load(reply) == LoadResult::Empty && ShowEmpty) ShowEmpty();
  });
}

void ProgramListPanel::ConnectRowLabel(THoverLabel* label) {
  connect(label, &THoverLabel::OnMouseEnter, this, [this, label] { LightRowPartners(PnlInfo, label, true); });
  connect(label, &THoverLabel::OnMouseExit, this, [this, label] { LightRowPartners(PnlInfo, label, false); });
  connect(label, &THoverLabel::OnClick, this, [this, label] { RowLabelClicked(label); });
}

void ProgramListPanel::RowLabelClicked(THoverLabel* label) {
  const int n = Tag(label);
  if (n < 0 || n >= static_cast<int>(records_.size())) return;
  std::vector<std::string> fields;
  SplitText(records_[static_cast<std::size_t>(n)], std::string_view(&FieldSeparator, 1), fields);
  ProgramRowClicked(PnlInfo, label, fields, true);
}

QLabel* ProgramListPanel::AddHeaderLabel(const std::string& text, int x, int y, const QColor& color, bool bold,
                                         int pixelSize, int wrapWidth) {
  QLabel* label = MakeGuideLabel(PnlInfo, "", ToQString(text), {}, color, bold, pixelSize);
  label->setTextFormat(Qt::PlainText);
  if (wrapWidth > 0) {
    label->setWordWrap(true);
    label->setGeometry(x, y, wrapWidth, label->heightForWidth(wrapWidth));
  } else {
    label->adjustSize();
    label->move(x, y);
  }
  label->show();
  return label;
}

TImage* ProgramListPanel::AddHeaderPicture(const std::string& folder, const std::string& file, int x, int y) {
  auto* picture = new TImage(PnlInfo);
  picture->SetAutoSize(true);
  picture->SetPicture(LoadSkinPicture(folder, file));
  picture->move(x, y);
  picture->show();
  return picture;
}

}  // namespace velomira
