#pragma once
// The forgotten-password dialog "frm_forget", opened from the login dialog: page 1
// asks for the ID and e-mail address, page 2 says the new password is on its way,
// page 3 asks again after a refusal. It closes itself (and is freed) and shows the
// login dialog again.
#include "dialogkit/SkinnedDialog.h"

class QLabel;
class QLineEdit;

namespace velomira {

class THoverImage;
class TPicturePanel;
class TTransparentButton;

class Tfrm_forget : public SkinnedDialog {
  Q_OBJECT
 public:
  explicit Tfrm_forget(QWidget* parent = nullptr);

  // How long page 2 shows before the dialog closes by itself, in milliseconds.
  static constexpr int DonePageMilliseconds = 1000;

  TPicturePanel* Pnl_forgot1;
  TPicturePanel* pnl_forgot2;
  TPicturePanel* pnl_forgot3;
  QLineEdit* ed_id;
  QLineEdit* edit;
  QLineEdit* ed_id2;
  QLineEdit* Edit1;
  THoverImage* HoverImage1;  // send from page 1
  THoverImage* HoverImage2;  // send from page 3
  TTransparentButton* TransparentButton1;
  TTransparentButton* TransparentButton3;
  TTransparentButton* TransparentButton4;

 private:
  void FormCreate();
  void HoverImage1Click();
  void HoverImage2Click();
  void TransparentButton1Click();
  // Sends the reset request; true when the service accepted it.
  bool SendReset(const QLineEdit* idEdit, const QLineEdit* emailEdit);
  void ShowPage(TPicturePanel* page);
  void ShowDonePage();
  // The ID and address lines of a page: arrow pictures, labels and the two edits.
  void MakeEntryLines(TPicturePanel* page, int top, const QString& idName, const QString& emailName,
                      const QString& arrow1, const QString& arrow2, QLineEdit*& idEdit,
                      QLineEdit*& emailEdit);
};

}  // namespace velomira
