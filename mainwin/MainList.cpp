// The main window's scrolling list: loading a list, the ticker that turns its lines
// into items, the rows items are laid out as, scrolling and the step buttons.
#include <QApplication>
#include <QCursor>
#include <QFileInfo>
#include <QMenu>
#include <QWheelEvent>
#include <algorithm>

#include "BannerChoice.h"
#include "MainColors.h"
#include "MainListCycle.h"
#include "RowTexts.h"
#include "TfrmMain.h"
#include "TickerRules.h"
#include "controls/CodePageText.h"
#include "controls/THoverLabel.h"
#include "controls/TImage.h"
#include "controls/TMyImage.h"
#include "controls/Tag.h"
#include "core/dFunc.h"
#include "core/qt/SkinPicture.h"
#include "core/qt/WindowChrome.h"
#include "mainwin/alertbox/AlertBox.h"

namespace velomira {

namespace {

constexpr int kPanelStartTop = 233;  // just below the 230-pixel visible list area
constexpr int kLayoutLimit = 240;    // lay out only while the strip's bottom is above this
constexpr int kRowLabelWidth = 246;
constexpr char kHintProperty[] = "Hint";

// Takes a row out of the panel at once and frees it when control is back in the event
// loop, so a row can go while one of its own handlers is still running.
void DiscardRow(QWidget* row) {
  row->hide();
  row->setParent(nullptr);
  row->deleteLater();
}

std::string RowHintOf(const QObject* label) {
  return label->property(kHintProperty).toByteArray().toStdString();
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace

void TfrmMain::LoadMainList(int category, int subIndex) {
  TimerTicker->stop();
  TimerMain->stop();
  ++LoadCount;
  ListLines.clear();
  QApplication::setOverrideCursor(Qt::WaitCursor);

  ClientState& state = State();
  std::string reply;
  if (category == MyListCategory) {
    const std::string url = ServiceRoot() + "/servlet/servlet.GetProgramList?mode=my&usr_id=" + state.MemberId;
    reply = HttpPostText(url);
    if (reply.compare(0, 3, "212") == 0) {
      ShowStatePicture(myedit_img);
      welcome->hide();
      ListEmpty = true;
      repaint();
      QApplication::restoreOverrideCursor();
      return;
    }
    CurrentListUrl = url;
  } else if (category >= 1 && category <= CategoryCount) {
    const auto lists = state.CategoryUrlLists.Get();
    const TextList& urls = (*lists)[static_cast<std::size_t>(category - 1)];
    // A list the lookup files do not name has no address to ask.
    if (subIndex >= 0 && static_cast<std::size_t>(subIndex) < urls.size()) {
      const std::string url = "http://" + urls[static_cast<std::size_t>(subIndex)];
      reply = HttpPostText(url);
      CurrentListUrl = url;
    }
  }

  QApplication::restoreOverrideCursor();
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
    TimerTicker->start();
    TimerMain->start();
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
  ClientState& state = State();
  MainListCycle& cycle = ListCycleState();
  if (LineIndex < static_cast<std::int32_t>(ListLines.size())) {
    AddListItem(ListLines[static_cast<std::size_t>(LineIndex)], false);
    const int count = ++LineIndex;
    if (BannerFollowsLine(count, state.BannerSteps)) AddListItem({}, true);
    if (NewProgramsFollowLine(count, state.NewCheckSteps, CurrentCategory)) InsertNewPrograms(CurrentCategory);
    return;
  }
  if (cycle.ListCycle == state.ReloadPasses) {
    Items.Clear();
    LoadCount = 0;
    NextRenderIndex = 0;
    TopItemIndex = 0;
    ClearListPanel();
    cycle.ListCycle = 1;
    LoadMainList(CurrentCategory, CurrentSubIndex);
  } else {
    // Another pass: the lines come again after the items already there.
    LineIndex = 0;
    LoadMainList(CurrentCategory, CurrentSubIndex);
    ++cycle.ListCycle;
  }
}

void TfrmMain::InsertNewPrograms(int category) {
  MainListCycle& cycle = ListCycleState();
  if (cycle.NewProgramIndex == 0) {
    cycle.NewProgramReply =
        HttpPostText(ServiceRoot() + "/servlet/servlet.GetProgramList?mode=new&cate1=" + NewProgramCode(category));
  }
  const std::string_view body = ReplyBody(cycle.NewProgramReply);
  if (!body.empty()) AddListItem(std::string(body), false);
  ++cycle.NewProgramIndex;
  if (cycle.NewProgramIndex == State().NewFetchChecks) cycle.NewProgramIndex = 0;
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

void TfrmMain::AddRowIcon(const QPixmap& picture, int left, int index) {
  auto* icon = new TImage(PnlInfo);
  icon->SetAutoSize(true);
  icon->SetPicture(picture);
  icon->move(left, RowTop + 2);
  icon->setCursor(Qt::ArrowCursor);
  SetTag(icon, index);
  icon->show();
}

THoverLabel* TfrmMain::AddRowLabel(const std::string& name, const std::string& caption,
                                   const std::string& address, const std::string& kind,
                                   const std::string& hint, bool bold, bool multiLine, int left,
                                   int index) {
  auto* label = new THoverLabel(PnlInfo);
  label->setObjectName(QString::fromStdString(name));
  label->setFont(RowFont(bold));
  label->SetFontColor(ToolkitColor(bold ? kTitleRowColor : kRowColor));
  label->SetColorClick(ToolkitColor(kRowClickColor));
  label->SetColorEnter(Qt::white);
  label->SetCaption(caption);
  if (multiLine) {
    label->setWordWrap(true);
    label->setGeometry(left, RowTop, kRowLabelWidth, label->heightForWidth(kRowLabelWidth));
  } else {
    label->adjustSize();
    label->move(left, RowTop);
  }
  RowTop += label->height();
  label->SetUrl(RowLabelAddress(kind, address));
  label->setAttribute(Qt::WA_TranslucentBackground);
  label->setProperty(kHintProperty, QByteArray::fromStdString(hint));
  SetTag(label, index);
  label->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(label, &THoverLabel::OnMouseEnter, this, [this, label] { lblMouseEnter(label); });
  connect(label, &THoverLabel::OnMouseExit, this, [this, label] { lblMouseExit(label); });
  connect(label, &THoverLabel::OnClick, this, [this, label] { lblClick(label); });
  connect(label, &QWidget::customContextMenuRequested, this, [this, label](const QPoint& at) {
    popupLabel_ = label;
    popMenuPopup(label);
    popMenu->exec(label->mapToGlobal(at));
  });
  label->show();
  return label;
}

void TfrmMain::BuildProgramRows(int index) {
  const ClientState& state = State();
  TVelomiraItem& item = Items.Get(index);
  std::vector<std::string> f;
  SplitText(item.Text, std::string(1, FieldSeparator), f);
  auto field = [&f](std::size_t i) -> const std::string& { return RecordField(f, i); };
  const std::string n = std::to_string(index);
  const std::string hint = RowHint(f);
  const std::string& kind = field(13);

  item.Top = RowTop;
  const std::string stationIcon = state.BasicDir + field(1) + ".gif";
  if (FileExistsAnyCase(stationIcon)) AddRowIcon(LoadSkinPicture(state.BasicDir, field(1) + ".gif"), 2, index);
  AddRowLabel("T" + n, field(5), field(6), kind, hint, true, false, 30, index);

  const std::string media = MediaIconName(field(2));
  if (!media.empty() && FileExistsAnyCase(state.MediaDir + media)) {
    AddRowIcon(LoadSkinPicture(state.MediaDir, media), 165, index);
  }
  if (IsRepeatedProgram(f)) {
    const auto days = DayPictureNames(field(15));
    for (std::size_t d = 0; d < days.size(); ++d) {
      AddRowIcon(LoadSkinPicture(state.BasicDir, days[d] + ".gif"), DayPictureLefts[d], index);
    }
  }
  AddRowLabel("D" + n, DateLineCaption(f), field(6), kind, hint, false, true, 30, index);
  AddRowLabel("Z" + n, field(11), field(6), kind, hint, false, true, 30, index);

  if (Trimmed(field(9)).empty()) {
    AddRowLabel("S" + n, "(" + field(7) + ")", field(8), {}, {}, false, false, 30, index);
  } else {
    const std::string station = "(" + field(7) + "/";
    THoverLabel* stationLabel = AddRowLabel("S" + n, station, field(8), {}, {}, false, false, 30, index);
    // The second name continues the station's line.
    RowTop -= stationLabel->height();
    const int width = Label1->fontMetrics().horizontalAdvance(ToQString(station));
    AddRowLabel("H" + n, field(9) + ")", field(10), {}, {}, false, false, 30 + width, index);
  }
  RowTop += 10;
  PnlInfo->resize(PnlInfo->width(), RowTop);
}

void TfrmMain::BuildBannerRow(int index) {
  ClientState& state = State();
  TVelomiraItem& item = Items.Get(index);
  const BannerChoice choice =
      ChooseBanner(item.Text, CurrentCategory, CurrentSubIndex, *state.BannerTable.Get(),
                   *state.CategoryBannerLists.Get(), ListCycleState().BannerPositions, UtcStamp());
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

THoverLabel* TfrmMain::RowLabel(char letter, int index) const {
  return PnlInfo->findChild<THoverLabel*>(QString("%1%2").arg(letter).arg(index), Qt::FindDirectChildrenOnly);
}

void TfrmMain::SetSiblingsEntered(THoverLabel* label, bool entered, bool asClicked) {
  const QString name = label->objectName();
  if (name.isEmpty()) return;
  static const std::array<std::pair<char, std::array<char, 2>>, 3> kSiblings{
      {{'T', {'D', 'Z'}}, {'D', {'T', 'Z'}}, {'Z', {'T', 'D'}}}};
  const char kind = name.at(0).toLatin1();
  for (const auto& [own, siblings] : kSiblings) {
    if (own != kind) continue;
    for (char sibling : siblings) {
      THoverLabel* other = RowLabel(sibling, Tag(label));
      if (other == nullptr) continue;
      if (asClicked) {
        other->SetClicked(true);
      } else {
        other->SetEntered(entered);
      }
    }
  }
}

void TfrmMain::lblMouseEnter(THoverLabel* label) {
  ScrollPaused = true;
  SetSiblingsEntered(label, true, false);
}

void TfrmMain::lblMouseExit(THoverLabel* label) {
  ScrollPaused = false;
  SetSiblingsEntered(label, false, false);
}

void TfrmMain::lblClick(THoverLabel* label) {
  QPointer<THoverLabel> guard(label);
  HoldList();
  const int index = Tag(label);
  const std::string name = label->objectName().toStdString();
  const std::string hint = RowHintOf(label);
  if (label->Url().empty() && index >= 0 && index < Items.Count()) {
    std::vector<std::string> f;
    SplitText(Items.Get(index).Text, std::string(1, FieldSeparator), f);
    if (RecordField(f, 2) != "t") {
      THoverLabel* date = RowLabel('D', index);
      const std::string start = date ? PresetStartText(FromQString(date->text())) : std::string();
      ConfirmPresetAdd(RecordField(f, 0), RecordField(f, 14), RecordField(f, 16), start);
      LoadPresetList();
    }
  }
  if (!name.empty() && (name[0] == 'T' || name[0] == 'D' || name[0] == 'Z')) {
    AddUsageLine(UsageLines::Program, "program," + hint + UtcStamp());
  }
  // The row may have gone while the preset question was open.
  if (guard) SetSiblingsEntered(guard, true, true);
  ScrollPaused = false;
  TimerMain->start();
  TimerTicker->start();
}

}  // namespace velomira
