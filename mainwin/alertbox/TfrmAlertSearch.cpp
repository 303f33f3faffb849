#include "mainwin/alertbox/TfrmAlertSearch.h"

#include <QKeyEvent>
#include <QLabel>

#include "controls/CodePageText.h"
#include "controls/THoverImage.h"
#include "controls/TPicturePanel.h"
#include "controls/TTransparentButton.h"
#include "core/qt/WindowChrome.h"

namespace velomira {

TfrmAlertSearch* frmAlertSearch = nullptr;

namespace {
constexpr int OkResult = 1;
constexpr int CancelResult = 2;
}  // namespace

TfrmAlertSearch::TfrmAlertSearch(QWidget* parent)
    : SkinnedDialog(parent, QStringLiteral("frmAlertSearch"), 330, 133) {
  FormCreate();
  frmAlertSearch = this;
}

TfrmAlertSearch::~TfrmAlertSearch() {
  if (frmAlertSearch == this) frmAlertSearch = nullptr;
}

void TfrmAlertSearch::FormCreate() {
  PnlAlertsearch = MakeBackground(this, QStringLiteral("PnlAlertsearch"), "AlertBox.gif");

  lblMessage = new QLabel(PnlAlertsearch);
  lblMessage->setObjectName(QStringLiteral("lblMessage"));
  lblMessage->setGeometry(36, 44, 261, 49);
  lblMessage->setTextFormat(Qt::PlainText);
  lblMessage->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  lblMessage->setWordWrap(true);

  imgOk = new THoverImage(PnlAlertsearch);
  imgOk->setObjectName(QStringLiteral("imgOk"));
  imgOk->SetAutoSize(true);
  imgOk->move(91, 100);
  connect(imgOk, &THoverImage::OnClick, this, [this] { done(OkResult); });

  imgCancel = new THoverImage(PnlAlertsearch);
  imgCancel->setObjectName(QStringLiteral("imgCancel"));
  imgCancel->SetAutoSize(true);
  imgCancel->move(180, 100);
  connect(imgCancel, &THoverImage::OnClick, this, [this] { done(CancelResult); });

  TransparentButton1 = MakeCloseBox(PnlAlertsearch, QStringLiteral("TransparentButton1"));
  connect(TransparentButton1, &TTransparentButton::OnClick, this,
          [this] { done(CancelResult); });
  LoadButtons();
}

void TfrmAlertSearch::LoadButtons() {
  LoadButtonPictures(imgOk, "Alert_ok.gif", "Alert_ok_ovr.gif", "Alert_Ok_Ovr.gif");
  LoadButtonPictures(imgCancel, "Alert_Cancel.gif", "Alert_Cancel_ovr.gif",
                     "Alert_Cancel_Ovr.gif");
}

void TfrmAlertSearch::SetMessage(const std::string& message) {
  lblMessage->setText(MessageText(message));
}

void TfrmAlertSearch::MakeNotice() {
  imgCancel->hide();
  imgOk->move((width() - imgOk->width()) / 2, imgOk->y());
}

void TfrmAlertSearch::keyPressEvent(QKeyEvent* event) { event->accept(); }

}  // namespace velomira
