#pragma once
// A frameless dialog of a fixed size drawn by the skin: the base of every skinned
// dialog and message box. Escape does nothing (the skin has no cancel key); a dialog
// ends through its own buttons and close area.
#include <QDialog>
#include <QString>
#include <functional>
#include <string>

namespace velomira {

class TPicturePanel;
class TTransparentButton;

class SkinnedDialog : public QDialog {
  Q_OBJECT
 public:
  enum class Stacking { OnTop, Normal };
  SkinnedDialog(QWidget* parent, const QString& formName, int width, int height,
                Stacking stacking = Stacking::OnTop);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

// Centres window on the available area (without panels) of the screen it is on.
void CentreOnScreen(QWidget* window);

// A background panel filling parent with FormDir + picture; it drags the window.
TPicturePanel* MakeBackground(QWidget* parent, const QString& name, const std::string& picture);
// The close area over the background's close mark (top right of a 330 wide picture).
TTransparentButton* MakeCloseBox(QWidget* parent, const QString& name);

// Enter in control runs action and goes no further.
void OnEnterKey(QWidget* control, std::function<void()> action);

}  // namespace velomira
