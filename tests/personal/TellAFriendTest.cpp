// Tell a friend: the time text and program summary, the dialog's fields, what it sends
// and what the member is told.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "PersonalFixture.h"
#include "controls/CodePageText.h"
#include "controls/TPicturePanel.h"
#include "core/qt/RunRequest.h"
#include "personal/FriendMailText.h"
#include "personal/Tfrm_tel.h"

namespace velomira::test {
namespace {

const std::string FriendPath = "/servlet/servlet.Tell_A_Friend";

std::string Program(const std::string& start, const std::string& end, const std::string& status = "") {
  return Record({{3, start}, {4, end}, {5, "World Report"}, {6, "http://example.test/p/1"}, {7, "Velo News"},
                 {8, "http://example.test/s/1"}, {11, "The day's news"}, {13, status}});
}

class TellAFriendTest : public PersonalTest {
 protected:
  // Sends from a dialog and waits for the reply; the messages shown.
  std::vector<std::string> Send(Tfrm_tel& dialog) {
    BoxAnswerer boxes;
    dialog.img_sendClick();
    for (int i = 0; i < 500 && dialog.Sending(); ++i) Settle(10);
    Settle(20);
    return boxes.Messages();
  }
};

TEST_F(TellAFriendTest, TimeTextsAndTheDatePartOfTheSummary) {
  const struct {
    std::string line, time, datePart;
  } cases[] = {
      {Program("pltm013000", ""), "Playtime[01:30:00]", "01/30/pltmPlaytime[01:30:00]"},
      {Program("PLTM013000", ""), "Playtime[01:30:00]", "01/30/PLTMPlaytime[01:30:00]"},
      {Program("202612102130", "202612102230", "w"), "Inputtime" + FormatTimeRange("202612102130").substr(0, 8) + "]",
       "12/10/2026Inputtime"},
      {Program("202612102130", "202612102230"), FormatTimeRange("202612102130202612102230"),
       "12/10/2026" + FormatTimeRange("202612102130202612102230")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(FriendTimeText(c.line), c.time);
    const std::string summary = FriendProgramSummary(c.line);
    EXPECT_EQ(summary.rfind("World Report\x01Velo News\x01http://example.test/s/1\x01" + c.datePart, 0), 0u) << summary;
    EXPECT_EQ(summary.substr(summary.size() - 39), "\x01The day's news\x01http://example.test/p/1");
  }
  // A short or empty line gives empty parts, never a failure.
  EXPECT_EQ(FriendProgramSummary(""), "\x01\x01\x01//" + FormatTimeRange("") + "\x01\x01");
}

TEST_F(TellAFriendTest, TheDialogOpensFilledFromTheLogin) {
  State().MemberName = "Dana Demo";
  State().MemberEmail = "dana@example.org";
  Tfrm_tel dialog("World Report\r\nThu 9:30pm\r\n(Velo News)", Program("pltm013000", ""));
  EXPECT_EQ(dialog.Edit1->text(), "Dana Demo");
  EXPECT_EQ(dialog.Edit2->text(), "dana@example.org");
  EXPECT_EQ(dialog.Memo1->toPlainText(), "World Report\nThu 9:30pm\n(Velo News)");
  EXPECT_TRUE(dialog.Memo2->toPlainText().isEmpty());
  EXPECT_TRUE(dialog.Edit3->text().isEmpty());
  EXPECT_TRUE(dialog.Edit4->text().isEmpty());
  EXPECT_EQ(dialog.objectName(), "frm_tel");
  EXPECT_EQ(dialog.size(), QSize(331, 340));
}

TEST_F(TellAFriendTest, ATwoLineMessageReachesTheServiceJoinedAndEveryValueEncoded) {
  State().MemberName = "Dana & Co";
  State().MemberEmail = "dana@example.org";
  service_.Reply(FriendPath, Reply({}));
  Tfrm_tel dialog("", Program("pltm013000", ""));
  dialog.Memo2->setPlainText("Line one\nLine two");
  dialog.Edit3->setText("Pat");
  dialog.Edit4->setText("pat@example.org");
  EXPECT_EQ(Send(dialog), std::vector<std::string>{"Sucess sending your mail."});
  EXPECT_EQ(dialog.result(), QDialog::Accepted);

  ASSERT_EQ(service_.RequestsTo(FriendPath).size(), 1u);
  const Received sent = service_.RequestsTo(FriendPath)[0];
  EXPECT_NE(sent.Target.find("&cnt2=Line+one%5B%40retrn%5DLine+two&"), std::string::npos) << sent.Target;
  EXPECT_NE(sent.Target.find("from_name=Dana+%26+Co&from=dana%40example%2Eorg&"), std::string::npos) << sent.Target;
  EXPECT_EQ(sent.Param("cnt1"), FriendProgramSummary(Program("pltm013000", "")));
  EXPECT_EQ(sent.Param("to_name"), "Pat");
  EXPECT_EQ(sent.Param("to"), "pat@example.org");
}

TEST_F(TellAFriendTest, AReplyThatIsNotASuccessCodeAsksToTryLaterAndKeepsWhatWasTyped) {
  for (const std::string& reply : {std::string(), std::string("abc"), Reply({}, "231")}) {
    SCOPED_TRACE(reply);
    service_.Reply(FriendPath, reply);
    Tfrm_tel dialog("", Program("202612102130", "202612102230"));
    dialog.Memo2->setPlainText("Hello");
    dialog.Edit4->setText("pat@example");
    EXPECT_EQ(Send(dialog), std::vector<std::string>{"Please try again later."});
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.pnl_mail->isEnabled());
    EXPECT_EQ(dialog.Memo2->toPlainText(), "Hello");
    EXPECT_EQ(dialog.Edit4->text(), "pat@example");
  }
}

TEST_F(TellAFriendTest, EnterInTheMessageMovesOnInsteadOfBreakingTheLine) {
  Tfrm_tel dialog("", "");
  dialog.show();
  dialog.Memo2->setFocus();
  QTest::keyClick(dialog.Memo2, Qt::Key_Return);
  EXPECT_TRUE(dialog.Memo2->toPlainText().isEmpty());
  EXPECT_EQ(dialog.focusWidget(), dialog.Edit3);
}

}  // namespace
}  // namespace velomira::test
