#pragma once
// Tell a friend: the member's name and address (from the login), the program, an
// optional message and the friend's name and address; the service sends the mail.
#include "dialogkit/SkinnedDialog.h"
#include <string>

class QLineEdit;
class QPlainTextEdit;

namespace velomira {

class THoverImage;
class TPicturePanel;
class TTransparentButton;

class Tfrm_tel : public SkinnedDialog {
  Q_OBJECT
 public:
  // programText for "Program"; programLine: the program's whole list line.
  Tfrm_tel(const std::string& programText, const std::string& programLine);

  // Sends the mail; the dialog closes on success and stays, as typed, otherwise.
  void img_sendClick();
  bool Sending() const { return sending_; }

  TPicturePanel* pnl_mail;
  QLineEdit* Edit1;  // your name
  QLineEdit* Edit2;  // your address
  QPlainTextEdit* Memo1;  // the program
  QPlainTextEdit* Memo2;  // the message
  QLineEdit* Edit3;  // friend's name
  QLineEdit* Edit4;  // friend's address
  THoverImage* img_send;
  THoverImage* img_cancel;
  TTransparentButton* TransparentButton1;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Sent(const std::string& reply);

  std::string programLine_;
  bool sending_ = false;
};

// Shows the dialog modally and frees it afterwards.
void ShowTellAFriend(const std::string& programText, const std::string& programLine);

}  // namespace velomira
