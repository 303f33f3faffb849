// The forgotten-password dialog: the e-mail check, both send pages against a test
// server, and the return to the login dialog.
#include <QLineEdit>
#include <QPointer>

#include "AccountFixture.h"
#include "WindowDriver.h"
#include "account/Login.h"
#include "account/Tfrm_forget.h"
#include "account/Tfrm_login.h"
#include "controls/THoverImage.h"
#include "controls/TPicturePanel.h"

namespace velomira::test {
namespace {

const std::string ResetPath = "/servlet/servlet.LostPassword";

class ForgetDialogTest : public AccountFixture {
 protected:
  Tfrm_forget* OpenDialog() {
    auto* dialog = new Tfrm_forget;
    dialog->show();
    return dialog;
  }
  static bool OnPage(const Tfrm_forget* dialog, int page) {
    const TPicturePanel* pages[] = {dialog->Pnl_forgot1, dialog->pnl_forgot2, dialog->pnl_forgot3};
    for (int i = 0; i < 3; ++i) {
      if (pages[i]->isVisible() != (i + 1 == page)) return false;
    }
    return true;
  }
};

TEST_F(ForgetDialogTest, DotBeforeAtEmptiesTheAddressAndSendsNothing) {
  Tfrm_forget* dialog = OpenDialog();
  dialog->ed_id->setText("ann");
  dialog->edit->setText("ann.lee@example");
  Click(dialog->HoverImage1);
  EXPECT_EQ(dialog->edit->text(), "");
  EXPECT_TRUE(OnPage(dialog, 1));
  EXPECT_TRUE(server_->Targets().empty());
  dialog->close();
}

TEST_F(ForgetDialogTest, EmptyIdIsRefused) {
  Tfrm_forget* dialog = OpenDialog();
  dialog->edit->setText("ann@example.com");
  WindowDriver driver;
  driver.Then("frm_alert", "alert_yes");
  Click(dialog->HoverImage1);
  EXPECT_TRUE(WaitUntil([&] { return driver.Finished(); }));
  EXPECT_EQ(driver.Messages, std::vector<std::string>{"Please enter your ID."});
  EXPECT_TRUE(server_->Targets().empty());
  dialog->close();
}

TEST_F(ForgetDialogTest, RefusalsLeadToPageThreeAndEmptyItsFields) {
  server_->Reply(ResetPath, "230 unknown");
  Tfrm_forget* dialog = OpenDialog();
  dialog->ed_id->setText("a&b");
  dialog->edit->setText("x+y@mail.example");
  Click(dialog->HoverImage1);
  EXPECT_TRUE(OnPage(dialog, 3));
  EXPECT_EQ(dialog->ed_id2->text(), "");
  EXPECT_EQ(dialog->Edit1->text(), "");

  dialog->ed_id2->setText("ann");
  dialog->Edit1->setText("ann&co@mail.example");
  Click(dialog->HoverImage2);
  EXPECT_TRUE(OnPage(dialog, 3));
  EXPECT_EQ(dialog->ed_id2->text(), "");
  EXPECT_EQ(dialog->Edit1->text(), "");
  // Both pages send their values URL-encoded.
  EXPECT_EQ(server_->Targets(),
            (std::vector<std::string>{ResetPath + "?usr_id=a%26b&email=x%2By%40mail%2Eexample",
                                      ResetPath + "?usr_id=ann&email=ann%26co%40mail%2Eexample"}));
  dialog->close();
}

TEST_F(ForgetDialogTest, SuccessShowsPageTwoAndReturnsToTheLoginDialog) {
  server_->Reply(ResetPath, "110 mailed");
  WindowDriver driver;
  QPointer<Tfrm_forget> dialog;
  bool sawDonePage = false;
  driver.Then("frm_login", "forgot")
      .Then("frm_forget", "HoverImage1",
            [&](QWidget* window) {
              dialog = static_cast<Tfrm_forget*>(window);
              dialog->ed_id->setText("ann");
              dialog->edit->setText("ann@example.com");
              QTimer::singleShot(300, [&] { sawDonePage = dialog && OnPage(dialog, 2); });
            })
      .Then("frm_login", "img_cancel");
  EXPECT_EQ(RunLogin(ProgramDir()), 2);
  EXPECT_TRUE(driver.Finished());
  EXPECT_TRUE(sawDonePage);
  EXPECT_TRUE(WaitUntil([&] { return dialog.isNull(); }));
  EXPECT_EQ(server_->RequestsTo(ResetPath).size(), 1u);
  delete frm_login;
}

}  // namespace
}  // namespace velomira::test
