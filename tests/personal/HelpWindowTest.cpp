// The help window: topics from "911.Dat", the page view (through a proxy like every
// other request, pictures included, links), and the help mail with its messages.
#include <QBuffer>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <fstream>
#include <unistd.h>

#include "PersonalFixture.h"
#include "ProxyProcess.h"
#include "controls/CodePageText.h"
#include "controls/TPicturePanel.h"
#include "personal/HelpBrowser.h"
#include "personal/TfrmHelp.h"

namespace velomira::test {
namespace {

const std::string MailPath = "/servlet/servlet.Help_me";

std::string PictureBytes() {
  QImage image(12, 7, QImage::Format_RGB32);
  image.fill(Qt::blue);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes.toStdString();
}

class HelpWindowTest : public PersonalTest {
 protected:
  void SetUp() override {
    PersonalTest::SetUp();
    service_.Reply("/web/help/topic1.htm",
                   "<html><body><h1>Getting started</h1><p>Log in first.</p><p><img src=\"/down/img/help.png\"></p>"
                   "<p><a href=\"topic2.htm\">Next topic</a> <a href=\"http://elsewhere.example/x.htm\">Out</a>"
                   "</p></body></html>");
    service_.Reply("/web/help/topic2.htm", "<html><body><p>The second topic.</p></body></html>");
    service_.Reply("/down/img/help.png", PictureBytes());
  }

  void WriteTopics() const {
    std::ofstream(State().DataDir + "911.Dat")
        << service_.Root() << "/web/help/topic1.htm\r\nGetting started\r\nstart\r\n"
        << service_.Root() << "/web/help/topic2.htm\r\nSecond\r\nsecond\r\n";
  }

  TfrmHelp* OpenHelp() {
    auto* help = new TfrmHelp(host_);
    help->Open();
    WaitIdle(help);
    return help;
  }

