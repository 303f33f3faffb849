#pragma once
// The category picker of the my-categories editor: the nine categories as labels in a
// small window without caption; a label opens the sub-category popup of its category
// beside it.
#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <array>

namespace velomira {

class THoverLabel;
class Tfrm_cate2;
class Tfrm_edit;

class Tfrm_cate1 : public QWidget {
  Q_OBJECT
 public:
  // Frees itself when it closes.
  Tfrm_cate1(Tfrm_edit& editor, QWidget* mainWindow);

  // Opens the popup of label's category (1-9, CategoryTable order) modally beside it.
  void HoverLabel1Click(THoverLabel* label);
  // Closes an open popup (as Cancel does), then the picker.
  void CloseWithPopup();
  // The main window has become active: closes, unless that is only the popup giving
  // the activation back as it closed.
  void MainWindowActivated();

  std::array<THoverLabel*, 9> Labels;
  QPointer<Tfrm_cate2> Popup;

 private:
  void Paint(THoverLabel* label, bool lit);
  void ClearLabels();

  Tfrm_edit& editor_;
  QElapsedTimer popupClosed_;
};

}  // namespace velomira
