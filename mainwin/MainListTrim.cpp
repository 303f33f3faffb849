// What keeps the main list bounded when it runs for days: every pass appends its
// lines again, so items far above the visible rows are let go and the strip, which
// only ever moves up, is moved back to the top of the list area.
#include <QWidget>
#include <algorithm>

#include "TfrmMain.h"
#include "controls/Tag.h"

namespace velomira {

namespace {

// How far the step-back button can still go above the row at the top.
constexpr int kItemsKeptAbove = 100;

// Row controls are named by a letter (or two) and their item index: "T12", "BA12".
void Renumber(QObject* row, int dropped) {
  const int index = Tag(row);
  const QString name = row->objectName();
  const QString number = QString::number(index);
  if (name.size() > number.size() && name.endsWith(number) && !name.at(name.size() - number.size() - 1).isDigit()) {
    row->setObjectName(name.left(name.size() - number.size()) + QString::number(index - dropped));
  }
  SetTag(row, index - dropped);
}

}  // namespace

void TfrmMain::ForgetScrolledItems() {
  // Items not laid out yet stay, whatever the step buttons did to the top index.
  const int dropped = std::min(TopItemIndex - kItemsKeptAbove, NextRenderIndex);
  if (dropped <= 0) return;
  Items.DropFront(dropped);
  NextRenderIndex -= dropped;
  TopItemIndex -= dropped;
  PopupItemIndex = PopupItemIndex >= dropped ? PopupItemIndex - dropped : -1;
  for (QWidget* row : PnlInfo->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (Tag(row) >= dropped) Renumber(row, dropped);
  }
}

void TfrmMain::RebaseStrip() {
  const int shift = -PnlInfo->y();
  if (shift <= 0) return;
  // Every row keeps its place on the screen.
  for (QWidget* row : PnlInfo->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) row->move(row->x(), row->y() - shift);
  RowTop -= shift;
  PnlInfo->setGeometry(PnlInfo->x(), 0, PnlInfo->width(), std::max(PnlInfo->height() - shift, 0));
}

}  // namespace velomira
