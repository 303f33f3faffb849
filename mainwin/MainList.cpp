// The main window's scrolling list: loading a list, the ticker that turns its lines
// into items, the rows items are laid out as, scrolling and the step buttons.
#include <QApplication>
#include <QCursor>
#include <QFileInfo>
#include <QMenu>
#include <QWheelEvent>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <limits>
#include <memory>

#include "BannerChoice.h"
#include "MainColors.h"
#include "MainListCycle.h"
#include "ProgramRows.h"
#include "RowTexts.h"
#include "TfrmMain.h"
#include "TickerRules.h"
#include "controls/CodePageText.h"
#include "controls/THoverLabel.h"
#include "controls/TImage.h"
#include "controls/TMyImage.h"
#include "controls/Tag.h"
#include "core/dFunc.h"
#include "core/qt/RunRequest.h"
#include "core/qt/SkinPicture.h"
#include "core/qt/WaitCursor.h"
#include "core/qt/WindowChrome.h"
#include "mainwin/alertbox/AlertBox.h"

namespace velomira {

namespace {

constexpr int kPanelStartTop = 233;  // just below the 230-pixel visible list area
constexpr int kLayoutLimit = 240;    // lay out only while the strip's bottom is above this
constexpr int kRowLabelWidth = 246;
constexpr int kItemsWaitingAtMost = 40;  // items the ticker may run ahead of the layout

// Takes a row out of the panel at once and frees it when control is back in the event
// loop, so a row can go while one of its own handlers is still running.
void DiscardRow(QWidget* row) {
  row->hide();
  row->setParent(nullptr);
  row->deleteLater();
}

}  // namespace

void TfrmMain::LoadMainList(int category, int subIndex, std::function<void()> shown) {
  RequestList(category, subIndex, ListLoad::Selection, [this, category, shown = std::move(shown)] {
    welcome2->hide();
    myedit_img->hide();
    // Items of the list before would otherwise still come in under the new title.
    StartFreshList();
    SelectedCategory = category;
    ApplyCategoryHighlight();
    shown();
  });
}

std::string TfrmMain::ListAddress(int category, int subIndex) const {
  if (category == MyListCategory) {
    return ServiceRoot() + "/servlet/servlet.GetProgramList?mode=my&usr_id=" + State().MemberId;
  }
  if (category < 1 || category > CategoryCount) return {};
  const auto lists = State().CategoryUrlLists.Get();
  const TextList& urls = (*lists)[static_cast<std::size_t>(category - 1)];
  // A list the lookup files do not name has no address to ask.
  if (subIndex < 0 || static_cast<std::size_t>(subIndex) >= urls.size()) return {};
  return "http://" + urls[static_cast<std::size_t>(subIndex)];
}

void TfrmMain::RequestList(int category, int subIndex, ListLoad kind, std::function<void()> shown) {
  // The member waits for a list he chose; a pass reload happens behind the rows.
  std::shared_ptr<WaitCursor> waiting;
  const bool scrolled = TimerMain->isActive();
  const bool ticked = TimerTicker->isActive();
  if (kind == ListLoad::Selection) {
    TimerTicker->stop();
    TimerMain->stop();
    waiting = std::make_shared<WaitCursor>();
  } else if (listPending_) {
    return;
  }
  const std::uint32_t serial = ++listSerial_;
  listPending_ = true;
  const std::string url = ListAddress(category, subIndex);
  RunRequest(
      this, [url] { return url.empty() ? std::string() : HttpPostText(url); },
      [this, serial, category, subIndex, url, kind, scrolled, ticked, waiting,
       shown = std::move(shown)](const std::string& reply) mutable {
        if (serial != listSerial_) return;  // the member chose another list meanwhile
        listPending_ = false;
        waiting.reset();
        // My list's "212" is an answer (no own list); a list the lookup files do not
        // name has no address and shows as a list without programs.
        const bool noOwnList = category == MyListCategory && reply.compare(0, 3, "212") == 0;
        if (!url.empty() && !noOwnList && ReplyFailed(reply)) {
          ListRequestFailed(kind, scrolled, ticked);
          return;
        }
        passFailureTold_ = false;
        if (shown) shown();
        ApplyList(category, subIndex, url, kind, reply);
      });
}

void TfrmMain::ListRequestFailed(ListLoad kind, bool scrolled, bool ticked) {
  if (kind == ListLoad::Selection) {
    // A window or the tray may have taken the list's place meanwhile; they run it again.
    if (!ScrollPaused) {
      if (scrolled) TimerMain->start();
      if (ticked) TimerTicker->start();
    }
  } else if (passFailureTold_) {
    return;
  }
  passFailureTold_ = true;
  ShowAlert("Please try again later.");
}

void TfrmMain::ApplyList(int category, int subIndex, const std::string& url, ListLoad kind,
                         const std::string& reply) {
  // A window or the tray took the list's place while the reply was on its way; the
  // timers start again when the list comes back.
  const bool held = ScrollPaused && !TimerTicker->isActive();
  MainListCycle& cycle = ListCycleState();
  if (kind == ListLoad::FreshPass) {
    StartFreshList();
    cycle.ListCycle = 1;
  } else if (kind == ListLoad::NextPass) {
    // Another pass: the lines come again after the items already there.
    ForgetScrolledItems();
    RebaseStrip();
    LineIndex = 0;
    // Counted only as far as a full reset needs; without one it never grows.
    if (cycle.ListCycle < State().ReloadPasses) ++cycle.ListCycle;
  }
  TimerTicker->stop();
  TimerMain->stop();
  // Only "the first load after a selection" matters: the count must not come round to 1.
  if (LoadCount < std::numeric_limits<std::uint8_t>::max()) ++LoadCount;
  ListLines.clear();

  if (category == MyListCategory && reply.compare(0, 3, "212") == 0) {
    ShowStatePicture(myedit_img);
    welcome->hide();
    ListEmpty = true;
    repaint();
    return;
  }
  if (!url.empty()) CurrentListUrl = url;
  ListEmpty = false;
  CurrentCategory = category;
  CurrentSubIndex = subIndex;

  const std::string_view body = ReplyBody(reply);
  if (!body.empty()) {
    SplitText(body, std::string(1, RecordSeparator), ListLines);
    if (LoadCount == 1) {
      ClearListPanel();
      PnlInfo->setGeometry(0, kPanelStartTop, PnlInfo->width(), 0);
      LineIndex = 0;
      RowTop = 2;
    }
    TickerStep();
    if (!held) {
      TimerTicker->start();
      TimerMain->start();
    }
    // The logo stays for a moment while the first row comes in.
    if (!welcome->isHidden()) QTimer::singleShot(1000, welcome, &QWidget::hide);
    return;
  }

  TimerList->stop();
  ClearListPanel();
  PnlInfo->setGeometry(0, kPanelStartTop, PnlInfo->width(), 0);
  ListEmpty = true;
  welcome->hide();
  myedit_img->hide();
  ShowStatePicture(welcome2);
  repaint();
}

void TfrmMain::TickerStep() {
  // A step that waits for the service lets the rows scroll on; it comes again.
  if (listPending_ || (newProgramsFor_ != 0 && newProgramsFor_ == listSerial_)) return;
  // At the fast speed the ticker brings items faster than the strip scrolls them in;
  // it waits while that many are still to be laid out.
  if (Items.Count() - NextRenderIndex >= kItemsWaitingAtMost) return;
  ClientState& state = State();
  MainListCycle& cycle = ListCycleState();
  if (LineIndex < static_cast<std::int32_t>(ListLines.size())) {
    AddListItem(ListLines[static_cast<std::size_t>(LineIndex)], false);
    const int count = ++LineIndex;
    if (BannerFollowsLine(count, state.BannerSteps)) AddListItem({}, true);
    if (NewProgramsFollowLine(count, state.NewCheckSteps, CurrentCategory)) InsertNewPrograms(CurrentCategory);
    return;
  }
  const bool fresh = state.ReloadPasses > 0 && cycle.ListCycle >= state.ReloadPasses;
  RequestList(CurrentCategory, CurrentSubIndex, fresh ? ListLoad::FreshPass : ListLoad::NextPass);
}

void TfrmMain::InsertNewPrograms(int category) {
  MainListCycle& cycle = ListCycleState();
  const bool fetch = cycle.NewProgramIndex == 0;
  ++cycle.NewProgramIndex;
  if (cycle.NewProgramIndex == State().NewFetchChecks) cycle.NewProgramIndex = 0;
  if (!fetch) {
    AddNewProgramsItem();
    return;
  }
  const std::string url =
      ServiceRoot() + "/servlet/servlet.GetProgramList?mode=new&cate1=" + NewProgramCode(category);
  const std::uint32_t serial = listSerial_;
  newProgramsFor_ = serial;
  RunRequest(this, [url] { return HttpPostText(url); }, [this, serial](const std::string& reply) {
    if (newProgramsFor_ == serial) newProgramsFor_ = 0;
    ListCycleState().NewProgramReply = reply;
    if (serial == listSerial_) AddNewProgramsItem();
  });
}

void TfrmMain::AddNewProgramsItem() {
  const std::string_view body = ReplyBody(ListCycleState().NewProgramReply);
  if (!body.empty()) AddListItem(std::string(body), false);
}

void TfrmMain::AddListItem(const std::string& text, bool isBanner) {
  TVelomiraItem& item = Items.AddNew();
  item.IsBanner = isBanner;
  item.Text = text;
  std::vector<std::string> fields;
  SplitText(text, std::string(1, FieldSeparator), fields);
  // "0" or nothing: the program has no banner of its own.
  if (fields.size() > 12 && !fields[12].empty() && fields[12] != "0") AddListItem(fields[12], true);
  if (!TimerList->isActive()) TimerList->start();
  TimerListTimer();
}

void TfrmMain::TimerListTimer() {
  const int index = NextRenderIndex;
  if (index < 0 || index >= Items.Count()) return;
  if (index > 0) {
    if (PnlInfo->y() + PnlInfo->height() >= kLayoutLimit) return;
    // When the ticker feeds lines more slowly than the strip scrolls, the strip runs dry
    // and its end moves up past the visible area; a row laid out there would start
    // above the list and vanish at once. While scrolling, let it enter from below.
    if (TimerMain->isActive()) RowTop = std::max(RowTop, kPanelStartTop - PnlInfo->y());
    if (Items.Get(index).IsBanner) {
      BuildBannerRow(index);
    } else {
      BuildProgramRows(index);
    }
  } else {
    BuildProgramRows(index);
  }
  ++NextRenderIndex;
}

namespace {

ProgramRowStyle MainRowStyle() {
  ProgramRowStyle style;
  style.TitleFont = RowFont(true);
  style.TextFont = RowFont(false);
  style.TitleColor = ToolkitColor(kTitleRowColor);
  style.TextColor = ToolkitColor(kRowColor);
  style.ClickColor = ToolkitColor(kRowClickColor);
  style.EnterColor = Qt::white;
  style.WrapWidth = kRowLabelWidth;
  style.MediaPicture = MediaIconName;
  style.ProgramLink = RowLabelAddress;
  return style;
}

}  // namespace

void TfrmMain::BuildProgramRows(int index) {
  TVelomiraItem& item = Items.Get(index);
  std::vector<std::string> fields;
  SplitText(item.Text, std::string(1, FieldSeparator), fields);
  item.Top = RowTop;
  const ProgramRowBuilder rows(PnlInfo, MainRowStyle(), [this](THoverLabel* label) {
    label->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(label, &THoverLabel::OnMouseEnter, this, [this, label] { lblMouseEnter(label); });
    connect(label, &THoverLabel::OnMouseExit, this, [this, label] { lblMouseExit(label); });
    connect(label, &THoverLabel::OnClick, this, [this, label] { lblClick(label); });
    connect(label, &QWidget::customContextMenuRequested, this, [this, label](const QPoint& at) {
      popupLabel_ = label;
      popMenuPopup(label);
      popMenu->exec(label->mapToGlobal(at));
    });
  });
  RowTop = rows.Build(index, fields, RowTop);
  PnlInfo->resize(PnlInfo->width(), RowTop);
}

void TfrmMain::BuildBannerRow(int index) {
  ClientState& state = State();
  TVelomiraItem& item = Items.Get(index);
  const auto banners = state.Banners.Get();
  const BannerChoice choice =
      ChooseBanner(item.Text, CurrentCategory, CurrentSubIndex, banners->Table,
                   banners->ByCategory, ListCycleState().BannerPositions, UtcStamp());
  if (!choice.Found || choice.File.empty() || !FileExistsAnyCase(state.BannerDir + choice.File)) return;

  auto* banner = new TMyImage(PnlInfo);
  banner->setObjectName(QString::fromStdString("BA" + std::to_string(index)));
  banner->SetStretch(true);
  banner->SetPicture(LoadSkinPicture(state.BannerDir, choice.File));
  banner->setGeometry((PnlInfo->width() - 232) / 2, RowTop, 232, 35);
  banner->SetUrl(choice.Link);
  SetTag(banner, index);
  const UsageLines kind = choice.Kind;
  const std::string hint = choice.Hint;
  connect(banner, &TMyImage::OnClick, this, [kind, hint] { AddUsageLine(kind, hint); });
  banner->show();
  item.Top = RowTop;
  RowTop += 35 + 10;
  // The strip grows with the banner, or it would stay clipped until the next program.
  PnlInfo->resize(PnlInfo->width(), RowTop);
}

void TfrmMain::TimerMainTimer() {
  if (ScrollPaused) return;
  PnlInfo->move(PnlInfo->x(), PnlInfo->y() - 1);
  RemoveScrolledRows();
}

void TfrmMain::RemoveScrolledRows() {
  const int panelTop = PnlInfo->y();
  int index = 0;
  while (index < PnlInfo->children().size()) {
    auto* row = qobject_cast<QWidget*>(PnlInfo->children().at(index));
    const bool isRow = qobject_cast<THoverLabel*>(row) != nullptr || qobject_cast<TImage*>(row) != nullptr;
    if (isRow && row->y() + panelTop + row->height() < 0) {
      TopItemIndex = Tag(row);
      DiscardRow(row);  // the next row moved into this index
    } else {
      ++index;
    }
  }
}

void TfrmMain::ClearListPanel() {
  for (QWidget* row : PnlInfo->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) DiscardRow(row);
  RowTop = 6;
  PnlInfo->setGeometry(0, 0, PnlInfo->width(), 0);
}

void TfrmMain::RebuildFromItem() {
  TimerMain->stop();
  ClearListPanel();
  for (int step = 0; step < 5; ++step) TimerListTimer();
  TimerMain->start();
}

void TfrmMain::TransparentButton3Click(int tag) {
  switch (tag) {
    case 1:
      if (TopItemIndex >= 0 && PnlInfo->height() >= 234) {
        NextRenderIndex = TopItemIndex + 1;
        ++TopItemIndex;
        RebuildFromItem();
      }
      break;
    case 2:
      if (TimerMain->isActive()) {
        TimerMain->stop();
      } else {
        TimerMain->start();
      }
      break;
    case 3:
      TopItemIndex = std::max(TopItemIndex, 0);
      NextRenderIndex = TopItemIndex;
      --TopItemIndex;
      RebuildFromItem();
      break;
    default:
      break;
  }
}

void TfrmMain::FormMouseWheelUp() { TransparentButton3Click(1); }
void TfrmMain::FormMouseWheelDown() { TransparentButton3Click(3); }

void TfrmMain::wheelEvent(QWheelEvent* event) {
  const QPoint at = QCursor::pos();
  if (TimerMain->isActive() && ControlNameAt(at.x(), at.y()) == "PnlInfo") {
    if (event->angleDelta().y() > 0) {
      FormMouseWheelUp();
    } else if (event->angleDelta().y() < 0) {
      FormMouseWheelDown();
    }
  }
  event->accept();
}

THoverLabel* TfrmMain::RowLabel(char letter, int index) const { return FindRowLabel(PnlInfo, letter, index); }

void TfrmMain::lblMouseEnter(THoverLabel* label) {
  ScrollPaused = true;
  LightRowPartners(PnlInfo, label, true);
}

void TfrmMain::lblMouseExit(THoverLabel* label) {
  ScrollPaused = false;
  LightRowPartners(PnlInfo, label, false);
}

void TfrmMain::lblClick(THoverLabel* label) {
  HoldList();
  const int index = Tag(label);
  std::vector<std::string> fields;
  if (index >= 0 && index < Items.Count()) SplitText(Items.Get(index).Text, std::string(1, FieldSeparator), fields);
  // Text programs have nothing to be reminded of.
  ProgramRowClicked(PnlInfo, label, fields, !fields.empty() && RecordField(fields, 2) != "t");
  ScrollPaused = false;
  TimerMain->start();
  TimerTicker->start();
}

}  // namespace velomira
