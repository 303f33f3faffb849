#pragma once
// The pieces the account windows are built from, so that every window lays out its
// labels, edit boxes and picture buttons the same way.
#include <QRect>
#include <QString>
#include <functional>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace velomira {

class THoverImage;
class TPicturePanel;
class TTransparentButton;

// A borderless, always-on-top window of a fixed size, centred on its screen.
void SetUpAccountWindow(QWidget* window, const QString& formName, int width, int height);
void CentreOnScreen(QWidget* window);

// A background panel filling parent with FormDir + picture; it drags the window.
TPicturePanel* MakeBackground(QWidget* parent, const QString& name, const std::string& picture);
// A plain label; text is a core text, line breaks kept. title labels are bold.
QLabel* MakeLabel(QWidget* parent, const QString& name, const std::string& text, QRect place,
                  bool title = false);
// A check box with a white caption for the dark dialog bodies.
QCheckBox* MakeCheckBox(QWidget* parent, const QString& name, const QString& caption, QRect place);
QLineEdit* MakeEdit(QWidget* parent, const QString& name, QRect place, int maxLength = 0);
// A hover picture at its natural size: picture from ButtonDir, its "_ovr" picture for
// mouse-over and pressed.
THoverImage* MakePictureButton(QWidget* parent, const QString& name, const std::string& picture,
                               QPoint place);
// The close area over the background's close mark.
TTransparentButton* MakeCloseBox(QWidget* parent, const QString& name);

// Enter in edit runs action and goes no further.
void OnEnterKey(QLineEdit* edit, std::function<void()> action);

}  // namespace velomira
