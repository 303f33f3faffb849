// The minute check, the alarm bubble and the "starts now" box.
#include <QApplication>
#include <algorithm>
#include <vector>
#include <QImage>
#include <QLabel>

#include "MainWindowFixture.h"
#include "core/dFunc.h"
#include "mainwin/AlarmDue.h"
#include "mainwin/Tfrmalarm.h"
#include "mainwin/Tfrmalertalam.h"

namespace velomira::test {
namespace {

PresetRecord Preset(const std::string& id, const std::string& start) {
  return {id, start, "Show " + id, "www.show.test/" + id, "Station " + id};
}

int OpenBoxes() {
  int boxes = 0;
  for (QWidget* top : QApplication::topLevelWidgets()) boxes += top->objectName() == "frmalertalam";
  return boxes;
}

// The texts of the open "starts now" boxes, sorted.
std::vector<QString> BoxTexts() {
  std::vector<QString> texts;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (auto* box = qobject_cast<Tfrmalertalam*>(top); box && box->isVisible()) texts.push_back(box->prgname->text());
  }
  std::sort(texts.begin(), texts.end());
  return texts;
}

QString StartsNow(const char* title) {
  return QString("The program you've preseted  \"%1\" starts now.").arg(title);
}

TEST(AlarmDue, RingsInTheMinuteBeforeTheStartOnTheSameDateOnly) {
  const PresetRecord preset = Preset("P1", "20261210[09:32pm-10:00pm] Thu.10");
  struct Case {
    TimeOfDay Now;
    std::string Today;
    bool Due;
  };
  const Case cases[] = {
      {{21, 31}, "20261210", true},
      {{21, 32}, "20261210", false},
      {{21, 30}, "20261210", false},
      {{21, 31}, "20261211", false},
      {{9, 31}, "20261210", false},  // am is not pm
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PresetIsDue(preset, c.Today, AlarmMinuteText(c.Now)), c.Due)
        << c.Now.Hour << ":" << c.Now.Minute << " " << c.Today;
  }
  // Midnight and noon read 12 on the clock; the case of am/pm does not matter.
  EXPECT_EQ(AlarmMinuteText({23, 59}), "12:00am");
  EXPECT_EQ(AlarmMinuteText({11, 59}), "12:00pm");
  EXPECT_TRUE(PresetIsDue(Preset("P2", "20261210[12:00AM-01:00am]"), "20261210", "12:00am"));
  EXPECT_FALSE(PresetIsDue(Preset("P3", "2026121"), "20261210", "12:00am"));
  EXPECT_EQ(ClockCaption({0, 5}), "12:05 am");
}

TEST(AlarmOutline, BlackAndTransparentPixelsAreOutside) {
  QImage picture(4, 3, QImage::Format_ARGB32);
  picture.fill(qRgb(0, 0, 0));
  picture.setPixel(1, 0, qRgb(255, 255, 255));
  picture.setPixel(2, 0, qRgb(10, 0, 0));
  picture.setPixel(3, 2, qRgba(200, 200, 200, 0));
  // Drawn at the bottom-right corner of a 10 x 5 window.
  const QRegion outline = PictureOutline(picture, QSize(10, 5));
  EXPECT_TRUE((outline ^ QRegion(QRect(7, 2, 2, 1))).isEmpty());
}

TEST_F(MainWindowTest, ADuePresetIsMarkedRingsAndLeavesAStartsNowBox) {
  service_.Reply("/servlet/servlet.PresetEdit", Framed(""));
  TfrmMain* window = Create();
  State().PresetTable.Set({Preset("P1", "20261210[09:32pm-10:00pm] Thu.10"),
                           Preset("P2", "20261211[09:32pm-10:00pm] Fri.11")});
  {
    ModalAnswerer answerer;
    window->TimerTimeTimer();
    FinishRequests();
    EXPECT_EQ(answerer.Alarms(), 1);
  }
  const auto marks = service_.RequestsTo("/servlet/servlet.PresetEdit");
  ASSERT_EQ(marks.size(), 1u);
  EXPECT_EQ(marks[0].Param("mode"), "mark");
  EXPECT_EQ(marks[0].Param("prgm_id"), "P1");
  EXPECT_EQ(marks[0].Param("usr_id"), "member7");
  EXPECT_EQ(service_.RequestsTo("/servlet/servlet.PresetList").size(), 1u);
  EXPECT_TRUE(window->TimerTime->isActive());
  EXPECT_EQ(static_cast<QLabel*>(window->lblTime)->text(), "09:31 pm");

  Settle(150);  // the burst picture stays for a moment
  ASSERT_EQ(OpenBoxes(), 1);
  Tfrmalertalam* box = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (auto* found = qobject_cast<Tfrmalertalam*>(top)) box = found;
  }
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->prgname->text(), "The program you've preseted  \"Show P1\" starts now.");
  int reloads = 0;
  PresetWindowReload = [&reloads] { ++reloads; };
  box->TransparentButton1Click();  // the close area reloads nothing
  EXPECT_EQ(reloads, 0);
  QPointer<Tfrmalertalam> answered = new Tfrmalertalam("Show P1", "www.show.test/P1");
  answered->show();
  answered->alert_yesClick();
  EXPECT_EQ(reloads, 1);
  Settle();
  EXPECT_TRUE(answered.isNull());  // closed and freed
  PresetWindowReload = nullptr;
}