  std::vector<std::string> SendMail(TfrmHelp* help) {
    BoxAnswerer boxes;
    help->imgSendClick();
    WaitIdle(help);
    return boxes.Messages();
  }
};

TEST_F(HelpWindowTest, OpeningShowsTheFirstTopicWithItsPictureFetchedThroughTheProxy) {
  const char* tinyproxy = "/usr/bin/tinyproxy";
  if (access(tinyproxy, X_OK) != 0) GTEST_SKIP() << "tinyproxy is not installed";
  const int port = FreeLoopbackPort();
  const std::string folder = State().ProgramDir;
  std::ofstream(folder + "tinyproxy.conf") << "Port " << port << "\nListen 127.0.0.1\nAllow 127.0.0.1\n"
                                           << "LogLevel Info\nMaxClients 20\n"
                                           << (geteuid() == 0 ? "User root\nGroup root\n" : "");
  std::ofstream(folder + "proxy.ini") << "[proxy]\r\nproxy_setting=1\r\nprotocol=3\r\nproxy_address=127.0.0.1\r\n"
                                      << "Proxy_port=" << port << "\r\n";
  ProxyProcess proxy;
  ASSERT_TRUE(proxy.Start({tinyproxy, "-d", "-c", folder + "tinyproxy.conf"}, port, folder + "proxy.log"))
      << proxy.Log();
  WriteTopics();

  TfrmHelp* help = OpenHelp();
  ASSERT_EQ(help->CmbHelp->count(), 2);
  EXPECT_EQ(help->CmbHelp->itemText(1), "Second");
  EXPECT_EQ(help->CmbHelp->currentIndex(), 0);
  EXPECT_TRUE(help->WB->toPlainText().contains("Log in first."));
  const QImage picture =
      help->WB->document()->resource(QTextDocument::ImageResource, QUrl("/down/img/help.png")).value<QImage>();
  EXPECT_EQ(picture.size(), QSize(12, 7));
  {
    std::lock_guard lock(State().Usage.Lock);
    EXPECT_EQ(State().Usage.EmergencyOpens, 1);
    ASSERT_FALSE(State().Usage.EmergencyClicks.empty());
    EXPECT_EQ(State().Usage.EmergencyClicks[0], 1);
  }

  proxy.Stop();  // flushes its log
  EXPECT_NE(proxy.Log().find("/web/help/topic1.htm"), std::string::npos) << proxy.Log();
  EXPECT_NE(proxy.Log().find("/down/img/help.png"), std::string::npos) << proxy.Log();
}

TEST_F(HelpWindowTest, SiteLinksOpenInTheViewAndAPageThatCannotBeFetchedLeavesItAsItWas) {
  WriteTopics();
  TfrmHelp* help = OpenHelp();
  emit help->WB->anchorClicked(QUrl("topic2.htm"));
  WaitIdle(help);
  EXPECT_TRUE(help->WB->toPlainText().contains("The second topic."));
  EXPECT_EQ(help->WB->PageAddress().toString().toStdString(), service_.Root() + "/web/help/topic2.htm");

  service_.ClearRequests();
  emit help->WB->anchorClicked(QUrl("http://elsewhere.example/x.htm"));  // the member's browser
  help->WB->Navigate(QUrl(ToQString(service_.Root() + "/web/help/missing.htm")));  // an empty reply
  WaitIdle(help);
  EXPECT_EQ(service_.Paths(), std::vector<std::string>{"/web/help/missing.htm"});
  EXPECT_TRUE(help->WB->toPlainText().contains("The second topic."));

  help->CmbHelpChange(0);
  WaitIdle(help);
  EXPECT_TRUE(help->WB->toPlainText().contains("Log in first."));
}

TEST_F(HelpWindowTest, WithoutTopicsTheListIsEmptyAndTheMailStillGoesToTheSupportMailbox) {
  State().MemberEmail = "dana@example.org";
  service_.Reply(MailPath, Reply({}));
  TfrmHelp* help = OpenHelp();
  EXPECT_EQ(help->CmbHelp->count(), 0);
  EXPECT_TRUE(help->WB->toPlainText().isEmpty());
  EXPECT_TRUE(service_.Paths().empty());

  help->TxtQuest->setPlainText("How do I preset?\nThanks");
  EXPECT_EQ(SendMail(help), std::vector<std::string>{"Sucess sending your mail."});
  ASSERT_EQ(service_.RequestsTo(MailPath).size(), 1u);
  const Received sent = service_.RequestsTo(MailPath)[0];
  EXPECT_EQ(sent.Param("from"), "dana@example.org");
  EXPECT_EQ(sent.Param("from_name"), "member7");
  EXPECT_EQ(sent.Param("cnt"), "How do I preset?\nThanks");
  EXPECT_EQ(sent.Param("to"), "support@velomira.example");
  EXPECT_EQ(help->TxtQuest->toPlainText(), "How do I preset?\nThanks");  // not cleared

  IniFile(State().MainIniPath).WriteString("SERVICE", "MAIL", " help@example.org ");
  SendMail(help);
  EXPECT_EQ(service_.RequestsTo(MailPath).back().Param("to"), "help@example.org");
}

TEST_F(HelpWindowTest, EveryHelpMailReplyTellsTheMemberWhatBecameOfTheMail) {
  TfrmHelp* help = OpenHelp();
  const struct {
    std::string reply, message;
  } cases[] = {
      {"", "Please try again later."},
      {"abc", "Please try again later."},
      {Reply({}, "300"), "Please retry sending your mail."},
      {Reply({}, "231"), "Please retry sending your mail."},
      {Reply({}), "Sucess sending your mail."},
      {"  100", "Sucess sending your mail."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reply);
    service_.Reply(MailPath, c.reply);
    EXPECT_EQ(SendMail(help), std::vector<std::string>{c.message});
  }
}

TEST_F(HelpWindowTest, BackGivesTheMainWindowBack) {
  QPointer<TfrmHelp> help = OpenHelp();
  EXPECT_EQ(host_.Shown, static_cast<QWidget*>(help->Panel));
  EXPECT_EQ(help->Panel->objectName(), "pnlHelp");
  help->imgOkClick();
  Settle(0);
  EXPECT_EQ(host_.Resumes, 1);
  EXPECT_EQ(host_.MyListShows, 0);
  EXPECT_FALSE(help);
}

}  // namespace
}  // namespace velomira::test
