// The row menu popMenu and the background menu mainpop; both run Help1Click by tag.
#include <QAction>
#include <algorithm>
#include <QCoreApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>

#include "TfrmMain.h"
#include "core/TickerSpeeds.h"
#include "controls/CodePageText.h"
#include "controls/THoverLabel.h"
#include "controls/Tag.h"
#include "core/ServletRequests.h"
#include "core/dFunc.h"
#include "core/qt/RunRequest.h"
#include "mainwin/alertbox/AlertBox.h"
#include "platform/Browser.h"
#include "RowTexts.h"

namespace velomira {

namespace {

enum class Entry { Item, Separator, Channels, Speed };

struct MenuEntry {
  const char* Name;
  const char* Caption;
  int Tag;
  Entry Kind;
  bool Enabled;
};

using MenuTable = std::vector<MenuEntry>;

const MenuTable kRowMenu{
    {"mnuPlay", "Play", 1, Entry::Item, true},
    {"mnuPreset", "Preset", 2, Entry::Item, true},
    {"mnuWebsite", "Go to website", 3, Entry::Item, true},
    {"N1", "-", 0, Entry::Separator, true},
    {"TellaFriend1", "Tell a friend", 4, Entry::Item, true},
    {"MyChannels", "My channels", 5, Entry::Channels, true},
    {"N2", "-", 0, Entry::Separator, true},
    {"velomirahomepage", "Velomira homepage", 6, Entry::Item, true},
    {"prefernce1", "Preference", 7, Entry::Item, true},
    {"N3", "-", 0, Entry::Separator, true},
    {"AlwaysonTop1", "Always on top", 8, Entry::Item, true},
    {"Aboutvelomira", "About velomira", 9, Entry::Item, true},
    {"Help1", "Help", 10, Entry::Item, true},
    {"Tickcontrol1", "Tick control", 0, Entry::Speed, true},
};
const std::array<const char*, 3> kRowSpeedItems{"Fast1", "medium1", "Slow1"};

// The first four act on a row and stay disabled on the background.
const MenuTable kBackgroundMenu{
    {"Play2", "Play", 1, Entry::Item, false},
    {"Preset2", "Preset", 2, Entry::Item, false},
    {"Gotowebsite2", "Go to web site", 3, Entry::Item, false},
    {"N7", "-", 0, Entry::Separator, true},
    {"Tellafriend3", "Tell a friend", 4, Entry::Item, false},
    {"MyChannels2", "My Channels", 5, Entry::Channels, true},
    {"N8", "-", 0, Entry::Separator, true},
    {"Velomirahompage1", "Velomira hompage", 6, Entry::Item, true},
    {"Preference2", "Preference", 7, Entry::Item, true},
    {"N9", "-", 0, Entry::Separator, true},
    {"Alwaysontop3", "Always on top", 8, Entry::Item, true},
    {"AboutVelomira2", "About Velomira", 9, Entry::Item, true},
    {"help3", "Help", 10, Entry::Item, true},
    {"Tickercontrol1", "Ticker control", 0, Entry::Speed, true},
};
const std::array<const char*, 3> kBackgroundSpeedItems{"fast2", "Medium2", "Slow2"};

constexpr std::array<std::array<const char*, 2>, 3> kSpeedMarks{
    {{"Fast1", "fast2"}, {"medium1", "Medium2"}, {"Slow1", "Slow2"}}};

const char kNoChannelMessage[] =
    "There is no channel on your list. If you want to add your favorite channels, you can add "
    "your channels by searching channels on the 'Channel & Radio' menu";

// Set on a My channels item while its channels are asked for.
const char kChannelsPending[] = "ChannelsPending";

// What a click of the member does: press and release in the middle of the control.
void PerformClick(QWidget* control) {
  const QPointF middle(control->width() / 2.0, control->height() / 2.0);
  const QPointF global = control->mapToGlobal(middle);
  QMouseEvent press(QEvent::MouseButtonPress, middle, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, middle, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(control, &press);
  QCoreApplication::sendEvent(control, &release);
}

std::string TrimmedText(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace


namespace {

QMenu* BuildMenu(TfrmMain* window, const char* name, const MenuTable& table,
                 const std::array<const char*, 3>& speedItems) {
  auto* menu = new QMenu(window);
  menu->setObjectName(name);
  for (const MenuEntry& entry : table) {
    if (entry.Kind == Entry::Separator) {
      menu->addSeparator()->setObjectName(entry.Name);
      continue;
    }
    if (entry.Kind == Entry::Speed) {
      QMenu* speed = menu->addMenu(entry.Caption);
      speed->setObjectName(QString(entry.Name) + "Menu");
      speed->menuAction()->setObjectName(entry.Name);
      static constexpr std::array<const char*, 3> kCaptions{"Fast", "Medium", "Slow"};
      for (int i = 0; i < 3; ++i) {
        QAction* item = speed->addAction(kCaptions[static_cast<std::size_t>(i)]);
        item->setObjectName(speedItems[static_cast<std::size_t>(i)]);
        item->setCheckable(true);
        const int tag = 11 + i;
        SetTag(item, tag);
        QObject::connect(item, &QAction::triggered, window, [window, tag] { window->Help1Click(tag); });
      }
      continue;
    }
    QAction* item = menu->addAction(entry.Caption);
    item->setObjectName(entry.Name);
    item->setEnabled(entry.Enabled);
    SetTag(item, entry.Tag);
    if (entry.Tag == 8) {
      // The clicked item has already turned its own mark; both items follow it.
      item->setCheckable(true);
      item->setChecked(true);
      QObject::connect(item, &QAction::triggered, window, [window, item] { window->SetAlwaysOnTop(item->isChecked()); });
      continue;
    }
    if (entry.Kind == Entry::Channels) {
      // Filled each time the menu opens; without channels the item itself alerts.
      auto* channels = new QMenu(window);
      channels->setObjectName(QString(entry.Name) + "Menu");
      item->setProperty("ChannelMenu", QVariant::fromValue<QObject*>(channels));
      QObject::connect(item, &QAction::triggered, window, [item] {
        if (item->menu() == nullptr && !item->property(kChannelsPending).toBool()) ShowAlert(kNoChannelMessage);
      });
      continue;
    }
    const int tag = entry.Tag;
    QObject::connect(item, &QAction::triggered, window, [window, tag] { window->Help1Click(tag); });
  }
  return menu;
}

}  // namespace

void TfrmMain::BuildMenus() {
  popMenu = BuildMenu(this, "popMenu", kRowMenu, kRowSpeedItems);
  mainpop = BuildMenu(this, "mainpop", kBackgroundMenu, kBackgroundSpeedItems);
  for (QWidget* area : {Panel2, PnlInfo}) {
    connect(area, &QWidget::customContextMenuRequested, this, [this, area](const QPoint& at) {
      mainpopPopup();
      mainpop->exec(area->mapToGlobal(at));
    });
  }
}

QAction* TfrmMain::MenuItem(const char* name) const { return findChild<QAction*>(name); }

void TfrmMain::RebuildChannelMenu(QAction* item) {
  // The menu opens at once; the channels it had stay until the service answers.
  if (item->property(kChannelsPending).toBool()) return;
  item->setProperty(kChannelsPending, true);
  QPointer<QAction> guard(item);
  RunRequest(this, [] { return RequestMyChannels(); }, [this, guard](const std::string& reply) {
    if (!guard) return;
    guard->setProperty(kChannelsPending, false);
    FillChannelMenu(guard, ParseMyChannels(reply));
  });
}

void TfrmMain::FillChannelMenu(QAction* item, const ChannelEntries& entries) {
  auto* channels = qobject_cast<QMenu*>(item->property("ChannelMenu").value<QObject*>());
  channels->clear();
  item->setMenu(nullptr);
  if (entries.empty()) return;
  for (const auto& [channelId, name] : entries) {
    QAction* channel = channels->addAction(ToQString(name));
    channel->setToolTip(ToQString(channelId));
    connect(channel, &QAction::triggered, this, [this, channelId] {
      if (hooks_.OpenChannel) hooks_.OpenChannel(*this, channelId);
    });
  }
  item->setMenu(channels);
}

void TfrmMain::popMenuPopup(THoverLabel* label) {
  PopupItemIndex = Tag(label);
  std::string kind;
  if (PopupItemIndex >= 0 && PopupItemIndex < Items.Count()) {
    std::vector<std::string> fields;
    SplitText(Items.Get(PopupItemIndex).Text, std::string(1, FieldSeparator), fields);
    kind = RecordField(fields, 13);
  }
  const bool station = EqualsNoCase(kind, "s");
  const bool input = EqualsNoCase(kind, "w");
  MenuItem("mnuPlay")->setEnabled(!station && !input);
  MenuItem("mnuPreset")->setEnabled(station);
  MenuItem("mnuWebsite")->setEnabled(!input);
  RebuildChannelMenu(MenuItem("MyChannels"));
}

void TfrmMain::mainpopPopup() { RebuildChannelMenu(MenuItem("MyChannels2")); }

void TfrmMain::ApplySpeed(int speed) {
  if (!IsTickerSpeed(speed)) return;
  for (int s = 0; s < 3; ++s) {
    for (const char* name : kSpeedMarks[static_cast<std::size_t>(s)]) MenuItem(name)->setChecked(s == speed);
  }
  TimerMain->setInterval(kScrollIntervals[static_cast<std::size_t>(speed)]);
  TimerTicker->setInterval(kTickerIntervals[static_cast<std::size_t>(speed)]);
}

bool TfrmMain::AlwaysOnTop() const { return MenuItem("AlwaysonTop1")->isChecked(); }

void TfrmMain::SetAlwaysOnTop(bool onTop) {
  MenuItem("AlwaysonTop1")->setChecked(onTop);
  MenuItem("Alwaysontop3")->setChecked(onTop);
  if (onTop == windowFlags().testFlag(Qt::WindowStaysOnTopHint)) return;
  const bool visible = isVisible();
  setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
  if (visible) show();  // a new window style takes effect on showing
}

void TfrmMain::OfferPreset(int itemIndex) {
  if (itemIndex < 0 || itemIndex >= Items.Count()) return;
  THoverLabel* date = RowLabel('D', itemIndex);
  const std::string start = date ? PresetStartText(FromQString(date->text())) : std::string();
  std::vector<std::string> f;
  SplitText(Items.Get(itemIndex).Text, std::string(1, FieldSeparator), f);
  ConfirmPresetAdd(RecordField(f, 0), RecordField(f, 14), RecordField(f, 16), start);
  LoadPresetList();
}

void TfrmMain::TellAFriend(int itemIndex) {
  CountUsage(&UsageRecord::FriendOpens);
  THoverLabel* date = RowLabel('D', itemIndex);
  const std::string dateText = date ? FromQString(date->text()) : std::string();
  // The bracketed time range, then the day after it ("[06:00am-08:00am] Thu.11"); cut at
  // the bracket, since fixed positions lose the day's first letter.
  const std::size_t rangeEnd = dateText.find(']');
  const std::size_t split = rangeEnd == std::string::npos ? std::min<std::size_t>(dateText.size(), 17) : rangeEnd + 1;
  const std::string when = TrimmedText(dateText.substr(0, split));
  const std::string title = TrimmedText(dateText.substr(split));
  THoverLabel* station = date ? RowLabel('S', itemIndex) : nullptr;
  // A second name continues the station's line in a label of its own.
  THoverLabel* second = station ? RowLabel('H', itemIndex) : nullptr;
  const std::string stationText =
      (station ? FromQString(station->text()) : std::string()) + (second ? FromQString(second->text()) : std::string());
  const std::string stationAddress = station ? station->Url() : std::string();
  const std::string itemText =
      itemIndex >= 0 && itemIndex < Items.Count() ? Items.Get(itemIndex).Text : std::string();
  if (hooks_.OpenTellAFriend) {
    hooks_.OpenTellAFriend(title + "\r\n" + when + "\r\n" + stationText, itemText, stationAddress);
  }
}

void TfrmMain::Help1Click(int tag) {
  switch (tag) {
    case 1:
      if (popupLabel_) PerformClick(popupLabel_);
      break;
    case 2:
      OfferPreset(PopupItemIndex);
      break;
    case 3:
      if (THoverLabel* station = RowLabel('S', PopupItemIndex)) PerformClick(station);
      break;
    case 4:
      TellAFriend(PopupItemIndex);
      break;
    case 6:
      OpenWebPage(WebRoot());
      break;
    case 7:
      if (hooks_.OpenFunctionWindow) hooks_.OpenFunctionWindow(*this, FunctionWindow::Preferences);
      break;
    case 8:
      SetAlwaysOnTop(!AlwaysOnTop());
      break;
    case 9:
      OpenWebPage(WebRoot() + "/aboutus/overview.htm");
      break;
    case 10:
      OpenWebPage(WebRoot() + "/help/support.htm");
      break;
    case 11:
    case 12:
    case 13:
      ScrollPaused = true;
      State().TickerSpeed = tag - 11;
      ApplySpeed(tag - 11);
      ScrollPaused = false;
      break;
    default:
      break;
  }
}

}  // namespace velomira
