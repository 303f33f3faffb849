#include "Tfrm_cate2.h"

#include <QPointer>
#include <cstdlib>

#include "CaptionLeftCheck.h"
#include "MyCategoryList.h"
#include "Tfrm_edit.h"
#include "controls/THoverImage.h"
#include "controls/Tag.h"
#include "core/dFunc.h"
#include "core/qt/WindowChrome.h"
#include "guide/GuideLayout.h"

namespace velomira {

namespace {

constexpr int kBoxHeight = 13;
constexpr int kBoxWidth = 120;
const QColor kPopupBack(0xD2, 0xD2, 0xD2);
const QColor kBoxBack(0xC0, 0xC0, 0xC0);
const QColor kLitBack(0x0A, 0x24, 0x6A);

THoverImage* MakeButton(QWidget* parent, const char* name, const char* picture, const char* down, QPoint place) {
  auto* button = new THoverImage(parent);
  button->setObjectName(name);
  LoadButtonPictures(button, picture, down, down);
  button->setGeometry(QRect(place, QSize(56, 15)));
  return button;
}

}  // namespace

Tfrm_cate2::Tfrm_cate2(Tfrm_edit& editor, int position, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      editor_(editor),
      serviceCode_(ServiceCodeAt(position)) {
  setObjectName("frm_cate2");
  setAutoFillBackground(true);
  QPalette colors = palette();
  colors.setColor(QPalette::Window, kPopupBack);
  setPalette(colors);

  AllOfTheBelow = MakeCheck("AllOfTheBelow", "All of the below ", 1);
  connect(AllOfTheBelow, &QCheckBox::clicked, this, [this](bool checked) {
    for (CaptionLeftCheck* box : SubCategories) box->setChecked(checked);
  });

  const auto subCategories = State().SubCategories.Get();
  const bool known = position >= 1 && position <= CategoryCount;
  const TextList noNames;
  const TextList& nameList = known ? subCategories->Names[static_cast<std::size_t>(position - 1)] : noNames;
  const TextList& codeList = known ? subCategories->Codes[static_cast<std::size_t>(position - 1)] : noNames;
  for (std::size_t i = 0; i < nameList.size(); ++i) {
    const std::string name = "SubCategory" + std::to_string(i + 1);
    CaptionLeftCheck* box = MakeCheck(name.c_str(), nameList[i], kBoxHeight * static_cast<int>(i) + 14);
    SetTag(box, i < codeList.size() ? std::atoi(codeList[i].c_str()) : 0);
    SubCategories.push_back(box);
  }

  // Under the last box; with no sub-categories, under "All of the below ".
  const int buttonsTop = kBoxHeight * static_cast<int>(SubCategories.size()) + 14;
  imgOk = MakeButton(this, "imgOk", "btn_ca_ok1.gif", "btn_ca_ok2.gif", {2, buttonsTop});
  imgCancel = MakeButton(this, "imgCancel", "btn_ca_cancel1.gif", "btn_ca_cancel2.gif", {66, buttonsTop});
  connect(imgOk, &THoverImage::OnClick, this, &Tfrm_cate2::OkClick);
  connect(imgCancel, &THoverImage::OnClick, this, &QDialog::reject);
  setFixedSize(kBoxWidth + 4, buttonsTop + 16);
  PreCheck();
}

CaptionLeftCheck* Tfrm_cate2::MakeCheck(const char* name, const std::string& caption, int top) {
  auto* box = new CaptionLeftCheck(this);
  box->setObjectName(name);
  box->setFont(guide_layout::LabelFont(false, 10));
  box->SetCaption(caption);
  box->SetColors(kBoxBack, Qt::black);
  box->setGeometry(1, top, kBoxWidth, kBoxHeight);
  connect(box, &TMyCheck::OnMouseEnter, box, [box] { box->SetColors(kLitBack, Qt::white); });
  connect(box, &TMyCheck::OnMouseExit, box, [box] { box->SetColors(kBoxBack, Qt::black); });
  return box;
}

void Tfrm_cate2::PreCheck() {
  for (const MyCategoryEntry& entry : editor_.Entries()) {
    if (std::atoi(entry.ServiceCode.c_str()) != serviceCode_) continue;
    const int code = std::atoi(entry.SubCategoryCode.c_str());
    for (CaptionLeftCheck* box : SubCategories) {
      if (Tag(box) == code) {
        box->setChecked(true);
        break;
      }
    }
  }
}

std::string Tfrm_cate2::CheckedCates() const {
  std::vector<int> checked;
  for (const CaptionLeftCheck* box : SubCategories) {
    if (box->isChecked()) checked.push_back(Tag(box));
  }
  return AddCates(serviceCode_, checked);
}

void Tfrm_cate2::OkClick() {
  setEnabled(false);
  const QPointer<Tfrm_cate2> guard(this);
  editor_.AddCategories(CheckedCates(), [guard] {
    if (guard) guard->accept();
  });
}

}  // namespace velomira
