#pragma once
// What both box kinds share: a borderless stay-on-top modal window of a fixed size
// whose background panel carries the skin picture and drags the box, and the close
// area over the background's close mark.
#include <QString>
#include <string>

class QDialog;
class QWidget;

namespace velomira {

class TPicturePanel;
class TTransparentButton;

void SetUpBoxWindow(QDialog* box, const QString& formName, int width, int height);
// Also used by the alarm's "starts now" box, which is not modal.
TPicturePanel* MakeBoxBackground(QWidget* box, const QString& name, const std::string& picture);
TTransparentButton* MakeCloseArea(TPicturePanel* background);

}  // namespace velomira
