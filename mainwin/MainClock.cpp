// The main window's minute: the clock, the preset alarm check and the news of a newer
// version for an installed copy.
#include <QLabel>
#include <QPointer>

#include "AlarmDue.h"
#include "TfrmMain.h"
#include "Tfrmalarm.h"
#include "UpdateNotice.h"
#include "core/dFunc.h"
#include "platform/qt/ScreenSaverWatch.h"

namespace velomira {

void TfrmMain::RefreshClock() {
  UpdateCurrentTime();
  static_cast<QLabel*>(lblTime)->setText(QString::fromStdString(ClockCaption(State().CurrentTime)));
}

void TfrmMain::TimerTimeTimer() {
  ClientState& state = State();
  RefreshClock();

  QPointer<TfrmMain> self(this);
  const auto presets = state.PresetTable.Get();
  for (const PresetRecord& preset : *presets) {
    const std::string alarmMinute = AlarmMinuteText(state.CurrentTime);
    if (!PresetIsDue(preset, DateStamp(LocalNow()), alarmMinute)) continue;
    HttpPostText(ServiceRoot() + "/servlet/servlet.PresetEdit?mode=mark&usr_id=" + state.MemberId +
                 "&prgm_id=" + preset.ProgramId);
    NotifyAlarm(AlarmNoticeFor(preset));
    // Behind a screen saver or with the window in the tray the bubble would rise and burst
    // unseen: the notification, which stays until the member looks, tells alone then.
    if ((ScreenSaver->Active() || !isVisible()) && NotificationServiceAvailable()) continue;
    TimerTime->stop();
    ShowPresetAlarm(preset.ProgramId, preset.Title, preset.Address);
    // The member may have ended the program while the alarm was up.
    if (!self) return;
  }
  LoadPresetList();
  TellOfNewVersion();
}

}  // namespace velomira
