#include "TfrmHelp.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "FriendMailText.h"
#include "HelpBrowser.h"
#include "dialogkit/FormParts.h"
#include "controls/CodePageText.h"
#include "controls/THoverImage.h"
#include "controls/TImage.h"
#include "controls/TMyImage.h"
#include "controls/TPicturePanel.h"
#include "core/ServletRequests.h"
#include "core/dFunc.h"
#include "guide/BannerStrip.h"
#include "guide/GuideLayout.h"
#include "mainwin/alertbox/AlertBox.h"

namespace velomira {

namespace {

const GuideWindowSpec kHelpWindow{
    "frmHelp", "pnlHelp", "Velomira 911", "", "Need help? Choose help topics from the drop down list.",
    'h', 'h', &UsageRecord::EmergencyOpens,
};

constexpr QRect kTopicList(12, 54, 266, 20);
constexpr QRect kPageView(12, 78, 266, 136);
constexpr QRect kQuestion(12, 232, 266, 36);
constexpr QRect kEmail(92, 300, 120, 18);
constexpr QPoint kSendButton(218, 300);
constexpr QRect kBackButton(12, 332, 60, 18);

}  // namespace

TfrmHelp::TfrmHelp(MainWindowHost& host) : GuideWindow(host, kHelpWindow) {
  Label2->setObjectName("Label5");
  // The question and the address take the banner's place.
  Banner->Stop();
  Banner->Back->hide();
  Banner->Image->hide();
  imgOk->setGeometry(kBackButton);

  CmbHelp = new QComboBox(Panel);
  CmbHelp->setObjectName("CmbHelp");
  CmbHelp->setFont(guide_layout::LabelFont());
  CmbHelp->setGeometry(kTopicList);
  WB = new HelpBrowser(Panel, [this](std::function<std::string()> request,
                                     std::function<void(const std::string&)> done) {
    Request(std::move(request), std::move(done));
  });
  WB->setGeometry(kPageView);

  MakeGuideLabel(Panel, "Label1", "Your question", {12, 217, 200, 14}, guide_layout::kCaptionColor, true);
  TxtQuest = new QPlainTextEdit(Panel);
  TxtQuest->setObjectName("TxtQuest");
  TxtQuest->setFont(guide_layout::LabelFont());
  TxtQuest->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  TxtQuest->setGeometry(kQuestion);
  MakeGuideLabel(Panel, "Label3",
                 MessageText("Type your question in 250 characters or less. We will \r\nreply to your email at once."),
                 {12, 270, 266, 26}, guide_layout::kRowTextColor, false, 10);
  MakeGuideLabel(Panel, "Label4", "E-mail address", {12, 300, 80, 18}, guide_layout::kCaptionColor);
  TxtEmail = new QLineEdit(Panel);
  TxtEmail->setObjectName("TxtEmail");
  TxtEmail->setFont(guide_layout::LabelFont());
  TxtEmail->setGeometry(kEmail);
  TxtEmail->setText(ToQString(State().MemberEmail));
  imgSend = MakePictureButton(Panel, "imgSend", "send.gif", kSendButton);

  topics_ = ReadHelpTopics(State().DataDir + "911.Dat");
  for (const HelpTopic& topic : topics_) CmbHelp->addItem(ToQString(topic.Title));
  connect(CmbHelp, &QComboBox::activated, this, &TfrmHelp::CmbHelpChange);
  connect(imgSend, &THoverImage::OnClick, this, &TfrmHelp::imgSendClick);
}

void TfrmHelp::Opened() {
  if (CmbHelp->count() == 0) return;
  CmbHelp->setCurrentIndex(0);
  CmbHelpChange(0);
}

void TfrmHelp::CmbHelpChange(int index) {
  if (index < 0 || index >= static_cast<int>(topics_.size())) return;
  CountEmergencyClick(static_cast<std::size_t>(index));
  WB->Navigate(QUrl(ToQString(topics_[static_cast<std::size_t>(index)].Address)));
}

void TfrmHelp::imgSendClick() {
  const std::string from = FromQString(TxtEmail->text());
  const std::string question = FromQString(TxtQuest->toPlainText());
  const std::string mailbox = SupportMailboxAddress();
  Request([from, question, mailbox] { return RequestHelpMail(from, question, mailbox); },
          [](const std::string& reply) { ShowAlert(MailOutcomeText(HelpMailOutcome(reply))); });
}

}  // namespace velomira
