// The sub-category picker: its labels, size and place on the screen, the dark glass,
// closing when the pointer leaves, replacing, and a choice.
#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include "GuideFixture.h"
#include "controls/THoverImage.h"
#include "controls/THoverLabel.h"
#include "controls/Tag.h"
#include "core/dFunc.h"
#include "core/qt/WindowChrome.h"
#include "guide/PresetOpeners.h"
#include "guide/TfrmC2.h"

namespace velomira::test {
namespace {

constexpr int Sports = 3;
constexpr int Lifestyle = 6;  // its lookup file is missing

class SubCategoryPickerTest : public GuideTest {
 protected:
  void SetUp() override {
    GuideTest::SetUp();
    SubCategoryLists lists;
    lists.Names[Sports - 1] = {"Soccer", "Tennis", "Golf & Polo"};
    State().SubCategories.Set(lists);
    AddPresetOpeners(hooks_);
    host_.Frame.move(100, 100);
    button_ = new QWidget(&host_.Frame);
    button_->setGeometry(80, 160, 17, 13);
  }

  TfrmC2* Open(int category) {
    hooks_.OpenSubCategoryPicker(host_, category, button_);
    Settle(0);
    return Picker();
  }
  // The picker that is open, or null; fails on two.
  TfrmC2* Picker() const {
    const auto pickers = host_.Frame.findChildren<TfrmC2*>();
    EXPECT_LE(pickers.size(), 1);
    return pickers.isEmpty() ? nullptr : pickers.front();
  }
  static void WaitGrown(TfrmC2* picker) {
    for (int i = 0; i < 300 && !picker->Grown(); ++i) Settle(5);
    ASSERT_TRUE(picker->Grown());
  }
  static std::vector<THoverLabel*> Labels(TfrmC2* picker) {
    auto labels = picker->PnlLabels->findChildren<THoverLabel*>();
    std::sort(labels.begin(), labels.end(), [](auto* a, auto* b) { return Tag(a) < Tag(b); });
    return {labels.begin(), labels.end()};
  }
  static QRect Screen() { return QGuiApplication::primaryScreen()->geometry(); }
  void PointerLeaves(TfrmC2* picker, QPoint to) {
    QCursor::setPos(to);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(picker->Image1, &leave);
    Settle(0);
  }

