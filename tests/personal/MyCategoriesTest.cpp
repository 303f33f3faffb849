// The my-categories editor: its rows and scroll bar, deleting, the category picker and
// the sub-category popup with its pre-checks and what OK sends, and the way back.
#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>

#include "PersonalFixture.h"
#include "controls/CodePageText.h"
#include "controls/THoverImage.h"
#include "controls/THoverLabel.h"
#include "controls/TPicturePanel.h"
#include "controls/Tag.h"
#include "personal/CaptionLeftCheck.h"
#include "personal/PersonalOpeners.h"
#include "personal/Tfrm_cate1.h"
#include "personal/Tfrm_cate2.h"
#include "personal/Tfrm_edit.h"

namespace velomira::test {
namespace {

const std::string ListPath = "/servlet/servlet.MydbzerList";
const std::string EditPath = "/servlet/servlet.MydbzerEdit";

class MyCategoriesTest : public PersonalTest {
 protected:
  Tfrm_edit* Open(const std::vector<std::string>& entries) {
    service_.Reply(ListPath, Reply(entries));
    auto* editor = new Tfrm_edit(host_);
    editor->Open();
    WaitIdle(editor);
    return editor;
  }
};

TEST_F(MyCategoriesTest, ThreeEntriesGiveThreeRowsThatFitWithoutScrolling) {
  Tfrm_edit* editor = Open({MyEntry("1", "2"), MyEntry("2", "7"), MyEntry("7", "9")});
  EXPECT_EQ(host_.Shown, static_cast<QWidget*>(editor->Panel));
  ASSERT_EQ(editor->Rows.size(), 3u);
  EXPECT_EQ(editor->scbbar->maximum(), 0);
  EXPECT_EQ(editor->Panel2->height(), 51);
  EXPECT_EQ(editor->Rows[2]->y(), 34);
  EXPECT_EQ(editor->CategoryLabels[0]->text(), "News");
  EXPECT_EQ(editor->Checks[0]->text(), "   Politics");
  // "&" in a sub-category's name and in a category's name shows as it is.
  EXPECT_EQ(editor->Checks[1]->text(), "   Hip-Hop && R&&B");
  EXPECT_EQ(editor->CategoryLabels[2]->text(), "Tech & Sci");
  EXPECT_EQ(editor->CategoryLabels[2]->textFormat(), Qt::PlainText);
  EXPECT_EQ(service_.RequestsTo(ListPath).at(0).Param("usr_id"), "member7");

}

TEST_F(MyCategoriesTest, ScrollMaximumBringsTheLastRowJustIntoTheView) {
  // The view shows 174 pixels of 17-pixel rows: ten fit, the eleventh needs scrolling.
  const struct {
    int rows, maximum;
  } cases[] = {{10, 0}, {11, 13}, {12, 30}, {20, 166}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rows);
    std::vector<std::string> entries;
    for (int i = 0; i < c.rows; ++i) entries.push_back(MyEntry("1", std::to_string(1 + i % 5)));
    Tfrm_edit* editor = Open(entries);
    ASSERT_EQ(editor->Rows.size(), static_cast<std::size_t>(c.rows));
    EXPECT_EQ(editor->scbbar->maximum(), c.maximum);
    EXPECT_EQ(editor->Panel2->height(), 17 * c.rows);
    editor->scbbar->setValue(editor->scbbar->maximum());
    EXPECT_EQ(editor->Panel2->y(), -c.maximum);
    const QRect lastRow = editor->Rows.back()->geometry().translated(editor->Panel2->pos());
    if (c.maximum > 0) {
      EXPECT_EQ(lastRow.bottom() + 1, editor->Panel3->height());  // just fully in view
    }
    delete editor;
  }
}

TEST_F(MyCategoriesTest, AnEmptyOrFailedListReplyGivesNoRows) {
  for (const std::string& reply : {Reply({}), std::string()}) {
    Tfrm_edit* editor = Open({});
    service_.Reply(ListPath, reply);
    editor->LoadList();
    WaitIdle(editor);
    EXPECT_TRUE(editor->Rows.empty());
    EXPECT_EQ(editor->scbbar->maximum(), 0);
    delete editor;
  }
}

TEST_F(MyCategoriesTest, DeleteWithNothingCheckedSendsNothingAndSaysSo) {
  Tfrm_edit* editor = Open({MyEntry("1", "2"), MyEntry("1", "4")});
  BoxAnswerer boxes;
  editor->img_delClick();
  EXPECT_EQ(boxes.Messages(), std::vector<std::string>{"Please try again later."});
  EXPECT_EQ(service_.Count(EditPath), 0);
}

TEST_F(MyCategoriesTest, DeleteSendsTheCheckedRowsAndReloadsOnlyOnSuccess) {
  const struct {
    std::string reply;
    bool reloads;
  } cases[] = {{Reply({}), true}, {Reply({}, "300"), false}, {"", false}, {"abc", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reply);
    Tfrm_edit* editor = Open({MyEntry("1", "2"), MyEntry("2", "7"), MyEntry(" 1", "4 ")});
    service_.ClearRequests();
    service_.Reply(EditPath, c.reply);
    editor->Checks[0]->setChecked(true);
    editor->Checks[2]->setChecked(true);
    BoxAnswerer boxes;
    editor->img_delClick();
    WaitIdle(editor);
    ASSERT_EQ(service_.RequestsTo(EditPath).size(), 1u);
    EXPECT_EQ(service_.RequestsTo(EditPath)[0].Param("mode"), "del");
    EXPECT_EQ(service_.RequestsTo(EditPath)[0].Param("cates"), "1:2,1:4,");
    EXPECT_EQ(service_.Count(ListPath), c.reloads ? 1 : 0);
    EXPECT_EQ(boxes.Messages().empty(), c.reloads);
    EXPECT_EQ(editor->Rows.size(), 3u);  // a failed delete keeps the list
    delete editor;
  }
}

TEST_F(MyCategoriesTest, ThePopupPreChecksTheMembersOwnSubCategoriesOfItsCategory) {
  Tfrm_edit* editor = Open({MyEntry("1", "2"), MyEntry("1", "4"), MyEntry("2", "7")});
  Tfrm_cate2 news(*editor, 1, nullptr);
  ASSERT_EQ(news.SubCategories.size(), 3u);
  EXPECT_FALSE(news.SubCategories[0]->isChecked());
  EXPECT_TRUE(news.SubCategories[1]->isChecked());
  EXPECT_TRUE(news.SubCategories[2]->isChecked());
  EXPECT_EQ(Tag(news.SubCategories[2]), 4);
  EXPECT_EQ(news.CheckedCates(), "1:2,1:4,");

  Tfrm_cate2 music(*editor, 4, nullptr);  // Music: the fourth picture, service code 2
  EXPECT_EQ(music.ServiceCode(), 2);
  ASSERT_EQ(music.SubCategories.size(), 1u);
  EXPECT_TRUE(music.SubCategories[0]->isChecked());
  EXPECT_EQ(music.SubCategories[0]->text(), "Hip-Hop && R&&B");

  music.AllOfTheBelow->click();
  EXPECT_TRUE(music.SubCategories[0]->isChecked());
  music.AllOfTheBelow->click();
  EXPECT_FALSE(music.SubCategories[0]->isChecked());
}

TEST_F(MyCategoriesTest, OkSendsTheCheckedSubCategoriesOrTheWholeCategoryAndReloads) {
  Tfrm_edit* editor = Open({});
  const struct {
    int position;
    std::vector<int> checked;
    std::string cates;
  } cases[] = {{1, {}, "1:*"}, {1, {0, 2}, "1:1,1:4,"}, {2, {}, "6:*"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cates);
    service_.ClearRequests();
    service_.Reply(EditPath, "");  // the reply is not looked at
    Tfrm_cate2 popup(*editor, c.position, nullptr);
    for (int index : c.checked) popup.SubCategories.at(static_cast<std::size_t>(index))->setChecked(true);
    popup.OkClick();
    EXPECT_FALSE(popup.isEnabled());
    WaitIdle(editor);
    ASSERT_EQ(service_.RequestsTo(EditPath).size(), 1u);
    EXPECT_EQ(service_.RequestsTo(EditPath)[0].Param("mode"), "add");
    EXPECT_EQ(service_.RequestsTo(EditPath)[0].Param("cates"), c.cates);
    EXPECT_EQ(popup.result(), QDialog::Accepted);
    EXPECT_EQ(service_.Count(ListPath), 1);
  }
}

TEST_F(MyCategoriesTest, APopupWithoutSubCategoriesKeepsOkAndCancelBelowAllOfTheBelow) {
  Tfrm_edit* editor = Open({});
  Tfrm_cate2 money(*editor, 2, nullptr);
  EXPECT_TRUE(money.SubCategories.empty());
  EXPECT_EQ(money.AllOfTheBelow->text(), "All of the below ");
  EXPECT_GE(money.imgOk->y(), money.AllOfTheBelow->geometry().bottom());
  EXPECT_EQ(money.imgOk->y(), money.imgCancel->y());
  EXPECT_GE(money.height(), money.imgOk->geometry().bottom());

  Tfrm_cate2 news(*editor, 1, nullptr);  // three boxes: 13 x 3 + 30 high
  EXPECT_EQ(news.height(), 69);
  EXPECT_EQ(news.imgOk->y(), news.SubCategories.back()->y() + 13);
}

TEST_F(MyCategoriesTest, ThePickerOffersTheNineCategoriesAndOpensThePopupOfTheOneClicked) {
  Tfrm_edit* editor = Open({MyEntry("6", "1")});
  editor->img_catClick();
  ASSERT_TRUE(editor->Picker);
  EXPECT_EQ(editor->Picker->Labels[0]->text(), "    News");
  EXPECT_EQ(editor->Picker->Labels[8]->text(), "    Chat Event");

  int popupCode = 0;
  QTimer::singleShot(50, [&] {
    Tfrm_cate2* popup = editor->Picker->Popup;
    if (!popup) return;
    popupCode = popup->ServiceCode();
    EXPECT_TRUE(editor->Picker->Labels[1]->Clicked());
    popup->reject();
  });
  editor->Picker->HoverLabel1Click(editor->Picker->Labels[1]);
  EXPECT_EQ(popupCode, 6);
  EXPECT_FALSE(editor->Picker->Popup);
  EXPECT_FALSE(editor->Picker->Labels[1]->Clicked());

  // Leaving the editor closes the picker.
  QPointer<Tfrm_cate1> picker = editor->Picker.data();
  editor->imgOkClick();
  Settle(0);
  EXPECT_FALSE(picker);
}

TEST_F(MyCategoriesTest, BackGivesTheMainWindowBackShowingTheOwnList) {
  QPointer<Tfrm_edit> editor = Open({});
  editor->imgOkClick();
  editor->imgOkClick();  // a second click before the window has gone does nothing more
  Settle(0);
  EXPECT_EQ(host_.Resumes, 1);
  EXPECT_EQ(host_.MyListShows, 1);
  EXPECT_EQ(host_.Shown, nullptr);
  EXPECT_FALSE(editor);
}

TEST_F(MyCategoriesTest, TheOpenerOpensOneEditorAndPassesOnOtherWindows) {
  MainWindowHooks hooks;
  std::vector<FunctionWindow> passedOn;
  hooks.OpenFunctionWindow = [&passedOn](MainWindowHost&, FunctionWindow window) { passedOn.push_back(window); };
  AddPersonalOpeners(hooks);
  service_.Reply(ListPath, Reply({}));
  hooks.OpenMyCategories(host_);
  QWidget* first = host_.Shown;
  hooks.OpenMyCategories(host_);
  EXPECT_EQ(host_.Shown, first);
  hooks.OpenFunctionWindow(host_, FunctionWindow::Daily);
  EXPECT_EQ(passedOn, std::vector<FunctionWindow>{FunctionWindow::Daily});
}

}  // namespace
}  // namespace velomira::test
