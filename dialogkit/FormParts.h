#pragma once
// The pieces the skinned dialogs lay on their dark bodies, so that every dialog shows
// its labels, edit boxes and picture buttons the same way.
#include <QRect>
#include <QString>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace velomira {

class TFlatRadioButton;
class THoverImage;

// A plain label; text is a core text, line breaks kept. title labels are bold.
QLabel* MakeLabel(QWidget* parent, const QString& name, const std::string& text, QRect place,
                  bool title = false);
// A check box with a white caption for the dark dialog bodies.
QCheckBox* MakeCheckBox(QWidget* parent, const QString& name, const QString& caption, QRect place);
// A radio button with a white caption and see-through ring; the buttons of one parent
// exclude each other.
TFlatRadioButton* MakeRadio(QWidget* parent, const QString& name, const std::string& caption,
                            QRect place);
QLineEdit* MakeEdit(QWidget* parent, const QString& name, QRect place, int maxLength = 0);
// A hover picture at its natural size: picture from ButtonDir, its "_ovr" picture for
// mouse-over and pressed.
THoverImage* MakePictureButton(QWidget* parent, const QString& name, const std::string& picture,
                               QPoint place);

}  // namespace velomira
