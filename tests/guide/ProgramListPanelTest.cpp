// The rows of a guide window's program list: which records show at a scroll position
// and where, their texts, pictures, links and station lines.
#include <QFontMetrics>
#include <QLabel>
#include <QScrollBar>

#include "ProgramListFixture.h"
#include "controls/CodePageText.h"
#include "controls/THoverLabel.h"
#include "controls/TImage.h"
#include "core/dFunc.h"
#include "guide/GuideLayout.h"
#include "mainwin/RowTexts.h"

namespace velomira::test {
namespace {

const std::string kBlanks(9, ' ');

TEST_F(ProgramListTest, FiveRowsFromTheScrollPositionTheHeaderOnlyAtTheTop) {
  TfrmTestList* window = OpenWith(Reply(Programs(7)));
  QScrollBar* bar = window->List->scbPreset;
  EXPECT_EQ(bar->maximum(), 6);
  EXPECT_EQ(bar->pageStep(), 5);

  struct Case {
    int Position;
    std::vector<std::string> Titles;
    bool Header;
  };
  const Case cases[] = {
      {0, {"T0", "T1", "T2", "T3", "T4"}, true},
      {1, {"T1", "T2", "T3", "T4", "T5"}, false},
      {6, {"T6"}, false},
      {0, {"T0", "T1", "T2", "T3", "T4"}, true},  // back up: the header comes again
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Position);
    bar->setValue(c.Position);
    std::vector<std::string> titles;
    for (const std::string& name : RowLabelNames(window)) {
      if (name[0] == 'T') titles.push_back(name);
    }
    EXPECT_EQ(titles, c.Titles);
    EXPECT_EQ(Header(window, TfrmTestList::kHeaderText) != nullptr, c.Header);
    // Under the header the rows start at 23, without it at 4; a label lies 6 lower.
    EXPECT_EQ(Row(window, 'T', c.Position)->y(), (c.Header ? 23 : 4) + 6);
  }
}

TEST_F(ProgramListTest, LabelsOfARowStackWithoutGapsAndRowsTenApart) {
  TfrmTestList* window = OpenWith(Reply(Programs(2, {{9, "Second"}})));
  const auto bottom = [](QWidget* w) { return w->y() + w->height(); };
  THoverLabel* title = Row(window, 'T', 0);
  THoverLabel* time = Row(window, 'D', 0);
  THoverLabel* about = Row(window, 'Z', 0);
  THoverLabel* station = Row(window, 'S', 0);
  EXPECT_EQ(time->y(), bottom(title) + 6);
  EXPECT_EQ(about->y(), bottom(time) + 6);
  EXPECT_EQ(station->y(), bottom(about) + 6);
  EXPECT_EQ(Row(window, 'T', 1)->y(), bottom(station) + 10 + 6);
  for (THoverLabel* label : {title, time, about, station}) EXPECT_EQ(label->x(), 30) << label->objectName().toStdString();
  // Time and description wrap at 216.
  EXPECT_EQ(time->width(), 216);
  EXPECT_EQ(about->width(), 216);
  EXPECT_EQ(title->FontColor(), guide_layout::kRowTitleColor);
  EXPECT_EQ(about->FontColor(), guide_layout::kRowTextColor);
  EXPECT_TRUE(title->font().bold());
}

TEST_F(ProgramListTest, TimeLabelTexts) {
  TfrmTestList* window = OpenWith(Reply(Programs(1)));
  struct Case {
    std::map<int, std::string> Fields;
    std::string Caption;
  };
  const Case cases[] = {
      {{}, "[09:30pm-10:30pm] Thu.10" + kBlanks},
      {{{4, ""}}, "[09:30pm-  N / A  ]  Thu.10" + kBlanks},
      // A play time shows today's day (the fixture's Thursday the 10th).
      {{{3, "pltm013000"}, {4, ""}}, "Playtime[01:30:00] Thu 10" + kBlanks},
      {{{3, "PLTM234500"}}, "Playtime[23:45:00] Thu 10" + kBlanks},
      {{{13, "w"}}, "Inputtime[09:30pm]  Thu.10" + kBlanks},
      {{{13, "W"}, {3, "pltm013000"}}, "Playtime[01:30:00] Thu 10" + kBlanks},
      // Repeating programs show their time range whatever else the record says.
      {{{14, "r"}, {15, "0"}, {13, "w"}}, "[09:30pm-10:30pm] Thu.10" + kBlanks},
  };
  for (const Case& c : cases) {
    window->List->Load(Reply({Program(0, c.Fields)}));
    EXPECT_EQ(FromQString(Row(window, 'D', 0)->text()), c.Caption);
  }
}

// The day pictures of a repeating row: red on its days, blue on the others. Each
// picture file is drawn with its own size so the test can tell which one a row shows:
// red ones 7 wide, blue ones 5; the height tells the day word. Thursday has no picture
// of its own and shows Tuesday's.
TEST_F(ProgramListTest, DayPicturesFollowTheirOwnRecord) {
  const ClientState& state = State();
  const std::map<std::string, int> heights{{"sun", 10}, {"mon", 11}, {"tue", 12}, {"wed", 13},
                                           {"fri", 15}, {"sat", 16}};
  for (const auto& [day, height] : heights) {
    DrawPicture(state.BasicDir, "red_" + day + ".gif", 7, height);
    DrawPicture(state.BasicDir, "blue_" + day + ".gif", 5, height);
  }
  DrawPicture(state.BasicDir, "icon0.gif", 20, 20);
  const std::vector<int> dayHeights{10, 11, 12, 13, 12, 15, 16};

  TfrmTestList* window = OpenWith(Reply({Program(0, {{14, "r"}, {15, "17"}}), Program(1, {{14, "r"}, {15, "0"}}),
                                         Program(2, {{14, "n"}, {15, "0"}}), Program(3, {{14, "R"}, {15, "35"}})}));
  struct Case {
    int Row;
    std::string RedDays;  // 'x' red, '.' blue, by day Sunday first; empty: no pictures
  };
  const Case cases[] = {{0, "x.....x"}, {1, "xxxxxxx"}, {2, ""}, {3, "..x.x.."}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Row);
    std::map<int, TImage*> pictures = Pictures(window, c.Row);
    // Only record 0 has an icon file.
    EXPECT_EQ(pictures.count(2), c.Row == 0 ? 1u : 0u);
    pictures.erase(2);
    if (c.RedDays.empty()) {
      EXPECT_TRUE(pictures.empty());
      continue;
    }
    ASSERT_EQ(pictures.size(), 7u);
    THoverLabel* title = Row(window, 'T', c.Row);
    for (std::size_t d = 0; d < 7; ++d) {
      TImage* day = pictures.at(DayPictureLefts[d]);
      EXPECT_EQ(day->width(), c.RedDays[d] == 'x' ? 7 : 5) << "day " << d;
      EXPECT_EQ(day->height(), dayHeights[d]) << "day " << d;
      EXPECT_EQ(day->y(), title->y() + title->height() + 8) << "day " << d;
    }
  }
}