TEST_F(MainWindowTest, NoAlarmAtTheStartMinuteItself) {
  SetClock(2026, 12, 10, 21, 32);
  TfrmMain* window = Create();
  State().PresetTable.Set({Preset("P1", "20261210[09:32pm-10:00pm] Thu.10")});
  ModalAnswerer answerer;
  window->TimerTimeTimer();
  FinishRequests();
  EXPECT_EQ(answerer.Alarms(), 0);
  EXPECT_TRUE(service_.RequestsTo("/servlet/servlet.PresetEdit").empty());
}

TEST_F(MainWindowTest, TwoDuePresetsRingInTurnWithTwoBoxes) {
  TfrmMain* window = Create();
  State().PresetTable.Set({Preset("P1", "20261210[09:32pm-10:00pm] Thu.10"),
                           Preset("P2", "20261210[09:32pm-11:00pm] Thu.10")});
  ModalAnswerer answerer;
  window->TimerTimeTimer();
  FinishRequests();
  EXPECT_EQ(answerer.Alarms(), 2);
  Settle(150);
  EXPECT_EQ(BoxTexts(), (std::vector<QString>{StartsNow("Show P1"), StartsNow("Show P2")}));
  EXPECT_EQ(service_.RequestsTo("/servlet/servlet.PresetEdit").size(), 2u);
}

TEST_F(MainWindowTest, ABubbleClickedTwiceBurstsOnce) {
  Create();
  int ended = 0;
  auto* alarm = new Tfrmalarm("Show", "www.show.test", [&ended] { ++ended; });
  alarm->show();
  alarm->FormClick();
  alarm->FormClick();
  alarm->Timer1Timer();
  Settle(150);
  EXPECT_EQ(OpenBoxes(), 1);
  EXPECT_EQ(ended, 1);
  delete alarm;
  EXPECT_EQ(ended, 1);
}

TEST_F(MainWindowTest, TwoAlarmsUpAtOnceLeaveBoxesWithTheirOwnTitles) {
  Create();
  int ended = 0;
  Tfrmalarm first("First", "www.show.test/1", [&ended] { ++ended; });
  Tfrmalarm second("Second", "www.show.test/2", [&ended] { ended += 10; });
  first.show();
  second.show();
  second.FormClick();
  Settle(150);
  first.FormClick();
  Settle(150);
  EXPECT_EQ(BoxTexts(), (std::vector<QString>{StartsNow("First"), StartsNow("Second")}));
  EXPECT_EQ(ended, 11);
}

TEST_F(MainWindowTest, EveryAlarmShakesNineStepsThenBursts) {
  Create();
  for (int alarmNumber = 0; alarmNumber < 2; ++alarmNumber) {
    Tfrmalarm alarm("Show", "www.show.test", nullptr);
    alarm.show();
    const int top = alarm.y();
    for (int step = 1; step <= 9; ++step) {
      alarm.Timer1Timer();
      EXPECT_EQ(alarm.y(), top + (step % 2 == 1 ? 2 : 0)) << step;
      EXPECT_FALSE(alarm.Bursting());
    }
    EXPECT_FALSE(alarm.Timer2->isActive());
    alarm.Timer1Timer();
    EXPECT_TRUE(alarm.Bursting());
    EXPECT_EQ(alarm.size(), QSize(43, 85));
    Settle(150);
  }
  EXPECT_EQ(OpenBoxes(), 2);
}

TEST_F(MainWindowTest, TheBubbleRisesToTheTopBeforeItShakes) {
  Create();
  Tfrmalarm alarm("Show", "www.show.test", nullptr);
  alarm.show();
  alarm.move(alarm.x(), 2);
  alarm.Timer2Timer();
  alarm.Timer2Timer();
  EXPECT_EQ(alarm.y(), 0);
  EXPECT_FALSE(alarm.Timer1->isActive());
  alarm.Timer2Timer();
  EXPECT_TRUE(alarm.Timer1->isActive());
}

TEST_F(MainWindowTest, TheBubbleTakesTheOutlineOfItsPicture) {
  Create();
  QImage frame(48, 86, QImage::Format_RGB32);
  frame.fill(Qt::black);
  for (int y = 40; y < 86; ++y) frame.setPixel(24, y, qRgb(255, 255, 255));
  QDir().mkpath(QString::fromStdString(State().BubbleDir));
  ASSERT_TRUE(frame.save(QString::fromStdString(State().BubbleDir + "a1.gif"), "PNG"));
  Tfrmalarm alarm("", "", nullptr);
  ASSERT_TRUE(alarm.imagecall(State().BubbleDir + "a1.gif"));
  const QRegion line(QRect(24, 40, 1, 46));
  EXPECT_TRUE((alarm.mask() ^ line).isEmpty());
  EXPECT_FALSE(alarm.imagecall(State().BubbleDir + "missing.gif"));
  EXPECT_TRUE((alarm.mask() ^ line).isEmpty());
}

}  // namespace
}  // namespace velomira::test
