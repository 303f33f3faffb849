// The main window's pictures: categories, My list, function pictures, title bar, and
// the first view.
#include <QLabel>

#include "MainActions.h"
#include "MainColors.h"
#include "TfrmMain.h"
#include "TickerRules.h"
#include "controls/CodePageText.h"
#include "controls/THoverImage.h"
#include "controls/TImage.h"
#include "controls/TPicturePanel.h"
#include "controls/TTransparentButton.h"
#include "controls/Tag.h"
#include "core/dFunc.h"
#include "core/qt/SkinPicture.h"
#include "core/qt/WindowChrome.h"

namespace velomira {

namespace {

struct CategoryPicture {
  const char* Name;
  const char* ButtonName;  // the button lying on it carries the picture's tag
  const char* Over2;       // hover picture while the button is pointed at
};

// Tags 1-10 in order (10 = My list).
constexpr std::array<CategoryPicture, 10> kCategoryPictures{{
    {"imgNews", "btnNews", "News_ovr2.gif"},
    {"imgMoney", "btnMusic", "Money_ovr2.gif"},
    {"imgSports", "btnEnter", "Sports_ovr2.gif"},
    {"imgMusic", "btnMoney", "Music_ovr2.gif"},
    {"imgEnter", "btnSports", "Enter_ovr2.gif"},
    {"imgLife", "btnLife", "Life_ovr2.gif"},
    {"imgTech", "btnTech", "Tech_ovr2.gif"},
    {"imgSex", "btnSex", "Sex_ovr2.gif"},
    {"imgChat", "btnChat", "Chat_ovr2.gif"},
    {"imgEdit", "btnEdit", "mycast_ovr2.gif"},
}};

constexpr std::array<int, 3> kColumnLefts{10, 103, 196};
constexpr std::array<int, 3> kCategoryRowTops{259, 277, 294};
constexpr std::array<int, 2> kFunctionRowTops{329, 343};

struct FunctionPicture {
  const char* Name;
  const char* Normal;
  const char* Over;
  const char* Down;
};

constexpr std::array<FunctionPicture, 6> kFunctionPictures{{
    {"imgPreset", "Preset.gif", "Preset_ovr.gif", "Preset_ovr.gif"},
    {"imgSearch", "Search.gif", "Search_ovr.gif", "search_ovr.gif"},
    {"imgPre", "Prefer.gif", "Prefer_ovr.gif", "Prefer_ovr.gif"},
    {"imgDaily", "Daily.gif", "Daily_ovr.gif", "Daily_ovr.gif"},
    {"imgChannel", "Channel.gif", "Channel_ovr.gif", "Channel_ovr.gif"},
    {"imgHelp", "911.gif", "911_ovr.gif", "911_ovr.gif"},
}};

void PlacePicture(THoverImage* picture, int left, int top, QSize fallback) {
  const QSize natural = picture->Picture().isNull() ? fallback : picture->Picture().deviceIndependentSize().toSize();
  picture->setGeometry(QRect(QPoint(left, top), natural));
}

}  // namespace

void TfrmMain::BuildCategoryPictures() {
  for (int tag = 1; tag <= 10; ++tag) {
    const CategoryPicture& entry = kCategoryPictures[static_cast<std::size_t>(tag - 1)];
    auto* picture = new THoverImage(PnlMain);
    picture->setObjectName(entry.Name);
    SetTag(picture, tag);
    const std::string word = tag == 10 ? "mycast" : CategoryTable[static_cast<std::size_t>(tag - 1)].Word;
    LoadButtonPictures(picture, word + ".gif", word + "_ovr.gif", word + "_ovr.gif");
    CategoryPictures[static_cast<std::size_t>(tag - 1)] = picture;

    auto* button = new TTransparentButton(PnlMain);
    button->setObjectName(entry.ButtonName);
    SetTag(button, tag);
    CategoryButtons[static_cast<std::size_t>(tag - 1)] = button;
    connect(button, &TTransparentButton::OnClick, this, [this, tag] { btnNewsClick(tag); });
    if (tag == 10) {
      PlacePicture(picture, 92, 312, QSize(107, 15));
      picture->setFixedSize(107, 15);
      button->setGeometry(160, 312, 37, 13);
      connect(button, &TTransparentButton::OnMouseEnter, this, [picture] {
        picture->SetPicture(LoadSkinPicture(State().ButtonDir, "mycast_ovr2.gif"));
      });
      connect(button, &TTransparentButton::OnMouseExit, this, [picture] {
        picture->SetPicture(LoadSkinPicture(State().ButtonDir, "mycast.gif"));
      });
      continue;
    }
    // The category pictures themselves select; only the buttons' hover has its own look.
    connect(picture, &THoverImage::OnClick, this, [this, tag] { imgNewsClick(tag); });
    const int column = (tag - 1) % 3;
    const int row = (tag - 1) / 3;
    PlacePicture(picture, kColumnLefts[static_cast<std::size_t>(column)],
                 kCategoryRowTops[static_cast<std::size_t>(row)], QSize(88, 15));
    button->setGeometry(picture->geometry().right() - 16, picture->y(), 17, 13);
    connect(button, &TTransparentButton::OnMouseEnter, this, [picture, entry] {
      picture->SetPicture(LoadSkinPicture(State().ButtonDir, entry.Over2));
    });
    connect(button, &TTransparentButton::OnMouseExit, this, [this, picture, entry] {
      ApplyCategoryHighlight();
      if (PickerOpen) picture->SetPicture(LoadSkinPicture(State().ButtonDir, entry.Over2));
    });
  }

  TransparentButton4 = new TTransparentButton(PnlMain);
  TransparentButton4->setObjectName("TransparentButton4");
  TransparentButton4->setGeometry(96, 312, 57, 13);
  SetTag(TransparentButton4, 10);
  THoverImage* myList = CategoryPictures[9];
  connect(TransparentButton4, &TTransparentButton::OnClick, this, [this] { imgNewsClick(MyListCategory); });
  connect(TransparentButton4, &TTransparentButton::OnMouseEnter, this, [myList] {
    myList->SetPicture(LoadSkinPicture(State().ButtonDir, "mycast_ovr3.gif"));
  });
  connect(TransparentButton4, &TTransparentButton::OnMouseExit, this, [myList] {
    myList->SetPicture(LoadSkinPicture(State().ButtonDir, "mycast.gif"));
  });
  // The buttons lie above the pictures.
  for (auto* button : CategoryButtons) button->raise();
  TransparentButton4->raise();
}

void TfrmMain::BuildFunctionPictures() {
  for (int tag = 1; tag <= 6; ++tag) {
    const FunctionPicture& entry = kFunctionPictures[static_cast<std::size_t>(tag - 1)];
    auto* picture = new THoverImage(PnlMain);
    picture->setObjectName(entry.Name);
    SetTag(picture, tag);
    LoadButtonPictures(picture, entry.Normal, entry.Over, entry.Down);
    PlacePicture(picture, kColumnLefts[static_cast<std::size_t>((tag - 1) % 3)],
                 kFunctionRowTops[static_cast<std::size_t>((tag - 1) / 3)], QSize(88, 13));
    connect(picture, &THoverImage::OnClick, this, [this, tag] { imgPresetClick(tag); });
    FunctionPictures[static_cast<std::size_t>(tag - 1)] = picture;
  }
}

void TfrmMain::BuildStepButtons() {
  static constexpr std::array<int, 3> kLefts{249, 261, 270};
  for (int tag = 1; tag <= 3; ++tag) {
    auto* button = new TTransparentButton(PnlMain);
    button->setObjectName(QString("TransparentButton%1").arg(tag));
    button->setGeometry(kLefts[static_cast<std::size_t>(tag - 1)], 251, 9, 8);
    SetTag(button, tag);
    connect(button, &TTransparentButton::OnClick, this, [this, tag] { TransparentButton3Click(tag); });
    StepButtons[static_cast<std::size_t>(tag - 1)] = button;
  }
}

void TfrmMain::ApplyCategoryHighlight() {
  for (THoverImage* picture : CategoryPictures) picture->SetClicked(Tag(picture) == SelectedCategory);
}

void TfrmMain::HoldList() {
  ScrollPaused = true;
  TimerMain->stop();
  TimerTicker->stop();
}

void TfrmMain::ShowStatePicture(TImage* picture) {
  picture->adjustSize();
  picture->show();
}

void TfrmMain::imgNewsClick(int tag) {
  LoadMainList(tag, 0, [this, tag] {
    ShowStatePicture(welcome);
    auto* title = static_cast<QLabel*>(lblTitle);
    if (tag == MyListCategory) {
      title->setText("My Velomira");
      title->setToolTip(
          "Choose and enjoy the categories you like best. Personalize your viewing and listening "
          "experience with My Velomira Edit.");
    } else if (tag >= 1 && tag <= CategoryCount) {
      const CategoryInfo& category = CategoryTable[static_cast<std::size_t>(tag - 1)];
      title->setText(ToQString(category.DisplayName));
      title->setToolTip(ToQString(category.Description));
    }
  });
  if (tag == MyListCategory) {
    CountUsage(&UsageRecord::OwnViewOpens);
  } else if (tag >= 1 && tag <= CategoryCount) {
    CountCategoryClick(CategoryTable[static_cast<std::size_t>(tag - 1)].ServiceCode);
  }
}

void TfrmMain::StartFreshList() {
  Items.Clear();
  LoadCount = 0;
  NextRenderIndex = 0;
  TopItemIndex = 0;
  ClearListPanel();
}

void TfrmMain::ShowSubCategory(int category, int subIndex, const std::string& title) {
  PickerOpen = false;
  LoadMainList(category, subIndex, [this, title] { static_cast<QLabel*>(lblTitle)->setText(ToQString(title)); });
}

void TfrmMain::SubCategoryPickerClosed() {
  PickerOpen = false;
  ApplyCategoryHighlight();
}

void TfrmMain::ShowMyList() { imgNewsClick(MyListCategory); }

void TfrmMain::btnNewsClick(int tag) {
  if (tag == MyListCategory) {
    HoldList();
    if (hooks_.OpenMyCategories) hooks_.OpenMyCategories(*this);
  } else {
    PickerOpen = true;
    if (hooks_.OpenSubCategoryPicker) {
      hooks_.OpenSubCategoryPicker(*this, tag, CategoryButtons[static_cast<std::size_t>(tag - 1)]);
    }
  }
  CountUsage(&UsageRecord::EditClicks);
}

void TfrmMain::imgPresetClick(int tag) {
  HoldList();
  if (hooks_.OpenFunctionWindow) hooks_.OpenFunctionWindow(*this, static_cast<FunctionWindow>(tag));
}

void TfrmMain::SwapIn(QWidget* panel) {
  SwapMainPanel(PnlMain, panel);
  guestPanel_ = panel;
  FitDisplay(false);
}

void TfrmMain::SwapBack(QWidget* panel) {
  SwapMainPanel(panel, PnlMain);
  if (guestPanel_ == panel) guestPanel_ = nullptr;
  FitDisplay(false);
  // The picture that opened the window was pressed when the panel went; it never saw
  // the pointer leave.
  for (THoverImage* picture : FunctionPictures) picture->SetClicked(false);
}

void TfrmMain::TitleBarAction(int tag) { imgDbzerClick(tag); }

void TfrmMain::imgDbzerClick(int tag) {
  if (tag == 5) {
    ExitProgram();
  } else {
    MainButtonAction(tag);
  }
}

void TfrmMain::PlaceStartPictures(const char* logo, int logoWidth) {
  auto place = [this](const char* file, QRect rect) {
    auto* picture = new TImage(PnlInfo);
    picture->setGeometry(rect);
    picture->SetPicture(LoadSkinPicture(State().ButtonDir, file));
    picture->show();
  };
  place(logo, QRect(46, 70, logoWidth, 81));
  place("select.gif", QRect(86, 170, 107, 11));
}

void TfrmMain::ShowStartView() {
  const std::string& mode = State().StartMode;
  if (mode == "c") {
    imgNewsClick(MyListCategory);
  } else if (mode == "a") {
    ListEmpty = true;
    PlaceStartPictures("logoimage1.gif", 186);
  } else if (mode == "b") {
    ListEmpty = true;
    PlaceStartPictures("logoimage2.gif", 172);
  }
}

}  // namespace velomira
