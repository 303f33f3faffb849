#pragma once
// The daily schedule: the programs of one category on one day of the coming week, in
// the member's time zone. Seven day buttons choose the day, CmbCate the category; the
// list is the guide windows' program list panel. Until a category is chosen the list
// shows how to use the window instead.
#include <QDate>
#include <array>

#include "GuideWindow.h"

class QComboBox;

namespace velomira {

class ProgramListPanel;

class TfrmDaily : public GuideWindow {
  Q_OBJECT
 public:
  explicit TfrmDaily(MainWindowHost& host);
  ~TfrmDaily() override;

  // Day 1 Sunday to 7 Saturday: only its button shows pressed; with a category the
  // day's programs are asked for.
  void SelectDay(int day);
  void CmbCateChange();

  int SelectedDay() const { return selectedDay_; }

  std::array<THoverImage*, 7> DayButtons;  // imgSu .. imgSa, tags 1-7
  QComboBox* CmbCate;
  ProgramListPanel* List;

 protected:
  void Opened() override;

 private:
  int ChosenCategory() const;
  int PlaceHeader();
  void ShowNoCategory();
  void ShowNotFound();
  // Asks for the programs of the chosen category on day; the day and the category
  // become the window's only once they are shown. A failed request says so, and the
  // list, the pressed day and the category shown stay as they were.
  void RequestDay(int day, bool statusChecked);
  void ShowDay(int day);

  QDate today_;
  int todayWeekday_ = 1;
  int selectedDay_ = 1;
  int shownCategoryIndex_ = 0;  // CmbCate's item the list shows
};

}  // namespace velomira
