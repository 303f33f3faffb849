#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>
#include <QTest>

#include "ModalDriver.h"
#include "Mouse.h"
#include "TestSkin.h"
#include "controls/THoverImage.h"
#include "controls/THoverLabel.h"
#include "controls/TPicturePanel.h"
#include "controls/TTransparentButton.h"
#include "core/dFunc.h"
#include "mainwin/alertbox/AlertBox.h"
#include "mainwin/alertbox/Tfrm_alert.h"
#include "mainwin/alertbox/TfrmAlertSearch.h"

namespace velomira {
namespace {

using test::Find;
using test::WhenModalShows;

class AlertBoxes : public ::testing::Test {
 protected:
  AlertBoxes() {
    const std::string& buttons = State().ButtonDir;
    test::TestSkin::Draw(State().FormDir, "alertbox.gif", QSize(330, 130), Qt::darkCyan);
    test::TestSkin::Draw(buttons, "alert_ok.gif", QSize(70, 18), Qt::white);
    test::TestSkin::Draw(buttons, "alert_ok_ovr.gif", QSize(70, 18), Qt::yellow);
    test::TestSkin::Draw(buttons, "alert_cancel.gif", QSize(70, 18), Qt::white);
    test::TestSkin::Draw(buttons, "alert_cancel_ovr.gif", QSize(70, 18), Qt::yellow);
  }
  test::TestSkin skin_;
};

void PressKey(QWidget* box, Qt::Key key) { QTest::keyClick(box, key); }

TEST_F(AlertBoxes, AlertClosesWithOkCloseAreaAndEnter) {
  for (const char* how : {"alert_yes", "TransparentButton1", "Enter", "KeypadEnter"}) {
    SCOPED_TRACE(how);
    bool driven = false;
    WhenModalShows([how, &driven](QWidget* box) {
      driven = true;
      EXPECT_EQ(box->objectName(), "frm_alert");
      EXPECT_EQ(frm_alert, box);
      if (std::string(how) == "Enter")
        PressKey(box, Qt::Key_Return);
      else if (std::string(how) == "KeypadEnter")
        PressKey(box, Qt::Key_Enter);
      else
        test::Click(Find<QWidget>(box, how));
    });
    ShowAlert("Please try again later.");
    EXPECT_TRUE(driven);
    EXPECT_EQ(frm_alert, nullptr);
  }
}

TEST_F(AlertBoxes, AlertLooksAsDesigned) {
  WhenModalShows([](QWidget* box) {
    EXPECT_EQ(box->size(), QSize(330, 130));
    EXPECT_TRUE(box->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(box->windowFlags() & Qt::WindowStaysOnTopHint);
    auto* label = Find<THoverLabel>(box, "HoverLabel1");
    EXPECT_EQ(label->text(), "Fish & Chips\nline two");
    EXPECT_EQ(label->geometry(), QRect(17, 41, 291, 45));
    EXPECT_TRUE(label->wordWrap());
    EXPECT_EQ(label->font().pointSize(), 8);
    EXPECT_EQ(label->FontColor(), QColor(Qt::black));
    EXPECT_FALSE(Find<TPicturePanel>(box, "pnl_alert")->Picture().isNull());
    EXPECT_EQ(Find<THoverImage>(box, "alert_yes")->geometry(), QRect(133, 104, 60, 18));
    EXPECT_EQ(Find<QWidget>(box, "TransparentButton1")->geometry(), QRect(314, 3, 9, 9));
    PressKey(box, Qt::Key_Return);
  });
  ShowAlert("Fish & Chips\r\nline two");
}

TEST_F(AlertBoxes, OtherKeysLeaveTheAlertOpen) {
  WhenModalShows([](QWidget* box) {
    PressKey(box, Qt::Key_Escape);
    PressKey(box, Qt::Key_A);
    EXPECT_TRUE(box->isVisible());
    test::Click(Find<QWidget>(box, "alert_yes"));
  });
  ShowAlert("x");
}

TEST_F(AlertBoxes, ConfirmResultsAndEnterDoesNothing) {
  struct Case {
    const char* control;
    int expected;
  };
  for (const Case& c : {Case{"imgOk", 1}, Case{"imgCancel", 2}, Case{"TransparentButton1", 2}}) {
    SCOPED_TRACE(c.control);
    WhenModalShows([&c](QWidget* box) {
      EXPECT_EQ(box->objectName(), "frmAlertSearch");
      EXPECT_EQ(box->size(), QSize(330, 133));
      PressKey(box, Qt::Key_Return);
      PressKey(box, Qt::Key_Escape);
      EXPECT_TRUE(box->isVisible());
      test::Click(Find<QWidget>(box, c.control));
    });
    EXPECT_EQ(ShowConfirm("Delete it?"), c.expected);
    EXPECT_EQ(frmAlertSearch, nullptr);
  }
}

TEST_F(AlertBoxes, ConfirmShowsBothButtonsAtTheirPlaces) {
  WhenModalShows([](QWidget* box) {
    auto* ok = Find<THoverImage>(box, "imgOk");
    auto* cancel = Find<THoverImage>(box, "imgCancel");
    EXPECT_EQ(ok->geometry(), QRect(91, 100, 70, 18));
    EXPECT_EQ(cancel->geometry(), QRect(180, 100, 70, 18));
    EXPECT_TRUE(cancel->isVisibleTo(box));
    EXPECT_EQ(Find<QLabel>(box, "lblMessage")->text(), "one\ntwo");
    test::Click(cancel);
  });
  ShowConfirm("one\rtwo");
}

TEST_F(AlertBoxes, NoticeShowsOnlyACentredOk) {
  WhenModalShows([](QWidget* box) {
    auto* ok = Find<THoverImage>(box, "imgOk");
    EXPECT_FALSE(Find<QWidget>(box, "imgCancel")->isVisibleTo(box));
    EXPECT_EQ(ok->geometry(), QRect(130, 100, 70, 18));
    PressKey(box, Qt::Key_Return);
    EXPECT_TRUE(box->isVisible());
    test::Click(ok);
  });
  ShowNotice("Saved");
}

TEST_F(AlertBoxes, MissingPicturesStillClose) {
  test::TestSkin bare;  // empty folders
  WhenModalShows([](QWidget* box) {
    EXPECT_TRUE(Find<TPicturePanel>(box, "pnl_alert")->Picture().isNull());
    PressKey(box, Qt::Key_Return);
  });
  ShowAlert("no skin");
  WhenModalShows([](QWidget* box) { test::Click(Find<QWidget>(box, "TransparentButton1")); });
  EXPECT_EQ(ShowConfirm("no skin"), 2);
}

TEST_F(AlertBoxes, ASecondBoxWaitsUntilTheFirstHasClosed) {
  QWidget* first = nullptr;
  bool firstHiddenWhenSecondShowed = false;
  WhenModalShows([&](QWidget* box) {
    first = box;
    // Asked for from inside the first box's modal loop, as a timer would.
    QTimer::singleShot(0, [&] {
      WhenModalShows([&](QWidget* second) {
        firstHiddenWhenSecondShowed = second != first && !first->isVisible();
        test::Click(Find<QWidget>(second, "imgOk"));
      }, QStringLiteral("frmAlertSearch"));
      ShowNotice("second");
    });
    QTimer::singleShot(30, [box] { test::Click(Find<QWidget>(box, "alert_yes")); });
  });
  ShowAlert("first");
  EXPECT_TRUE(firstHiddenWhenSecondShowed);
}

}  // namespace
}  // namespace velomira
