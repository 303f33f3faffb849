// The banner strip at the foot of a guide window: which banners take turns, the turn
// kept from one opening of a window kind to the next, and the usage line of a click.
#include <QPointer>

#include "ProgramListFixture.h"
#include "controls/CodePageText.h"
#include "controls/Mouse.h"
#include "controls/TMyImage.h"
#include "core/dFunc.h"
#include "guide/BannerStrip.h"

namespace velomira::test {
namespace {

std::string BannerClicks() {
  std::lock_guard lock(State().Usage.Lock);
  return State().Usage.WindowBannerClicks;
}

class BannerStripTest : public ProgramListTest {
 protected:
  void SetUp() override {
    ProgramListTest::SetUp();
    service_.Reply(kListPath, Reply(Programs(1)));
    for (const char* name : {"b1.gif", "b2.gif", "b3.gif", "b4.gif"}) DrawPicture(State().BannerDir, name, 232, 35);
  }

  TfrmTestList* OpenWindow() {
    auto* window = new TfrmTestList(host_);
    window->Open();
    WaitIdle(window);
    return window;
  }

  void Close(TfrmTestList* window) {
    window->imgOkClick();
    Settle(0);
  }

  // The banner the strip shows, by its hint.
  static std::string Shown(TfrmTestList* window) { return FromQString(window->Banner->Image->toolTip()); }
};

TEST_F(BannerStripTest, BannersOfTheWindowsLetterOrAllWindowsTakeTurns) {
  State().Banners.Set({{{"b1.gif", "p", "", "", "www.b1.test"},
                           {"b2.gif", "a", "", "", "http://b2.test/x"},
                           {"b3.gif", "ds", "", "", "www.b3.test"},
                           {"b4.gif", "dp", "", "", "www.b4.test"}}, {}});
  TfrmTestList* window = OpenWindow();
  EXPECT_EQ(window->Banner->Banners(), (TextList{"b1.gif", "b2.gif", "b4.gif"}));
  EXPECT_FALSE(window->Banner->TimerBanner->isActive());  // no rotation time from the service
  EXPECT_EQ(window->Banner->Image->objectName(), "imgbanner");

  // Three turns in a row show each banner once, with its page.
  std::map<std::string, std::string> links;
  for (int turn = 0; turn < 3; ++turn) {
    links[Shown(window)] = window->Banner->Image->Url();
    EXPECT_FALSE(window->Banner->Image->Picture().isNull());
    window->Banner->Tick();
  }
  EXPECT_EQ(links, (std::map<std::string, std::string>{
                       {"b1", "www.b1.test"}, {"b2", "http://b2.test/x"}, {"b4", "www.b4.test"}}));
}

TEST_F(BannerStripTest, TheTurnGoesOnAtTheNextOpeningEvenWhenTheListGotShorter) {
  State().Banners.Set({{{"b1.gif", "p", "", "", "www.b1.test"},
                           {"b2.gif", "a", "", "", "www.b2.test"},
                           {"b4.gif", "p", "", "", "www.b4.test"}}, {}});
  const std::vector<std::string> order{"b1", "b2", "b4"};
  TfrmTestList* window = OpenWindow();
  // Earlier tests may have left the turn anywhere; go on from there.
  const auto first = std::find(order.begin(), order.end(), Shown(window)) - order.begin();
  ASSERT_LT(first, 3);
  window->Banner->Tick();
  EXPECT_EQ(Shown(window), order[static_cast<std::size_t>((first + 1) % 3)]);
  Close(window);

  window = OpenWindow();
  EXPECT_EQ(Shown(window), order[static_cast<std::size_t>((first + 2) % 3)]);
  // Stop right after the second banner: the next turn is the third, which is gone by
  // the next opening.
  while (Shown(window) != "b2") window->Banner->Tick();
  Close(window);

  State().Banners.Set({{{"b1.gif", "p", "", "", "www.b1.test"}, {"b2.gif", "a", "", "", "www.b2.test"}}, {}});
  window = OpenWindow();
  EXPECT_EQ(Shown(window), "b1");
  window->Banner->Tick();
  EXPECT_EQ(Shown(window), "b2");
}

TEST_F(BannerStripTest, AClickCountsTheBannerWithTheWindowsLogLetter) {
  State().Banners.Set({{{"b1.gif", "p", "", "", "www.b1.test"}}, {}});
  TfrmTestList* window = OpenWindow();
  Click(window->Banner->Image);
  Click(window->Banner->Image);
  EXPECT_EQ(BannerClicks(), "back_face_bnnr,c,b1,20261210,213100\r\nback_face_bnnr,c,b1,20261210,213100");
  Close(window);

  // Without banners of its own the strip counts nothing.
  State().Banners.Set({{{"b3.gif", "d", "", "", "www.b3.test"}}, {}});
  window = OpenWindow();
  EXPECT_TRUE(window->Banner->Banners().empty());
  Click(window->Banner->Image);
  EXPECT_EQ(BannerClicks(), "back_face_bnnr,c,b1,20261210,213100\r\nback_face_bnnr,c,b1,20261210,213100");
}

}  // namespace
}  // namespace velomira::test
