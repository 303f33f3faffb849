#include "account/Tfrm_forget.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "account/Login.h"
#include "account/LostPassword.h"
#include "controls/CodePageText.h"
#include "controls/THoverImage.h"
#include "controls/TPicturePanel.h"
#include "controls/TTransparentButton.h"
#include "core/dFunc.h"
#include "dialogkit/FormParts.h"
#include "mainwin/alertbox/AlertBox.h"

namespace velomira {

Tfrm_forget::Tfrm_forget(QWidget* parent)
    : SkinnedDialog(parent, QStringLiteral("frm_forget"), 330, 184) {
  FormCreate();
}

void Tfrm_forget::MakeEntryLines(TPicturePanel* page, int top, const QString& idName,
                                 const QString& emailName, const QString& arrow1,
                                 const QString& arrow2, QLineEdit*& idEdit, QLineEdit*& emailEdit) {
  MakePictureButton(page, arrow1, "reset_arrow.gif", {34, top + 6});
  MakeLabel(page, idName + QStringLiteral("_label"), "ID", {46, top, 50, 20});
  idEdit = MakeEdit(page, idName, {100, top, 170, 20});
  MakePictureButton(page, arrow2, "reset_arrow.gif", {34, top + 32});
  MakeLabel(page, emailName + QStringLiteral("_label"), "E-mail", {46, top + 26, 50, 20});
  emailEdit = MakeEdit(page, emailName, {100, top + 26, 170, 20});
}

void Tfrm_forget::FormCreate() {
  setAttribute(Qt::WA_DeleteOnClose);

  Pnl_forgot1 = MakeBackground(this, QStringLiteral("Pnl_forgot1"), "loginbox.gif");
  QLabel* intro = MakeLabel(Pnl_forgot1, QStringLiteral("Label1"),
                            "Forgot your password ?\r\nPlease enter your email address and we will "
                            "send your\r\npassword right away.",
                            {16, 30, 308, 44});
  intro->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  MakeEntryLines(Pnl_forgot1, 82, QStringLiteral("ed_id"), QStringLiteral("edit"),
                 QStringLiteral("HoverImage3"), QStringLiteral("HoverImage4"), ed_id, edit);
  HoverImage1 = MakePictureButton(Pnl_forgot1, QStringLiteral("HoverImage1"), "resetpass.gif", {0, 144});
  HoverImage1->move((width() - HoverImage1->width()) / 2, 144);
  TransparentButton1 = MakeCloseBox(Pnl_forgot1, QStringLiteral("TransparentButton1"));

  pnl_forgot2 = MakeBackground(this, QStringLiteral("pnl_forgot2"), "loginbox.gif");
  MakeLabel(pnl_forgot2, QStringLiteral("Label5"), "Your password has been reseted.", {20, 50, 300, 20}, true);
  QLabel* mailed = MakeLabel(pnl_forgot2, QStringLiteral("Label6"),
                             "The new password will be emailed to your current\r\nVelomira email address.",
                             {20, 80, 300, 36});
  mailed->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  TransparentButton4 = MakeCloseBox(pnl_forgot2, QStringLiteral("TransparentButton4"));

  pnl_forgot3 = MakeBackground(this, QStringLiteral("pnl_forgot3"), "loginbox.gif");
  QLabel* again = MakeLabel(pnl_forgot3, QStringLiteral("Label7"),
                            "In order to reset your password, please enter your\r\ncurrent Velomira "
                            "ID and email address.\r\nA new password will be generated and emailed "
                            "to\r\nyour current Velomira email address.",
                            {20, 28, 300, 56});
  again->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QLabel* invalid = MakeLabel(pnl_forgot3, QStringLiteral("Label8"),
                              "The email combination is invalid Pleasd re_enter.", {20, 86, 300, 16});
  invalid->setStyleSheet(QStringLiteral("color: #ffd060; background: transparent;"));
  MakeEntryLines(pnl_forgot3, 106, QStringLiteral("ed_id2"), QStringLiteral("Edit1"),
                 QStringLiteral("HoverImage6"), QStringLiteral("HoverImage7"), ed_id2, Edit1);
  HoverImage2 = MakePictureButton(pnl_forgot3, QStringLiteral("HoverImage2"), "resetpass.gif", {0, 158});
  HoverImage2->move((width() - HoverImage2->width()) / 2, 158);
  TransparentButton3 = MakeCloseBox(pnl_forgot3, QStringLiteral("TransparentButton3"));

  ShowPage(Pnl_forgot1);

  connect(HoverImage1, &THoverImage::OnClick, this, &Tfrm_forget::HoverImage1Click);
  connect(HoverImage2, &THoverImage::OnClick, this, &Tfrm_forget::HoverImage2Click);
  for (TTransparentButton* close : {TransparentButton1, TransparentButton3, TransparentButton4}) {
    connect(close, &TTransparentButton::OnClick, this, &Tfrm_forget::TransparentButton1Click);
  }
  OnEnterKey(ed_id, [this] { focusNextChild(); });
  OnEnterKey(ed_id2, [this] { focusNextChild(); });
  OnEnterKey(edit, [this] { HoverImage1Click(); });
  OnEnterKey(Edit1, [this] { HoverImage2Click(); });
}

void Tfrm_forget::ShowPage(TPicturePanel* page) {
  for (TPicturePanel* each : {Pnl_forgot1, pnl_forgot2, pnl_forgot3}) each->setVisible(each == page);
}

bool Tfrm_forget::SendReset(const QLineEdit* idEdit, const QLineEdit* emailEdit) {
  const std::string reply = HttpPostText(
      LostPasswordUrl(ServiceRoot(), FromQString(idEdit->text()), FromQString(emailEdit->text())));
  return IsSuccessCode(ReplyCode(reply));
}

void Tfrm_forget::HoverImage1Click() {
  if (ed_id->text().isEmpty()) {
    ShowAlert("Please enter your ID.");
    ed_id->setFocus();
    return;
  }
  if (!EmailAddressAcceptable(FromQString(edit->text()))) {
    edit->clear();
    edit->setFocus();
    return;
  }
  if (SendReset(ed_id, edit)) {
    ShowDonePage();
    return;
  }
  ShowPage(pnl_forgot3);
  ed_id2->setFocus();
}

void Tfrm_forget::HoverImage2Click() {
  if (ed_id2->text().isEmpty()) {
    ShowAlert("Please enter your ID.");
    ed_id2->setFocus();
    return;
  }
  if (!EmailAddressAcceptable(FromQString(Edit1->text()))) {
    Edit1->clear();
    return;
  }
  if (SendReset(ed_id2, Edit1)) {
    ShowDonePage();
    return;
  }
  ed_id2->clear();
  Edit1->clear();
  ed_id2->setFocus();
}

void Tfrm_forget::ShowDonePage() {
  ShowPage(pnl_forgot2);
  repaint();
  QTimer::singleShot(DonePageMilliseconds, this, &Tfrm_forget::TransparentButton1Click);
}

void Tfrm_forget::TransparentButton1Click() {
  ShowLoginWindow();
  close();
}

}  // namespace velomira
