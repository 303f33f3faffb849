#pragma once
// The alert box "frm_alert" (330 x 130): the message in HoverLabel1 and one OK picture.
#include "dialogkit/SkinnedDialog.h"
#include <string>

namespace velomira {

class THoverImage;
class THoverLabel;
class TPicturePanel;
class TTransparentButton;

class Tfrm_alert : public SkinnedDialog {
  Q_OBJECT
 public:
  explicit Tfrm_alert(QWidget* parent = nullptr);
  ~Tfrm_alert() override;
  void SetMessage(const std::string& message);

  TPicturePanel* pnl_alert;
  THoverLabel* HoverLabel1;
  THoverImage* alert_yes;
  TTransparentButton* TransparentButton1;

 protected:
  void keyPressEvent(QKeyEvent* event) override;  // Enter closes, other keys nothing

 private:
  void FormCreate();
};

// Points to the alert box while one exists.
extern Tfrm_alert* frm_alert;

}  // namespace velomira
