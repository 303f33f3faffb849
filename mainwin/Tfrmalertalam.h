#pragma once
// The "starts now" box an alarm leaves behind: names the program and offers to open it.
// It lives on by itself until the member answers or closes it.
#include <QWidget>
#include <functional>
#include <string>

class QLabel;

namespace velomira {

class THoverImage;
class TPicturePanel;
class TTransparentButton;

class Tfrmalertalam : public QWidget {
  Q_OBJECT
 public:
  // title and address: the preset that rang; "Yes" opens the address.
  Tfrmalertalam(const std::string& title, const std::string& address);

  TPicturePanel* pnl_pre;
  QLabel* prgname;
  THoverImage* alert_yes;
  THoverImage* alert_no;
  TTransparentButton* TransparentButton1;

  void alert_yesClick();
  void alert_noClick();
  void TransparentButton1Click();

 private:
  std::string address_;
};

// Set by the preset window while it is open: reloads its list. "Yes" and "No" call it.
extern std::function<void()> PresetWindowReload;

}  // namespace velomira
