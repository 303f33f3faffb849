#include "TfrmChannelList.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGraphicsOpacityEffect>
#include <QPointer>
#include <algorithm>

#include "GuideLayout.h"
#include "controls/CodePageText.h"
#include "controls/THoverImage.h"
#include "controls/THoverLabel.h"
#include "controls/TImage.h"
#include "controls/Tag.h"
#include "core/qt/WindowChrome.h"

namespace velomira {

namespace {

constexpr int kWidth = 103;
constexpr int kArrowHeight = 11;
constexpr int kRowHeight = 16;
constexpr int kRowsShown = 10;
constexpr int kTextLeft = 5;
constexpr int kGlassTint = 1;
const QColor kTextColor(Qt::white);
const QColor kEnterColor(0xFF, 0xD2, 0x4A);
const QColor kClickColor(0xB2, 0xB2, 0xB2);

QPointer<TfrmChannelList>& LiveList() {
  static QPointer<TfrmChannelList> list;
  return list;
}

// An arrow that leads nowhere is disabled and shows faded.
void EnableArrow(THoverImage* arrow, bool enabled) {
  arrow->setEnabled(enabled);
  if (enabled) {
    arrow->setGraphicsEffect(nullptr);
    return;
  }
  auto* fade = new QGraphicsOpacityEffect(arrow);
  fade->setOpacity(0.35);
  arrow->setGraphicsEffect(fade);
}

THoverImage* MakeArrow(QWidget* parent, const char* name, const std::string& picture, int tag, int top) {
  auto* arrow = new THoverImage(parent);
  arrow->setObjectName(name);
  LoadButtonPictures(arrow, picture + ".gif", picture + "_ovr.gif", picture + "_ovr.gif");
  SetTag(arrow, tag);
  arrow->setGeometry(0, top, kWidth, kArrowHeight);
  return arrow;
}

}  // namespace

TfrmChannelList::TfrmChannelList(QWidget* owner, const ChannelEntries& channels, ChooseChannel choose)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      itemCount_(static_cast<int>(channels.size())),
      choose_(std::move(choose)) {
  setObjectName("frmChannelList");
  setAttribute(Qt::WA_DeleteOnClose);
  const int rows = std::clamp(itemCount_, 1, kRowsShown);
  resize(kWidth, 2 * kArrowHeight + rows * kRowHeight);

  imgUp = MakeArrow(this, "imgUp", "ListUp", -1, 0);
  PnlChannelList = new TImage(this);
  PnlChannelList->setObjectName("PnlChannelList");
  PnlChannelList->SetStretch(true);
  PnlChannelList->setGeometry(0, kArrowHeight, kWidth, rows * kRowHeight);
  imgDown = MakeArrow(this, "imgDown", "ListDown", 1, kArrowHeight + rows * kRowHeight);
  for (THoverImage* arrow : {imgUp, imgDown}) {
    connect(arrow, &THoverImage::OnClick, this, [this, arrow] { SetNowIndex(nowIndex_ + Tag(arrow)); });
  }

  const QFont font = guide_layout::LabelFont();
  const QFontMetrics metrics(font);
  for (std::size_t n = 0; n < channels.size(); ++n) {
    const auto& [channelId, name] = channels[n];
    auto* label = new THoverLabel(PnlChannelList);
    label->setObjectName(QString("Label%1").arg(n));
    label->setFont(font);
    label->SetFontColor(kTextColor);
    label->SetColorEnter(kEnterColor);
    label->SetColorClick(kClickColor);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setText(metrics.elidedText(ToQString(name), Qt::ElideRight, kWidth - 2 * kTextLeft));
    label->setToolTip(ToQString(channelId));
    connect(label, &THoverLabel::OnClick, this, [this, channelId] {
      if (choose_) choose_(channelId);
      close();
    });
  }
  SetNowIndex(0);
}

TfrmChannelList* TfrmChannelList::Open(QWidget* owner, const ChannelEntries& channels, const QPoint& corner,
                                       ChooseChannel choose) {
  CloseOpenList();
  auto* list = new TfrmChannelList(owner, channels, std::move(choose));
  list->move(corner);
  // Taken before the list shows: afterwards the screen would hold the list itself.
  const QRect glass = list->PnlChannelList->geometry().translated(corner);
  TintScreenArea(kGlassTint, glass.width(), glass.height(), list->PnlChannelList, glass.top(), glass.left());
  LiveList() = list;
  list->show();
  return list;
}

void TfrmChannelList::CloseOpenList() {
  if (TfrmChannelList* list = LiveList()) list->close();
}

TfrmChannelList* TfrmChannelList::OpenList() { return LiveList(); }

void TfrmChannelList::SetNowIndex(int index) {
  nowIndex_ = std::clamp(index, 0, std::max(itemCount_ - kRowsShown, 0));
  EnableArrow(imgUp, nowIndex_ > 0);
  EnableArrow(imgDown, nowIndex_ + kRowsShown < itemCount_);
  PlaceLabels();
}

void TfrmChannelList::PlaceLabels() {
  for (int n = 0; n < itemCount_; ++n) {
    auto* label = PnlChannelList->findChild<THoverLabel*>(QString("Label%1").arg(n), Qt::FindDirectChildrenOnly);
    if (label == nullptr) continue;
    label->setVisible(n >= nowIndex_);
    label->setGeometry(kTextLeft, (n - nowIndex_) * kRowHeight, kWidth - 2 * kTextLeft, kRowHeight);
  }
}

void TfrmChannelList::closeEvent(QCloseEvent* event) {
  if (LiveList() == this) LiveList() = nullptr;
  QWidget::closeEvent(event);
}

}  // namespace velomira
