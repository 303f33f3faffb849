#include "Tfrm_edit.h"

#include <QEvent>
#include <QFrame>
#include <QMouseEvent>
#include <QScrollBar>

#include "CaptionLeftCheck.h"
#include "dialogkit/FormParts.h"
#include "Tfrm_cate1.h"
#include "controls/CodePageText.h"
#include "controls/THoverImage.h"
#include "controls/TPicturePanel.h"
#include "core/ServletRequests.h"
#include "core/dFunc.h"
#include "core/qt/WindowChrome.h"
#include "guide/GuideLayout.h"
#include "mainwin/MainWindowHost.h"
#include "mainwin/alertbox/AlertBox.h"

namespace velomira {

namespace {

// The main window counts the opening; title-bar pictures 2, 3 and 5 stop the banners.
const GuideWindowSpec kEditWindow{
    "frm_edit", "pnl_edit", "My Velomira edit", "", "Select category to add", 'e', 'e', nullptr, "imgbanner", true,
};

constexpr QPoint kCategoryButton(174, 35);
constexpr QRect kListFrame(12, 58, 266, 226);
constexpr QRect kRowsClip(2, 20, 244, kMyListViewHeight);
constexpr QRect kScrollBar(250, 20, 12, kMyListViewHeight);
constexpr QPoint kDeleteButton(196, 200);

const QColor kCategoryText(0x00, 0x00, 0x50);
const QColor kCategoryBack(0xD9, 0xE0, 0xF3);
const QColor kCheckBack(0xE9, 0xF3, 0xF9);

QLabel* MakeRowLabel(QWidget* row, const std::string& text) {
  auto* label = new QLabel(ToQString(text), row);
  label->setTextFormat(Qt::PlainText);  // "Tech & Sci" as it is
  label->setFont(guide_layout::LabelFont());
  label->setGeometry(2, 2, 100, 15);
  label->setAutoFillBackground(true);
  QPalette colors = label->palette();
  colors.setColor(QPalette::Window, kCategoryBack);
  colors.setColor(QPalette::WindowText, kCategoryText);
  label->setPalette(colors);
  return label;
}

}  // namespace

Tfrm_edit::Tfrm_edit(MainWindowHost& host) : GuideWindow(host, kEditWindow) {
  img_cat = new THoverImage(Panel);
  img_cat->setObjectName("img_cat");
  LoadButtonPictures(img_cat, "category.gif", "category.gif", "category.gif");
  img_cat->SetAutoSize(true);
  img_cat->move(kCategoryButton);
  connect(img_cat, &THoverImage::OnClick, this, &Tfrm_edit::img_catClick);

  Panel1 = new QFrame(Panel);
  Panel1->setObjectName("Panel1");
  Panel1->setGeometry(kListFrame);
  Panel1->setFrameShape(QFrame::Box);
  Panel1->setAutoFillBackground(true);
  QPalette frameColors = Panel1->palette();
  frameColors.setColor(QPalette::Window, Qt::white);
  frameColors.setColor(QPalette::WindowText, QColor(0xA0, 0xA8, 0xC8));
  Panel1->setPalette(frameColors);
  MakeGuideLabel(Panel1, "Label3", "My Velomira", {6, 3, 90, 14}, guide_layout::kCaptionColor, true);
  MakeGuideLabel(Panel1, "Label4", "list", {88, 3, 40, 14}, guide_layout::kCaptionColor);
  Label6 = MakeGuideLabel(Panel1, "Label6", "Delete", {6, 3, 240, 14}, guide_layout::kHeaderColor, true);
  Label6->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  Panel3 = new QWidget(Panel1);
  Panel3->setObjectName("Panel3");
  Panel3->setGeometry(kRowsClip);
  Panel2 = new QWidget(Panel3);
  Panel2->setObjectName("Panel2");
  Panel2->setGeometry(0, 0, kRowsClip.width(), 0);
  scbbar = new QScrollBar(Qt::Vertical, Panel1);
  scbbar->setObjectName("scbbar");
  scbbar->setGeometry(kScrollBar);
  scbbar->setSingleStep(kMyListRowHeight);
  scbbar->setPageStep(kRowsClip.height());
  connect(scbbar, &QScrollBar::valueChanged, this, [this](int position) { Panel2->move(0, -position); });

  img_del = MakePictureButton(Panel1, "img_del", "Delete.gif", kDeleteButton);
  connect(img_del, &THoverImage::OnClick, this, &Tfrm_edit::img_delClick);

  // The back button also brings the main window's own list back.
  disconnect(imgOk, &THoverImage::OnClick, this, nullptr);
  connect(imgOk, &THoverImage::OnClick, this, &Tfrm_edit::imgOkClick);
  connect(this, &GuideWindow::Closing, this, [this] {
    closing_ = true;
    CloseSideWindows();
  });
  // A press that starts dragging the main window closes the pop-ups first.
  Panel->installEventFilter(this);
  Label2->installEventFilter(this);
}

Tfrm_edit::~Tfrm_edit() { CloseSideWindows(); }

void Tfrm_edit::Opened() { LoadList(); }

void Tfrm_edit::LoadList() {
  Request([] { return RequestMyCategories(); }, [this](const std::string& reply) { ListLoaded(reply); });
}

void Tfrm_edit::ListLoaded(const std::string& reply) {
  entries_ = ParseMyCategories(reply);
  BuildRows();
}

void Tfrm_edit::BuildRows() {
  while (!Rows.empty()) {
    delete Rows.back();
    Rows.pop_back();
  }
  CategoryLabels.clear();
  Checks.clear();
  const int count = static_cast<int>(entries_.size());
  scbbar->setRange(0, MyListScrollMaximum(count));
  scbbar->setValue(0);
  Panel2->setGeometry(0, 0, Panel3->width(), MyListHeight(count));

  const auto subCategories = State().SubCategories.Get();
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    auto* row = new QWidget(Panel2);
    row->setObjectName(QStringLiteral("Row%1").arg(i));
    row->setGeometry(0, kMyListRowHeight * static_cast<int>(i), Panel2->width(), kMyListRowHeight);
    row->setAutoFillBackground(true);
    QPalette rowColors = row->palette();
    rowColors.setColor(QPalette::Window, Qt::white);
    row->setPalette(rowColors);
    CategoryLabels.push_back(MakeRowLabel(row, CategoryLabel(entries_[i])));

    auto* check = new CaptionLeftCheck(row);
    check->setObjectName(QStringLiteral("Check%1").arg(i));
    check->setFont(guide_layout::LabelFont());
    check->SetCaption("   " + SubCategoryName(entries_[i], subCategories->Codes, subCategories->Names));
    check->SetColors(kCheckBack, kCategoryText);
    check->setGeometry(105, 2, 136, 15);
    Checks.push_back(check);
    row->show();
    Rows.push_back(row);
  }
}

