#include "Tfrm_tel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <memory>

#include "FriendMailText.h"
#include "dialogkit/FormParts.h"
#include "controls/CodePageText.h"
#include "controls/THoverImage.h"
#include "controls/TPicturePanel.h"
#include "controls/TTransparentButton.h"
#include "core/ServletRequests.h"
#include "core/dFunc.h"
#include "core/qt/RunRequest.h"
#include "core/qt/WaitCursor.h"
#include "mainwin/alertbox/AlertBox.h"

namespace velomira {

namespace {

constexpr int kLabelLeft = 16;
constexpr int kFieldLeft = 112;
constexpr int kFieldWidth = 200;

// Enter moves on instead of breaking the line, as in the one-line fields.
class MessageMemo : public QPlainTextEdit {
 public:
  explicit MessageMemo(QWidget* parent) : QPlainTextEdit(parent) {
    // Otherwise the memo keeps the focus to itself (for Tab as well).
    setTabChangesFocus(true);
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      focusNextChild();
      return;
    }
    QPlainTextEdit::keyPressEvent(event);
  }
};

void StyleMemo(QPlainTextEdit* memo, const char* name, QRect place) {
  memo->setObjectName(name);
  memo->setGeometry(place);
  QFont font = memo->font();
  font.setPointSize(8);
  memo->setFont(font);
}

}  // namespace

Tfrm_tel::Tfrm_tel(const std::string& programText, const std::string& programLine)
    : SkinnedDialog(nullptr, QStringLiteral("frm_tel"), 331, 340), programLine_(programLine) {
  pnl_mail = MakeBackground(this, QStringLiteral("pnl_mail"), "REGIST.gif");
  MakeLabel(pnl_mail, QStringLiteral("Label1"), "Tell a Friend", {10, 3, 200, 18}, true);
  TransparentButton1 = MakeCloseBox(pnl_mail, QStringLiteral("TransparentButton1"));

  const auto line = [this](const char* name, const std::string& text, int top, int height = 20) {
    MakeLabel(pnl_mail, QString::fromLatin1(name) + "_label", text, {kLabelLeft, top, kFieldLeft - kLabelLeft, height});
    return QRect(kFieldLeft, top, kFieldWidth, height);
  };
  Edit1 = MakeEdit(pnl_mail, QStringLiteral("Edit1"), line("Edit1", "Your Name", 48));
  Edit2 = MakeEdit(pnl_mail, QStringLiteral("Edit2"), line("Edit2", "E-mail Address", 74));
  Memo1 = new QPlainTextEdit(pnl_mail);
  StyleMemo(Memo1, "Memo1", line("Memo1", "Program", 100, 54));
  Memo1->setReadOnly(true);
  Memo2 = new MessageMemo(pnl_mail);
  StyleMemo(Memo2, "Memo2", line("Memo2", "Message\r\n(optional)", 160, 64));
  Edit3 = MakeEdit(pnl_mail, QStringLiteral("Edit3"), line("Edit3", "Friend's Name", 232));
  Edit4 = MakeEdit(pnl_mail, QStringLiteral("Edit4"), line("Edit4", "E-mail Address", 258));
  img_send = MakePictureButton(pnl_mail, QStringLiteral("img_send"), "tell_send.gif", {96, 298});
  img_cancel = MakePictureButton(pnl_mail, QStringLiteral("img_cancel"), "tell_cancel.gif", {176, 298});

  const ClientState& state = State();
  Edit1->setText(ToQString(state.MemberName));
  Edit2->setText(ToQString(state.MemberEmail));
  Memo1->setPlainText(MessageText(programText));

  connect(img_send, &THoverImage::OnClick, this, &Tfrm_tel::img_sendClick);
  connect(img_cancel, &THoverImage::OnClick, this, &QDialog::reject);
  connect(TransparentButton1, &TTransparentButton::OnClick, this, &QDialog::reject);
  for (QLineEdit* edit : {Edit1, Edit2, Edit3}) OnEnterKey(edit, [this] { focusNextChild(); });
  OnEnterKey(Edit4, [this] { img_sendClick(); });
}

void Tfrm_tel::showEvent(QShowEvent* event) {
  SkinnedDialog::showEvent(event);
  Memo2->setFocus();
}

void Tfrm_tel::img_sendClick() {
  if (sending_) return;
  FriendMail mail{FromQString(Edit1->text()),      FromQString(Edit2->text()),
                  FriendProgramSummary(programLine_), FriendMessage(FromQString(Memo2->toPlainText())),
                  FromQString(Edit3->text()),      FromQString(Edit4->text())};
  sending_ = true;
  pnl_mail->setEnabled(false);
  auto waiting = std::make_shared<WaitCursor>();
  RunRequest(this, [mail] { return RequestTellAFriend(mail); }, [this, waiting](const std::string& reply) {
    Sent(reply);
  });
}

void Tfrm_tel::Sent(const std::string& reply) {
  sending_ = false;
  pnl_mail->setEnabled(true);
  const MailOutcome outcome = TellAFriendOutcome(reply);
  if (outcome == MailOutcome::Sent) accept();
  ShowAlert(MailOutcomeText(outcome));
}

void ShowTellAFriend(const std::string& programText, const std::string& programLine) {
  QPointer<Tfrm_tel> dialog = new Tfrm_tel(programText, programLine);
  dialog->exec();
  delete dialog;
}

}  // namespace velomira
