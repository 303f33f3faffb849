// The main window's minute: the clock and the preset alarm check.
#include <QLabel>
#include <QPointer>

#include "AlarmDue.h"
#include "TfrmMain.h"
#include "Tfrmalarm.h"
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
    ShowPresetAlarm(preset.Title, preset.Address, [self] { if (self) self->TimerTime->start(); });
    // The member may have ended the program while the alarm was up.
    if (!self) return;
  }
  LoadPresetList();
}

}  // namespace velomira
