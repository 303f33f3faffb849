// The main window's minute: the clock, the preset alarm check and the news of a newer
// version for an installed copy.
#include <QLabel>
#include <QPointer>
#include <string>
#include <vector>

#include "AlarmDue.h"
#include "TfrmMain.h"
#include "Tfrmalarm.h"
#include "UpdateNotice.h"
#include "core/dFunc.h"
#include "core/qt/RunRequest.h"
#include "platform/qt/ScreenSaverWatch.h"

namespace velomira {

void TfrmMain::RefreshClock() {
  UpdateCurrentTime();
  static_cast<QLabel*>(lblTime)->setText(QString::fromStdString(ClockCaption(State().CurrentTime)));
}

void TfrmMain::TimerTimeTimer() {
  ClientState& state = State();
  RefreshClock();
  TellOfNewVersion();
  // A check still waiting for the service covers this minute as well.
  if (minuteCheckPending_) return;

  std::vector<PresetRecord> due;
  const std::string alarmMinute = AlarmMinuteText(state.CurrentTime);
  for (const PresetRecord& preset : *state.PresetTable.Get()) {
    if (PresetIsDue(preset, DateStamp(LocalNow()), alarmMinute)) due.push_back(preset);
  }
  // The marks go first, then the presets are read again: one request after the other.
  std::vector<std::string> marks;
  for (const PresetRecord& preset : due) {
    marks.push_back(ServiceRoot() + "/servlet/servlet.PresetEdit?mode=mark&usr_id=" + state.MemberId +
                    "&prgm_id=" + preset.ProgramId);
  }
  minuteCheckPending_ = true;
  RunRequest(
      this,
      [marks] {
        for (const std::string& mark : marks) HttpPostText(mark);
        LoadPresetList();
        return 0;
      },
      [this, due](int) {
        minuteCheckPending_ = false;
        QPointer<TfrmMain> self(this);
        for (const PresetRecord& preset : due) {
          NotifyAlarm(AlarmNoticeFor(preset));
          // Behind a screen saver or with the window in the tray the bubble would rise and
          // burst unseen: the notification, which stays until the member looks, tells alone then.
          if ((ScreenSaver->Active() || !isVisible()) && NotificationServiceAvailable()) continue;
          TimerTime->stop();
          ShowPresetAlarm(preset.Title, preset.Address, [self] {
            if (self) self->TimerTime->start();
          });
          // The member may have ended the program while the alarm was up.
          if (!self) return;
        }
      });
}

}  // namespace velomira
