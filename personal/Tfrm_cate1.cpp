#include "Tfrm_cate1.h"

#include <QFrame>

#include "Tfrm_cate2.h"
#include "controls/CodePageText.h"
#include "controls/THoverLabel.h"
#include "controls/Tag.h"
#include "core/dFunc.h"
#include "guide/GuideLayout.h"

namespace velomira {

namespace {

constexpr QSize kPickerSize(98, 139);
constexpr int kLabelHeight = 15;
const QColor kLitBack(0x0A, 0x24, 0x6A);  // the classic active-caption blue
constexpr int kActivationGrace = 300;  // ms

}  // namespace

Tfrm_cate1::Tfrm_cate1(Tfrm_edit& editor, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), editor_(editor) {
  setObjectName("frm_cate1");
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(kPickerSize);
  setAutoFillBackground(true);
  QPalette colors = palette();
  colors.setColor(QPalette::Window, Qt::white);
  setPalette(colors);

  // A thin edge, so the white picker stands apart from the white list below it.
  auto* outline = new QFrame(this);
  outline->setFrameShape(QFrame::Box);
  outline->setGeometry(rect());
  outline->setAttribute(Qt::WA_TransparentForMouseEvents);

  for (int tag = 1; tag <= CategoryCount; ++tag) {
    auto* label = new THoverLabel(this);
    label->setObjectName(QStringLiteral("HoverLabel%1").arg(tag));
    label->setFont(guide_layout::LabelFont());
    label->setAutoFillBackground(true);
    label->SetCaption(std::string("    ") + CategoryTable[static_cast<std::size_t>(tag - 1)].DisplayName);
    label->SetFontColor(Qt::black);
    label->SetColorEnter(Qt::white);
    label->SetColorClick(Qt::white);
    label->setGeometry(1, 2 + kLabelHeight * (tag - 1), kPickerSize.width() - 2, kLabelHeight);
    SetTag(label, tag);
    connect(label, &THoverLabel::OnMouseEnter, this, [this, label] { Paint(label, true); });
    connect(label, &THoverLabel::OnMouseExit, this, [this, label] {
      if (!label->Clicked()) Paint(label, false);
    });
    connect(label, &THoverLabel::OnClick, this, [this, label] { HoverLabel1Click(label); });
    Labels[static_cast<std::size_t>(tag - 1)] = label;
  }
  outline->raise();
}

void Tfrm_cate1::Paint(THoverLabel* label, bool lit) {
  QPalette colors = label->palette();
  colors.setColor(QPalette::Window, lit ? kLitBack : Qt::white);
  label->setPalette(colors);
}

void Tfrm_cate1::HoverLabel1Click(THoverLabel* label) {
  if (Popup) return;
  label->SetClicked(true);
  Paint(label, true);
  const QPoint besideLabel = label->mapToGlobal(QPoint(label->width() - 4, label->height() / 2 - 8));
  Popup = new Tfrm_cate2(editor_, Tag(label), this);
  Popup->move(besideLabel);
  const QPointer<Tfrm_cate1> alive(this);
  Popup->exec();
  // Leaving the editor while the popup shows frees the picker with it.
  if (!alive) return;
  delete Popup;
  popupClosed_.start();
  ClearLabels();
}

void Tfrm_cate1::ClearLabels() {
  for (THoverLabel* label : Labels) {
    label->SetClicked(false);
    label->SetFontColor(Qt::black);
    Paint(label, false);
  }
}

void Tfrm_cate1::MainWindowActivated() {
  if (Popup || (popupClosed_.isValid() && popupClosed_.elapsed() < kActivationGrace)) return;
  close();
}

void Tfrm_cate1::CloseWithPopup() {
  if (Popup) Popup->reject();
  close();
}

}  // namespace velomira
