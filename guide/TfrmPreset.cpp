#include "TfrmPreset.h"

#include <QComboBox>
#include <QPointer>
#include <QScrollBar>
#include <utility>

#include "GuideLayout.h"
#include "PresetListPanel.h"
#include "controls/CodePageText.h"
#include "controls/THoverImage.h"
#include "controls/TPicturePanel.h"
#include "core/dFunc.h"
#include "core/qt/WindowChrome.h"
#include "mainwin/RowTexts.h"
#include "mainwin/alertbox/AlertBox.h"
#include "platform/Browser.h"

namespace velomira {

bool PresetWindowOpen = false;

namespace {

const GuideWindowSpec kPresetWindow{
    "frmPreset", "PnlPreset", "Preset", "", "Top 5 preseted programs.", 'p', 'p', &UsageRecord::PresetOpens,
};

constexpr QRect kTopPlace(12, 54, 270, 20);
constexpr QRect kListPlace(12, 80, guide_layout::kListRight - 12, 165);
constexpr QPoint kDeletePlace(218, 252);

enum ProgramTime { Ended = 1, OnAir = 2, Upcoming = 3 };

std::string TopItemText(const TopPreset& program) {
  return FormatMonthDayTime(program.Start + program.End) + " " + program.Title + " ";
}

}  // namespace

TfrmPreset::TfrmPreset(MainWindowHost& host) : GuideWindow(host, kPresetWindow) {
  PresetWindowOpen = true;
  connect(this, &GuideWindow::Closing, this, [this] {
    closed_ = true;
    PresetWindowOpen = false;
  });

  CmbTop = new QComboBox(Panel);
  CmbTop->setObjectName("CmbTop");
  CmbTop->setFont(guide_layout::LabelFont());
  CmbTop->setGeometry(kTopPlace);
  connect(CmbTop, &QComboBox::activated, this, &TfrmPreset::CmbTopChange);

  List = new PresetListPanel(Panel, kListPlace);

  imgDelete = new THoverImage(Panel);
  imgDelete->setObjectName("imgDelete");
  LoadButtonPictures(imgDelete, "Delete.gif", "delete_ovr.gif", "delete_ovr.gif");
  imgDelete->SetAutoSize(true);
  imgDelete->move(kDeletePlace);
  connect(imgDelete, &THoverImage::OnClick, this, &TfrmPreset::imgDeleteClick);
}

// A window freed after its Back must not clear the flag of the one opened since.
TfrmPreset::~TfrmPreset() {
  if (!closed_) PresetWindowOpen = false;
}

void TfrmPreset::Opened() {
  CmbTop->clear();
  top_.clear();
  Request([] { return RequestPresetTop5(); }, [this](const std::string& reply) { TopLoaded(reply); });
}

void TfrmPreset::TopLoaded(const std::string& reply) {
  // Told once for the opening: the member's list, asked next, would fail the same way.
  quietFailure_ = ReplyFailed(reply);
  if (quietFailure_) {
    const QPointer<TfrmPreset> self(this);
    ShowAlert("Please try again later.");
    if (!self) return;
  } else {
    top_ = ParsePresetTop5(reply);
    for (const TopPreset& program : top_) CmbTop->addItem(ToQString(TopItemText(program)));
  }
  // Nothing is chosen until the member picks a program.
  CmbTop->setCurrentIndex(-1);
  ReloadPresetList();
}

void TfrmPreset::ReloadPresetList() {
  if (Busy()) {
    reloadPending_ = true;
    return;
  }
  reloadPending_ = false;
  Request([] { return RequestNewPresetList(); }, [this](const std::string& reply) {
    const QPointer<TfrmPreset> self(this);
    PresetListLoaded(reply);
    if (self && std::exchange(reloadPending_, false)) ReloadPresetList();
  });
}

void TfrmPreset::PresetListLoaded(const std::string& reply) {
  // A list that could not be had is not an empty one: what the window shows stays.
  if (ReplyFailed(reply)) {
    if (!std::exchange(quietFailure_, false)) ShowAlert("Please try again later.");
    return;
  }
  quietFailure_ = false;
  List->Load(reply);
  // Published whole: the refresh thread and the minute check read the table meanwhile.
  PresetList presets;
  if (ParsePresetReply(reply, presets)) {
    State().PresetTable.Set(std::move(presets));
  } else if (IsSuccessCode(ReplyCode(reply))) {
    // The service holds no presets any more (the last ones were deleted): none may ring.
    State().PresetTable.Set({});
  }
}

void TfrmPreset::CmbTopChange(int index) {
  if (index < 0 || index >= static_cast<int>(top_.size())) return;
  const TopPreset program = top_[static_cast<std::size_t>(index)];
  // A record that is not whole cannot be opened or preset: it counts as ended.
  const int state = program.Complete ? ProgramState(program.Start + program.End) : Ended;
  switch (state) {
    case OnAir:
      OpenWebPage(program.Address);
      break;
    case Upcoming:
      OfferTopPreset(program, PresetStartText(FromQString(CmbTop->itemText(index))));
      break;
    default:
      ShowAlert("This program has been expired");
      break;
  }
}

void TfrmPreset::OfferTopPreset(const TopPreset& program, const std::string& startText) {
  const QPointer<TfrmPreset> guard(this);
  const bool add = AskPresetAdd(startText);
  if (!guard) return;
  if (!add) {
    ReloadPresetList();
    return;
  }
  Request([id = program.ProgramId, kind = program.ScheduleKind, number = program.RegularNumber] {
            return RequestPresetAdd(id, kind, number);
          },
          [this](const std::string& reply) {
            const QPointer<TfrmPreset> guard(this);
            TellPresetAddResult(reply);
            if (guard) ReloadPresetList();
          });
}

void TfrmPreset::imgDeleteClick() {
  const std::string keys = List->CheckedKeys();
  if (keys.empty()) return;
  Request([keys] { return RequestPresetDelete(keys); }, [this](const std::string&) {
    List->scbPreset->setValue(0);
    ReloadPresetList();
  });
}

}  // namespace velomira
