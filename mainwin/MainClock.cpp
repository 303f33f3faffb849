// The main window's minute: the clock and the preset alarm check.
#include <QLabel>
#include <QPointer>
#include <string>
#include <vector>

#include "AlarmDue.h"
#include "TfrmMain.h"
#include "Tfrmalarm.h"
#include "core/dFunc.h"
#include "core/qt/RunRequest.h"

namespace velomira {

void TfrmMain::RefreshClock() {
  UpdateCurrentTime();
  static_cast<QLabel*>(lblTime)->setText(QString::fromStdString(ClockCaption(State().CurrentTime)));
}

void TfrmMain::TimerTimeTimer() {
  ClientState& state = State();
  RefreshClock();
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
