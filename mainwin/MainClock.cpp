// The main window's minute: the clock, the preset alarm check and the news of a newer
// version for an installed copy.
#include <QLabel>
#include <QPointer>

#include "AlarmDue.h"
#include "TfrmMain.h"
#include "Tfrmalarm.h"
#include "UpdateNotice.h"
#include "core/dFunc.h"

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
    TimerTime->stop();
    ShowPresetAlarm(preset.ProgramId, preset.Title, preset.Address);
    // The member may have ended the program while the alarm was up.
    if (!self) return;
  }
  LoadPresetList();
  TellOfNewVersion();
}

}  // namespace velomira
