#pragma once
// The my-categories editor: the member's own sub-categories, each with a check box for
// deleting it, and the category button that opens the category picker, whose popup
// adds sub-categories. It takes the main window's place like a guide window; its back
// button shows the main window's own list, which follows the selection.
#include <QPointer>
#include <functional>
#include <string>
#include <vector>

#include "MyCategoryList.h"
#include "guide/GuideWindow.h"

class QFrame;
class QScrollBar;

namespace velomira {

class CaptionLeftCheck;
class Tfrm_cate1;

class Tfrm_edit : public GuideWindow {
  Q_OBJECT
 public:
  explicit Tfrm_edit(MainWindowHost& host);
  ~Tfrm_edit() override;

  // The member's list from the service into the rows.
  void LoadList();
  // Deletes the checked rows; with none checked nothing is sent and the member is told.
  void img_delClick();
  // Opens the category picker below the category button.
  void img_catClick();
  // Back: the main window returns, showing the member's own list.
  void imgOkClick();
  // Sends an add of cates for the popup, then reloads the list; done follows the reply.
  void AddCategories(const std::string& cates, std::function<void()> done);
  // Closes the picker and its popup (dragging, the main window activated, leaving).
  void CloseSideWindows();
  // The main window has become active (or went to the tray): the picker closes.
  void MainWindowActivated();

  const std::vector<MyCategoryEntry>& Entries() const { return entries_; }

  THoverImage* img_cat;
  QFrame* Panel1;    // the list frame
  QLabel* Label6;    // "Delete" over the boxes
  THoverImage* img_del;
  QWidget* Panel3;   // clips the rows
  QWidget* Panel2;   // the rows; its top is minus the scroll position
  QScrollBar* scbbar;
  std::vector<QWidget*> Rows;
  std::vector<QLabel*> CategoryLabels;
  std::vector<CaptionLeftCheck*> Checks;
  QPointer<Tfrm_cate1> Picker;

 protected:
  void Opened() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ListLoaded(const std::string& reply);
  void BuildRows();

  std::vector<MyCategoryEntry> entries_;
  bool closing_ = false;
};

}  // namespace velomira
