#pragma once
// The member's presets in the preset window: each preset as a reduced program row (a
// check box, the title, the weekday pictures of a repeating preset, the time and the
// station), all rows at once on a list panel that scrolls by pixels behind a fixed view.
#include <QObject>
#include <QRect>
#include <string>
#include <vector>

#include "mainwin/ProgramRows.h"

class QScrollBar;
class QWidget;

namespace velomira {

class PresetListPanel : public QObject {
  Q_OBJECT
 public:
  // The view at place inside parent, the scroll bar right of it.
  PresetListPanel(QWidget* parent, const QRect& place);

  // Rebuilds the rows from a New_PresetList reply; a reply without records leaves the
  // list empty with nothing to scroll. Returns the number of presets shown.
  int Load(const std::string& reply);
  // The delete keys of the checked presets, each followed by ":", run together.
  std::string CheckedKeys() const;
  int Count() const { return static_cast<int>(deleteKeys_.size()); }

  QWidget* View;     // the visible part of the list
  QWidget* pnlInfo;  // the rows; its top is minus the scroll position
  QScrollBar* scbPreset;

 private:
  int BuildRow(int n, const ProgramFields& fields, int y);
  void ConnectRowLabel(THoverLabel* label);
  void scbPresetChange(int position);

  ProgramRowBuilder rows_;
  std::vector<std::string> deleteKeys_;
};

// What deleting a preset sends for it: "program,-", or "program,regular" for a
// repeating one.
std::string PresetDeleteKey(const ProgramFields& fields);
// The scroll bar's maximum for rows ending rowsBottom pixels below the list's top: the
// last row just in the 165 pixels of the view, 0 when all rows fit.
int PresetScrollMaximum(int rowsBottom);

}  // namespace velomira