TEST_F(ProgramListTest, MediaPictureByTheMediaLetter) {
  const ClientState& state = State();
  DrawPicture(state.MediaDir, "M_back.gif", 11, 9);
  DrawPicture(state.MediaDir, "chat_back.gif", 12, 9);
  DrawPicture(state.MediaDir, "sound_back.gif", 13, 9);
  TfrmTestList* window = OpenWith(Reply({Program(0, {{2, "V"}}), Program(1, {{2, "c"}}), Program(2, {{2, "A"}}),
                                         Program(3, {{2, "t"}}), Program(4, {{2, ""}})}));
  const int widths[] = {11, 12, 13, 0, 0};
  for (int n = 0; n < 5; ++n) {
    std::map<int, TImage*> pictures = Pictures(window, n);
    EXPECT_EQ(pictures.count(165), widths[n] ? 1u : 0u) << n;
    if (!widths[n] || !pictures.count(165)) continue;
    THoverLabel* title = Row(window, 'T', n);
    EXPECT_EQ(pictures[165]->width(), widths[n]) << n;
    EXPECT_EQ(pictures[165]->y(), title->y() + title->height() + 8 + 2) << n;
  }
}

TEST_F(ProgramListTest, LinksGetAScheme) {
  TfrmTestList* window = OpenWith(Reply(Programs(1)));
  struct Case {
    std::string Address, Link;
  };
  const Case cases[] = {
      {"www.example.test/p", "Http://www.example.test/p"},
      {"HTTP://A.TEST/x", "HTTP://A.TEST/x"},
      {"hTtP://a.test", "hTtP://a.test"},
      {"go.test/?to=http://a.test", "go.test/?to=http://a.test"},
      // Complete secure addresses are left alone too.
      {"https://secure.test/p", "https://secure.test/p"},
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Address);
    window->List->Load(Reply({Program(0, {{6, c.Address}, {8, c.Address}, {9, "Second"}, {10, c.Address}})}));
    for (char letter : {'T', 'D', 'Z', 'S', 'H'}) EXPECT_EQ(Row(window, letter, 0)->Url(), c.Link) << letter;
  }
}

TEST_F(ProgramListTest, ProgramsWithoutAPageOfTheirOwnHaveNoLinks) {
  TfrmTestList* window = OpenWith(Reply(Programs(1)));
  for (const char* kind : {"s", "S"}) {
    window->List->Load(Reply({Program(0, {{13, kind}})}));
    for (char letter : {'T', 'D', 'Z'}) EXPECT_EQ(Row(window, letter, 0)->Url(), "") << kind << letter;
    EXPECT_EQ(Row(window, 'S', 0)->Url(), "Http://www.station.test") << kind;
  }
}

TEST_F(ProgramListTest, StationLineWithAndWithoutASecondName) {
  TfrmTestList* window = OpenWith(Reply({Program(0, {{9, "  "}}), Program(1, {{9, "Second"}, {10, "www.second.test"}})}));
  THoverLabel* alone = Row(window, 'S', 0);
  EXPECT_EQ(FromQString(alone->text()), "(Station)");
  EXPECT_EQ(Row(window, 'H', 0), nullptr);

  THoverLabel* station = Row(window, 'S', 1);
  THoverLabel* second = Row(window, 'H', 1);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(FromQString(station->text()), "(Station/");
  EXPECT_EQ(FromQString(second->text()), "Second)");
  EXPECT_EQ(station->Url(), "Http://www.station.test");
  EXPECT_EQ(second->Url(), "Http://www.second.test");
  EXPECT_EQ(second->y(), station->y());
  EXPECT_EQ(second->x(), 30 + QFontMetrics(guide_layout::RowTextFont()).horizontalAdvance("(Station/"));
  // The next row starts below the shared line, not below a line of its own.
  window->List->Load(Reply({Program(0, {{9, "Second"}}), Program(1)}));
  EXPECT_EQ(Row(window, 'T', 1)->y(), Row(window, 'S', 0)->y() + Row(window, 'S', 0)->height() + 10 + 6);
}

}  // namespace
}  // namespace velomira::test
