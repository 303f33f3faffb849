#pragma once
// The question and notice box "frmAlertSearch" (330 x 133): lblMessage with imgOk
// (result 1) and imgCancel (result 2); the notice hides imgCancel and centres imgOk.
#include "dialogkit/SkinnedDialog.h"
#include <string>

class QLabel;

namespace velomira {

class THoverImage;
class TPicturePanel;
class TTransparentButton;

class TfrmAlertSearch : public SkinnedDialog {
  Q_OBJECT
 public:
  explicit TfrmAlertSearch(QWidget* parent = nullptr);
  ~TfrmAlertSearch() override;
  void SetMessage(const std::string& message);
  void LoadButtons();
  void MakeNotice();  // hides imgCancel, centres imgOk

  TPicturePanel* PnlAlertsearch;
  QLabel* lblMessage;
  THoverImage* imgOk;
  THoverImage* imgCancel;
  TTransparentButton* TransparentButton1;

 protected:
  void keyPressEvent(QKeyEvent* event) override;  // no key closes the box

 private:
  void FormCreate();
};

// Points to the question box while one exists.
extern TfrmAlertSearch* frmAlertSearch;

}  // namespace velomira
