#pragma once
// The help and emergency ("911") window: help topics from "911.Dat" shown in a page
// view, and a question mailed to the support mailbox. It takes the main window's place
// like a guide window.
#include <string>
#include <vector>

#include "HelpMail.h"
#include "guide/GuideWindow.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace velomira {

class HelpBrowser;

class TfrmHelp : public GuideWindow {
  Q_OBJECT
 public:
  explicit TfrmHelp(MainWindowHost& host);

  // The chosen topic: counted for the usage log and shown.
  void CmbHelpChange(int index);
  // Mails the question; the fields keep what was typed.
  void imgSendClick();

  const std::vector<HelpTopic>& Topics() const { return topics_; }

  QComboBox* CmbHelp;
  HelpBrowser* WB;
  QPlainTextEdit* TxtQuest;
  QLineEdit* TxtEmail;
  THoverImage* imgSend;

 protected:
  void Opened() override;

 private:
  std::vector<HelpTopic> topics_;
};

}  // namespace velomira
