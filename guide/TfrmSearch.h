#pragma once
// The search: programs by keyword, category and a time window of the coming day,
// listed in the guide windows' program list panel. Enter in the keyword field
// searches like the search button.
#include <string>
#include <vector>

#include "GuideWindow.h"
#include "SearchTimes.h"

class QComboBox;
class QLineEdit;

namespace velomira {

class ProgramListPanel;

class TfrmSearch : public GuideWindow {
  Q_OBJECT
 public:
  explicit TfrmSearch(MainWindowHost& host);
  ~TfrmSearch() override;

  void imgSearchClick();

  QLineEdit* TxtKey;
  QComboBox* CmbCate;
  QComboBox* CmbTime;
  THoverImage* imgSearch;
  ProgramListPanel* List;

 protected:
  void Opened() override;

 private:
  int PlaceHeader();
  void ShowNoneFound();

  std::vector<SearchTime> times_;
};

}  // namespace velomira