void Tfrm_edit::img_delClick() {
  std::vector<bool> checked;
  for (const CaptionLeftCheck* check : Checks) checked.push_back(check->isChecked());
  const std::string cates = DeleteCates(entries_, checked);
  if (cates.empty()) {
    ShowAlert("Please try again later.");
    return;
  }
  Request([cates] { return RequestMyCategoriesEdit(false, cates); }, [this](const std::string& reply) {
    if (IsSuccessCode(ReplyCode(reply))) {
      LoadList();
    } else {
      ShowAlert("Please try again later.");
    }
  });
}

void Tfrm_edit::AddCategories(const std::string& cates, std::function<void()> done) {
  // The reply is not looked at: the reloaded list shows what the service holds.
  Request([cates] { return RequestMyCategoriesEdit(true, cates); }, [this, done](const std::string&) {
    done();
    LoadList();
  });
}

void Tfrm_edit::img_catClick() {
  if (Picker) Picker->close();
  const QPoint below = img_cat->mapToGlobal(QPoint(0, img_cat->height() / 2 + 8));
  Picker = new Tfrm_cate1(*this, Host().HostWindow());
  Picker->move(below);
  Picker->show();
}

void Tfrm_edit::CloseSideWindows() {
  if (Picker) Picker->CloseWithPopup();
}

void Tfrm_edit::MainWindowActivated() {
  if (Picker) Picker->MainWindowActivated();
}

void Tfrm_edit::imgOkClick() {
  if (closing_) return;
  MainWindowHost& host = Host();
  GuideWindow::imgOkClick();
  host.ShowMyList();
}

bool Tfrm_edit::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    CloseSideWindows();
  }
  return GuideWindow::eventFilter(watched, event);
}

}  // namespace velomira
