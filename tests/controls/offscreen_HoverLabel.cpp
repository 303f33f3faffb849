#include <gtest/gtest.h>

#include <QSignalSpy>
#include <functional>
#include <vector>

#include "Mouse.h"
#include "controls/THoverLabel.h"

namespace velomira {
namespace {

using test::Click;
using test::Enter;
using test::Leave;

const QColor Normal(Qt::black), EnterColor(Qt::red), ClickColor(Qt::magenta);

struct HoverLabelCase {
  const char* name;
  std::vector<std::function<void(THoverLabel&)>> steps;
  QColor expected;
};

TEST(HoverLabel, ColourRulesTable) {
  const auto enter = [](THoverLabel& label) { Enter(&label); };
  const auto leave = [](THoverLabel& label) { Leave(&label); };
  const auto click = [](THoverLabel& label) { Click(&label); };
  const auto setClicked = [](THoverLabel& label) { label.SetClicked(true); };
  const auto clearClicked = [](THoverLabel& label) { label.SetClicked(false); };
  const auto setEntered = [](THoverLabel& label) { label.SetEntered(true); };
  const auto clearEntered = [](THoverLabel& label) { label.SetEntered(false); };
  const auto recolour = [](THoverLabel& label) { label.SetFontColor(Qt::darkGreen); };
  const std::vector<HoverLabelCase> cases = {
      {"enter lights up", {enter}, EnterColor},
      {"leave restores", {enter, leave}, Normal},
      {"click paints click colour", {enter, click}, ClickColor},
      {"clicked label ignores leave", {enter, click, leave}, ClickColor},
      {"clicked label ignores enter", {setClicked, enter}, ClickColor},
      {"clearing clicked also paints click colour", {setClicked, clearClicked}, ClickColor},
      {"normal colour returns at next leave once unclicked",
       {enter, setClicked, clearClicked, leave}, Normal},
      {"entered lights up", {setEntered}, EnterColor},
      {"entered false restores", {setEntered, clearEntered}, Normal},
      {"entered while clicked repaints nothing", {setClicked, setEntered, clearEntered}, ClickColor},
      {"colour remembered at each enter", {recolour, enter, leave}, Qt::darkGreen},
  };
  for (const HoverLabelCase& c : cases) {
    SCOPED_TRACE(c.name);
    THoverLabel label;
    label.resize(40, 12);
    label.SetFontColor(Normal);
    label.SetColorEnter(EnterColor);
    label.SetColorClick(ClickColor);
    for (const auto& step : c.steps) step(label);
    EXPECT_EQ(label.FontColor(), c.expected);
  }
}

TEST(HoverLabel, EnteredIsStoredWhileClicked) {
  THoverLabel label;
  label.SetClicked(true);
  label.SetEntered(true);
  EXPECT_TRUE(label.Entered());
}

TEST(HoverLabel, ClickWithoutUrlStillClicksAndRaisesOnClick) {
  THoverLabel label;
  label.resize(40, 12);
  QSignalSpy clicked(&label, &THoverLabel::OnClick);
  QSignalSpy entered(&label, &THoverLabel::OnMouseEnter);
  QSignalSpy left(&label, &THoverLabel::OnMouseExit);
  Enter(&label);
  Click(&label);
  Leave(&label);
  EXPECT_TRUE(label.Clicked());
  EXPECT_EQ(clicked.count(), 1);
  EXPECT_EQ(entered.count(), 1);
  EXPECT_EQ(left.count(), 1);
}

TEST(HoverLabel, ShowsAmpersandsAndLineBreaksLiterally) {
  THoverLabel label;
  label.SetCaption("Tom & Jerry\r\nsecond\rthird \xe9");
  EXPECT_EQ(label.text(), QString::fromUtf8("Tom & Jerry\nsecond\nthird \xc3\xa9"));
  EXPECT_EQ(label.textFormat(), Qt::PlainText);
  EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
}

}  // namespace
}  // namespace velomira