  MainWindowHooks hooks_;
  QWidget* button_ = nullptr;
};

TEST_F(SubCategoryPickerTest, OpensBesideTheButtonWithOneLabelPerSubCategory) {
  TfrmC2* picker = Open(Sports);
  ASSERT_NE(picker, nullptr);
  EXPECT_TRUE(picker->isVisible());
  EXPECT_EQ(picker->pos(), QPoint(100 + 80 + 17, 100 + 160 + 6));
  WaitGrown(picker);

  const auto labels = Labels(picker);
  ASSERT_EQ(labels.size(), 3u);
  int widest = 0;
  for (std::size_t i = 0; i < labels.size(); ++i) {
    EXPECT_EQ(labels[i]->geometry().topLeft(), QPoint(4, 4 + 14 * static_cast<int>(i)));
    EXPECT_EQ(labels[i]->height(), 14);
    EXPECT_EQ(Tag(labels[i]), static_cast<int>(i) + 1);
    EXPECT_EQ(labels[i]->FontColor(), QColor(Qt::white));
    EXPECT_EQ(labels[i]->ColorEnter(), QColor(0xC0, 0xC0, 0xC0));
    widest = std::max(widest, labels[i]->width());
  }
  EXPECT_EQ(labels[2]->text(), "Golf & Polo");
  EXPECT_EQ(picker->size(), QSize(std::max(widest, 77) + 10, 3 * 14 + 8));
  EXPECT_EQ(picker->scbLabels, nullptr);
}

TEST_F(SubCategoryPickerTest, SizeFollowsTheWidestLabel) {
  struct Case {
    int count, widest;
    QSize size;
  };
  for (const Case& c : {Case{0, 0, {87, 8}}, Case{1, 66, {87, 22}}, Case{2, 67, {77, 36}}, Case{5, 140, {150, 78}}}) {
    EXPECT_EQ(PickerSize(c.count, c.widest), c.size) << c.count << " " << c.widest;
  }
}

TEST_F(SubCategoryPickerTest, BackdropIsTheDarkGlassOverWhatLiesBehind) {
  TfrmC2* picker = Open(Sports);
  const QImage glass = picker->Image1->Picture().toImage();
  ASSERT_GE(glass.width(), 200);
  ASSERT_GE(glass.height(), 300);
  // Offscreen nothing can be captured: the same mix over black.
  const QImage expected = TintImage(CaptureScreenArea(picker->x(), picker->y(), 1, 1), 1);
  EXPECT_EQ(glass.pixel(0, 0), expected.pixel(0, 0));
  EXPECT_EQ(QColor(glass.pixel(10, 10)), QColor(9, 9, 62));
  EXPECT_EQ(picker->Image1->PictureEnter().toImage(), glass);
  EXPECT_EQ(picker->Image1->PictureDown().toImage(), glass);
  EXPECT_EQ(picker->Image1->geometry().topLeft(), QPoint(0, 0));
}

TEST_F(SubCategoryPickerTest, MissingLookupFileGivesTheEmptyPopUpThatClosesWhenThePointerLeaves) {
  TfrmC2* picker = Open(Lifestyle);
  ASSERT_NE(picker, nullptr);
  WaitGrown(picker);
  EXPECT_EQ(picker->size(), QSize(87, 8));
  EXPECT_TRUE(Labels(picker).empty());

  // On the edge still counts as inside.
  PointerLeaves(picker, picker->pos() + QPoint(87, 8));
  ASSERT_EQ(Picker(), picker);
  EXPECT_EQ(host_.PickerCloses, 0);

  PointerLeaves(picker, picker->pos() + QPoint(88, 4));
  EXPECT_EQ(Picker(), nullptr);
  EXPECT_EQ(host_.PickerCloses, 1);
}

TEST_F(SubCategoryPickerTest, AnotherCategoryReplacesThePopUp) {
  TfrmC2* first = Open(Sports);
  const QPointer<TfrmC2> firstGuard(first);
  TfrmC2* second = Open(Lifestyle);
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(firstGuard.isNull());
  EXPECT_EQ(host_.Frame.findChildren<TfrmC2*>().size(), 1);
  EXPECT_EQ(second->Category(), Lifestyle);
  // The main window keeps its picker state for the new pop-up.
  EXPECT_EQ(host_.PickerCloses, 0);
}

TEST_F(SubCategoryPickerTest, MainWindowActivatedClosesItButNotRightAfterTheOpeningClick) {
  bool othersClosed = false;
  hooks_.CloseSideWindows = [&othersClosed] { othersClosed = true; };
  AddPresetOpeners(hooks_);
  TfrmC2* picker = Open(Sports);
  // The click on the button may activate the main window only once the picker shows.
  hooks_.CloseSideWindows();
  Settle(0);
  EXPECT_EQ(Picker(), picker);
  EXPECT_TRUE(othersClosed);

  Settle(320);
  hooks_.CloseSideWindows();
  Settle(0);
  EXPECT_EQ(Picker(), nullptr);
  EXPECT_EQ(host_.PickerCloses, 1);
}

TEST_F(SubCategoryPickerTest, ChoosingTheThirdLoadsSubCategoryThreeAndCountsIndexTwo) {
  TfrmC2* picker = Open(Sports);
  WaitGrown(picker);
  const auto labels = Labels(picker);
  ASSERT_EQ(labels.size(), 3u);
  QTest::mouseClick(labels[2], Qt::LeftButton);
  Settle(0);

  ASSERT_EQ(host_.SubCategoryLists.size(), 1u);
  EXPECT_EQ(host_.SubCategoryLists[0].Category, Sports);
  EXPECT_EQ(host_.SubCategoryLists[0].SubIndex, 3);
  EXPECT_EQ(host_.SubCategoryLists[0].Title, "Golf & Polo");
  EXPECT_EQ(State().Usage.SubCategoryClicks[Sports - 1], (std::vector<int>{0, 0, 1}));
  EXPECT_EQ(Picker(), nullptr);
}

TEST_F(SubCategoryPickerTest, KeptOnTheScreenNearTheRightAndBottomEdges) {
  const QRect screen = Screen();
  host_.Frame.move(screen.right() - 100, screen.bottom() - 170);
  TfrmC2* picker = Open(Sports);
  WaitGrown(picker);
  EXPECT_EQ(picker->geometry().right(), screen.right());
  EXPECT_EQ(picker->geometry().bottom(), screen.bottom() - 30);

  // Only the right edge is near: the top stays at the button's middle.
  host_.Frame.move(screen.right() - 100, 100);
  picker = Open(Sports);
  WaitGrown(picker);
  EXPECT_EQ(picker->geometry().right(), screen.right());
  EXPECT_EQ(picker->y(), 100 + 160 + 6);
}

TEST_F(SubCategoryPickerTest, MoreSubCategoriesThanTheScreenHoldsScrollWithinIt) {
  const QRect screen = Screen();
  SubCategoryLists lists;
  const int count = screen.height() / 14 + 10;
  for (int i = 0; i < count; ++i) lists.Names[Sports - 1].push_back("Sub-category " + std::to_string(i + 1));
  State().SubCategories.Set(lists);
  TfrmC2* picker = Open(Sports);
  WaitGrown(picker);

  EXPECT_TRUE(screen.contains(picker->geometry()));
  EXPECT_EQ(picker->height(), screen.height() - 30);
  ASSERT_NE(picker->scbLabels, nullptr);
  EXPECT_EQ(picker->scbLabels->geometry().right(), picker->width() - 1);
  EXPECT_GE(picker->Image1->height(), picker->height());

  // Every label can be brought into view, the last one at the end of the scroll bar.
  const auto labels = Labels(picker);
  ASSERT_EQ(static_cast<int>(labels.size()), count);
  picker->scbLabels->setValue(picker->scbLabels->maximum());
  const QRect last(labels.back()->mapTo(picker, QPoint(0, 0)), labels.back()->size());
  EXPECT_TRUE(picker->rect().contains(last)) << last.y() << " in " << picker->height();
  EXPECT_LE(labels.back()->mapTo(picker, QPoint(0, 0)).x() + labels.back()->width(), picker->scbLabels->x());
}

}  // namespace
}  // namespace velomira::test
