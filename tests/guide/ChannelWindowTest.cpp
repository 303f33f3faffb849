// The channel window: station banners, the station search, a station's programs, the
// member's channels (add, delete) and the paging of both lists, against the canned
// service.
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>

#include "ChannelFixture.h"
#include "controls/THoverImage.h"
#include "controls/TMyImage.h"
#include "controls/TPicturePanel.h"
#include "controls/Tag.h"
#include "guide/StationBannerGrid.h"

namespace velomira::test {
namespace {

void WriteSearchChoices() {
  WriteLookupFile(State().DataDir + "State_Cate.Dat", {"c1", "News", "c2", "Music"});
  WriteLookupFile(State().DataDir + "State.Dat", {"s1", "Ohio"});
}

TEST_F(ChannelTest, StationBannersLieInRowsOfThree) {
  struct Case {
    int banners;
    std::vector<QPoint> places;
  };
  const std::vector<Case> cases{
      {7, {{6, 4}, {85, 4}, {164, 4}, {6, 43}, {85, 43}, {164, 43}, {6, 82}}},
      {1, {{6, 4}}},
  };
  DrawPicture(State().StationBannerDir, "sttn1.gif", 69, 29);
  for (const Case& c : cases) {
    std::vector<StationBannerRecord> table;
    for (int k = 0; k < c.banners; ++k)
      table.push_back({"sttn" + std::to_string(k + 1) + ".gif", "", std::to_string(100 + k)});
    State().StationBannerTable.Set(table);
    TfrmChannel* window = OpenWindow();
    EXPECT_EQ(window->ViewMode(), TfrmChannel::HomeView);
    EXPECT_TRUE(window->PnlTop->isVisible());
    EXPECT_FALSE(window->Panel1->isVisible());
    EXPECT_FALSE(window->Panel3->isVisible());
    ASSERT_EQ(window->PnlTop->findChildren<TMyImage*>().size(), static_cast<qsizetype>(c.banners));
    for (int k = 0; k < c.banners; ++k) {
      const auto* banner = window->PnlTop->findChild<TMyImage*>(QString("StationBanner%1").arg(k));
      ASSERT_NE(banner, nullptr) << k;
      EXPECT_EQ(banner->geometry(), QRect(c.places[static_cast<std::size_t>(k)], QSize(69, 29))) << k;
      EXPECT_TRUE(banner->Stretch());
      EXPECT_EQ(banner->toolTip().toStdString(), std::to_string(100 + k));
      // Only the first banner's picture exists; the others stay blank.
      EXPECT_EQ(banner->Picture().isNull(), k > 0) << k;
    }
    window->imgOkClick();
    Settle();
  }
}

// A banner or a found station opens the station; one of the member's channels is
// announced first and comes with the delete button.
TEST_F(ChannelTest, OpeningAStationFromABannerOrAFoundRow) {
  struct Case {
    const char* name;
    bool fromBanner;
    std::string channelId;
    int mode;
    std::vector<std::string> messages;
  };
  const std::string already = "This channel is already your channel list.";
  const std::vector<Case> cases{
      {"banner, other station", true, "S9", TfrmChannel::OtherChannelView, {}},
      {"banner, my channel", true, "C2", TfrmChannel::MyChannelView, {already}},
      {"found row, other station", false, "S9", TfrmChannel::OtherChannelView, {}},
      {"found row, my channel", false, "C2", TfrmChannel::MyChannelView, {already}},
      {"found row, my channel in other letter case", false, "c2", TfrmChannel::MyChannelView, {already}},
  };
  service_.Reply(kMyChannels, MyChannelsReply(3));
  DrawPicture(State().ButtonDir, "addto.gif", 100, 16);
  DrawPicture(State().ButtonDir, "deletefrom.gif", 110, 16);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    State().Usage.StationClicks.clear();
    State().Usage.StationBannerClicks.clear();
    State().StationBannerTable.Set({{"b.gif", "", c.channelId}});
    service_.Reply(kStationSearch, Reply({Station(c.channelId)}));
    service_.Reply(kPrograms, ChannelReply(c.channelId, 2));
    TfrmChannel* window = OpenWindow();
    BoxAnswerer boxes;
    if (c.fromBanner) {
      Click(window->PnlTop->findChild<TMyImage*>("StationBanner0"));
    } else {
      Search(window, "jazz");
      Click(FindRowLabel(window->Stations->PnlInfo, 'T', 0));
    }
    WaitIdle(window);

    EXPECT_EQ(boxes.Messages(), c.messages);
    EXPECT_EQ(window->ViewMode(), c.mode);
    EXPECT_TRUE(window->Panel3->isVisible());
    EXPECT_EQ(TargetsTo(kPrograms).back(), kPrograms + "?mode=channel&channel_id=" + c.channelId);
    const std::string line = "," + c.channelId + "," + UtcStamp();
    EXPECT_EQ(State().Usage.StationBannerClicks, c.fromBanner ? "sttn_bnnr" + line : "");
    EXPECT_EQ(State().Usage.StationClicks, c.fromBanner ? "" : "station" + line);
    const bool mine = c.mode == TfrmChannel::MyChannelView;
    EXPECT_EQ(Tag(window->chan_add_img), c.mode);
    EXPECT_EQ(window->chan_add_img->PictureExit().width(), mine ? 110 : 100);
    EXPECT_EQ(HeaderTexts(window->Programs->PnlInfo).front(), mine ? "My Channels>" : "");
    window->imgOkClick();
    Settle();
  }
}

TEST_F(ChannelTest, FoundStationsAreRowsOfNameDescriptionAndAddress) {
  std::vector<std::string> stations;
  for (int i = 0; i < 7; ++i) stations.push_back(Station("S" + std::to_string(i), "2", "3"));
  service_.Reply(kStationSearch, Reply(stations));
  TfrmChannel* window = OpenWindow();
  Search(window, "jazz");

  const QWidget* area = window->Stations->PnlInfo;
  EXPECT_EQ(window->ViewMode(), TfrmChannel::StationView);
  EXPECT_TRUE(window->Panel1->isVisible());
  EXPECT_EQ(HeaderTexts(area), std::vector<std::string>{"7 station(s) found."});
  EXPECT_EQ(RowsShown(area, 'T'), (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(window->Stations->PageLabel->text(), "2 / 3");
  EXPECT_EQ(window->Stations->PageLabel->objectName(), "Label6");

  const THoverLabel* id = FindRowLabel(area, 'L', 0);
  const THoverLabel* name = FindRowLabel(area, 'T', 0);
  const THoverLabel* about = FindRowLabel(area, 'D', 0);
  const THoverLabel* address = FindRowLabel(area, 'U', 0);
  ASSERT_TRUE(id && name && about && address);
  EXPECT_EQ(id->text(), "S0");
  EXPECT_FALSE(id->isVisible());
  EXPECT_EQ(name->text(), "Station S0");
  EXPECT_TRUE(name->font().bold());
  EXPECT_EQ(about->text(), "About station S0");
  EXPECT_TRUE(about->wordWrap());
  EXPECT_EQ(about->width(), 240);
  EXPECT_EQ(address->text(), "www.stS0.test");
  EXPECT_EQ(address->Url(), "Http://www.stS0.test");
  EXPECT_TRUE(name->Url().empty() && about->Url().empty());
  // Stacked without gaps under the count, rows 10 pixels apart.
  EXPECT_EQ(name->y(), 23);
  EXPECT_EQ(about->y(), name->geometry().bottom() + 1);
  EXPECT_EQ(address->y(), about->geometry().bottom() + 1);
  EXPECT_EQ(FindRowLabel(area, 'T', 1)->y(), address->geometry().bottom() + 1 + 10);

  // Entering a name lights its description, not its address.
  QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QApplication::sendEvent(const_cast<THoverLabel*>(name), &enter);
  EXPECT_TRUE(about->Entered());
  EXPECT_FALSE(address->Entered());

  // The address opens the station's page, not the station.
  service_.ClearRequests();
  Click(const_cast<THoverLabel*>(address));
  WaitIdle(window);
  EXPECT_EQ(service_.Count(kPrograms), 0);
  EXPECT_EQ(State().Usage.StationClicks, "");

  window->Stations->scbPreset->setValue(5);
  EXPECT_TRUE(HeaderTexts(area).empty());
  EXPECT_EQ(RowsShown(area, 'T'), (std::vector<int>{5, 6}));
  EXPECT_EQ(FindRowLabel(area, 'T', 5)->y(), 4);
}

TEST_F(ChannelTest, MalformedStationRecordsStillShow) {
  service_.Reply(kStationSearch, Reply({"S1", Record({{0, "S2"}, {1, "Two"}, {4, "x"}, {5, ""}}, 6)}));
  TfrmChannel* window = OpenWindow();
  Search(window, "jazz");
  const QWidget* area = window->Stations->PnlInfo;
  EXPECT_EQ(RowsShown(area, 'T'), (std::vector<int>{0, 1}));
  EXPECT_EQ(FindRowLabel(area, 'L', 0)->text(), "S1");
  EXPECT_EQ(FindRowLabel(area, 'T', 0)->text(), "");
  EXPECT_EQ(window->Stations->PageLabel->text(), "1 / 1");
}

TEST_F(ChannelTest, ASearchThatFindsNothingShowsTheCountZeroOnPageOneOfOne) {
  service_.Reply(kStationSearch, Reply({Station("S1", "2", "3")}));
  TfrmChannel* window = OpenWindow();
  Search(window, "jazz");
  ASSERT_EQ(window->Stations->PageLabel->text(), "2 / 3");

  service_.Reply(kStationSearch, Reply({}));
  Search(window, "nothing like it");
  EXPECT_EQ(window->ViewMode(), TfrmChannel::StationView);
  EXPECT_TRUE(window->Panel1->isVisible());
  EXPECT_EQ(HeaderTexts(window->Stations->PnlInfo), std::vector<std::string>{"0 station(s) found."});
  EXPECT_TRUE(RowsShown(window->Stations->PnlInfo, 'T').empty());
  EXPECT_EQ(window->Stations->PageLabel->text(), "1 / 1");
}

TEST_F(ChannelTest, SearchSendsTheChosenCodesAndTheEncodedKeyword) {
  struct Case {
    const char* name;
    bool lookupFiles;
    int category, state;
    std::string keyword;
    std::string query;
  };
  const std::vector<Case> cases{
      {"chosen codes, blank encoded", true, 2, 1, "jazz blues", "cate1=c2&keywd=jazz+blues&loc=s1"},
      {"everything", true, 0, 0, "a&b=c", "cate1=all&keywd=a%26b%3Dc&loc=all"},
      {"no lookup files", false, -1, -1, "rock", "cate1=&keywd=rock&loc="},
  };
  service_.Reply(kStationSearch, Reply({}));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QFile::remove(QString::fromStdString(State().DataDir + "State_Cate.Dat"));
    QFile::remove(QString::fromStdString(State().DataDir + "State.Dat"));
    if (c.lookupFiles) WriteSearchChoices();
    TfrmChannel* window = OpenWindow();
    if (c.lookupFiles) {
      ASSERT_EQ(window->CmbCate->count(), 3);
      EXPECT_EQ(window->CmbCate->itemText(0), "All Category");
      EXPECT_EQ(window->CmbCate->itemText(2), "Music");
      ASSERT_EQ(window->CmbState->count(), 2);
      EXPECT_EQ(window->CmbState->itemText(0), "All State");
      EXPECT_EQ(window->CmbState->itemText(1), "Ohio");
    } else {
      EXPECT_EQ(window->CmbCate->count(), 0);
      EXPECT_EQ(window->CmbState->count(), 0);
    }
    window->CmbCate->setCurrentIndex(c.category);
    window->CmbState->setCurrentIndex(c.state);
    service_.ClearRequests();
    Search(window, c.keyword);
    EXPECT_EQ(service_.Targets(), std::vector<std::string>{kStationSearch + "?" + c.query});
    window->imgOkClick();
    Settle();
  }
}

TEST_F(ChannelTest, AnEmptyKeywordAsksForOneAndSendsNothing) {
  TfrmChannel* window = OpenWindow();
  service_.ClearRequests();
  BoxAnswerer boxes;
  Search(window, "");
  EXPECT_EQ(boxes.Messages(), std::vector<std::string>{"Please enter a keyword."});
  EXPECT_TRUE(service_.Targets().empty());
  EXPECT_EQ(window->ViewMode(), TfrmChannel::HomeView);
}

TEST_F(ChannelTest, EnterInTheKeywordSearchesWhileSearchingIsPossible) {
  service_.Reply(kStationSearch, Reply({Station("S1")}));
  TfrmChannel* window = OpenWindow();
  EXPECT_EQ(host_.Frame.focusWidget(), window->TxtKey);
  QSignalSpy returns(window->TxtKey, &QLineEdit::returnPressed);
  window->TxtKey->setText("jazz");
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
    service_.ClearRequests();
    QTest::keyClick(window->TxtKey, key);
    WaitIdle(window);
    EXPECT_EQ(service_.Count(kStationSearch), 1) << key;
    EXPECT_EQ(window->ViewMode(), TfrmChannel::StationView);
    // The keyword keeps the keyboard through the request.
    EXPECT_EQ(host_.Frame.focusWidget(), window->TxtKey);
  }
  EXPECT_EQ(returns.count(), 0);

  window->imgSearch->setEnabled(false);
  service_.ClearRequests();
  QTest::keyClick(window->TxtKey, Qt::Key_Return);
  WaitIdle(window);
  EXPECT_EQ(service_.Count(kStationSearch), 0);
}

TEST_F(ChannelTest, AStationsFirstViewShowsItsHeaderAndPrograms1To4ThenScrolls) {
  service_.Reply(kPrograms, ChannelReply("S1", 9));
  TfrmChannel* window = OpenWindow();
  window->LoadChannelPrograms("S1", TfrmChannel::OtherChannelView);
  WaitIdle(window);

  const QWidget* area = window->Programs->PnlInfo;
  EXPECT_EQ(area->objectName(), "PnlList");
  EXPECT_EQ(window->Programs->PageLabel->objectName(), "Label5");
  EXPECT_EQ(HeaderTexts(area), (std::vector<std::string>{"", "Station S1", "All about station S1", "programs"}));
  const auto* address = area->findChild<THoverLabel*>("StationUrl");
  ASSERT_NE(address, nullptr);
  EXPECT_EQ(address->text(), "www.stS1.test");
  EXPECT_EQ(address->Url(), "Http://www.stS1.test");
  EXPECT_EQ(RowsShown(area, 'T'), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(FindRowLabel(area, 'T', 1)->text(), "Title 1");
  int headerBottom = 0;
  for (QLabel* label : area->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    if (!qobject_cast<THoverLabel*>(label) || label == address)
      headerBottom = std::max(headerBottom, label->geometry().bottom());
  }
  EXPECT_GT(FindRowLabel(area, 'T', 1)->y(), headerBottom);

  window->Programs->scbPreset->setValue(5);
  EXPECT_TRUE(HeaderTexts(area).empty());
  EXPECT_EQ(area->findChild<THoverLabel*>("StationUrl"), nullptr);
  EXPECT_EQ(RowsShown(area, 'T'), (std::vector<int>{5, 6, 7, 8, 9}));
}

TEST_F(ChannelTest, OpeningOnAChannelShowsItAsTheMembersOwn) {
  service_.Reply(kMyChannels, MyChannelsReply(1));
  service_.Reply(kPrograms, ChannelReply("C1", 2));
  auto* window = new TfrmChannel(host_);
  window->OpenOnChannel("C1");
  WaitIdle(window);
  EXPECT_EQ(State().Usage.ChannelOpens, 1);
  EXPECT_EQ(host_.Shown, static_cast<QWidget*>(window->Panel));
  EXPECT_EQ(window->ViewMode(), TfrmChannel::MyChannelView);
  EXPECT_EQ(Tag(window->chan_add_img), TfrmChannel::MyChannelView);
  EXPECT_EQ(HeaderTexts(window->Programs->PnlInfo).front(), "My Channels>");
  EXPECT_EQ(TargetsTo(kPrograms), std::vector<std::string>{kPrograms + "?mode=channel&channel_id=C1"});
  EXPECT_EQ(TargetsTo(kMyChannels), std::vector<std::string>{kMyChannels + "?usr_id=member7"});
  EXPECT_EQ(window->MyChannelIds(), TextList{"C1"});
}

TEST_F(ChannelTest, FailedLoadsLeaveTheViewAsItWas) {
  struct Case {
    const char* name;
    std::string path, reply;
    bool search;
  };
  const std::vector<Case> cases{
      {"programs, no reply", kPrograms, "", false},
      {"search, no reply", kStationSearch, "", true},
      {"search, no status", kStationSearch, Reply({Station("S1")}, "abc"), true},
      {"search, status zero", kStationSearch, Reply({Station("S1")}, "000"), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    service_.Reply(c.path, c.reply);
    TfrmChannel* window = OpenWindow();
    BoxAnswerer boxes;
    if (c.search) {
      Search(window, "jazz");
    } else {
      window->LoadChannelPrograms("S1", TfrmChannel::OtherChannelView);
      WaitIdle(window);
    }
    EXPECT_EQ(boxes.Messages(), std::vector<std::string>{"Please try again later."});
    EXPECT_EQ(window->ViewMode(), TfrmChannel::HomeView);
    EXPECT_TRUE(window->PnlTop->isVisible());
    window->imgOkClick();
    Settle();
  }
}

TEST_F(ChannelTest, AddingAndDeletingAskFirstAndSendTheStation) {
  const std::string addQuestion = "Do you really want to  add this channel?";
  const std::string deleteQuestion = "Do you really want to delete this channel from your channel list?";
  const std::string edit = kChannelEdit + "?usr_id=member7&mode=";
  const std::string ids = kMyChannels + "?usr_id=member7";
  const std::string programs = kPrograms + "?mode=channel&channel_id=C1";
  struct Case {
    const char* name;
    int mode, answer;
    std::string editReply;
    std::vector<std::string> targets, messages;
    int modeAfter;
  };
  const std::vector<Case> cases{
      {"add, yes", 2, 1, Reply({}), {edit + "add&sttn_id=C1", ids, programs}, {addQuestion}, 3},
      {"add, no", 2, 2, Reply({}), {ids}, {addQuestion}, 2},
      {"delete, yes", 3, 1, Reply({}), {edit + "del&sttn_id=C1", ids}, {deleteQuestion}, 0},
      {"delete, no", 3, 2, Reply({}), {ids}, {deleteQuestion}, 3},
      {"add, no reply", 2, 1, "", {edit + "add&sttn_id=C1", ids}, {addQuestion, "Please try again later."}, 2},
      {"add, refused", 2, 1, Reply({}, "211"), {edit + "add&sttn_id=C1", ids}, {addQuestion}, 2},
  };
  service_.Reply(kPrograms, ChannelReply("C1", 2));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    service_.Reply(kMyChannels, MyChannelsReply(c.mode == 3 ? 1 : 0));
    service_.Reply(kChannelEdit, c.editReply);
    TfrmChannel* window = OpenWindow();
    window->LoadChannelPrograms("C1", c.mode);
    WaitIdle(window);
    service_.ClearRequests();
    {
      BoxAnswerer boxes(c.answer);
      Click(window->chan_add_img);
      WaitIdle(window);
      EXPECT_EQ(boxes.Messages(), c.messages);
    }
    EXPECT_EQ(service_.Targets(), c.targets);
    EXPECT_EQ(window->ViewMode(), c.modeAfter);
    // A refused or unanswered change leaves the station's programs as they were.
    EXPECT_EQ(RowsShown(window->Programs->PnlInfo, 'T').empty(), c.modeAfter == 0);
    window->imgOkClick();
    Settle();
  }
}

TEST_F(ChannelTest, PagingBarsRepeatTheirRequestForAnotherPage) {
  struct Case {
    const char* name;
    bool stations;
    int page, total, button;
    std::string cursor;  // the "&cur_page=" value sent, empty for nothing
  };
  const std::vector<Case> cases{
      {"stations, next", true, 2, 3, 3, "3"},
      {"stations, first", true, 2, 3, 1, "1"},
      {"stations, previous", true, 2, 3, 2, "1"},
      {"stations, end", true, 1, 3, 4, "3"},
      {"stations, next on the last", true, 3, 3, 3, ""},
      {"stations, previous on the first", true, 1, 3, 2, ""},
      {"programs, next", false, 2, 3, 3, "3"},
      {"programs, previous", false, 2, 3, 2, "1"},
      {"programs, end on the last", false, 3, 3, 4, ""},
  };
  WriteSearchChoices();
  const std::string channelId = "7&x";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string page = std::to_string(c.page), total = std::to_string(c.total);
    service_.Reply(kStationSearch, Reply({Station("S1", page, total)}));
    service_.Reply(kPrograms, ChannelReply(channelId, 1, c.page, c.total));
    TfrmChannel* window = OpenWindow();
    ProgramListPanel* list = window->Programs;
    if (c.stations) {
      Search(window, "jazz fm");
      list = window->Stations;
    } else {
      window->LoadChannelPrograms(channelId, TfrmChannel::OtherChannelView);
      WaitIdle(window);
    }
    ASSERT_EQ(list->PageLabel->text().toStdString(), page + " / " + total);
    service_.ClearRequests();
    Click(list->PagingButtons[static_cast<std::size_t>(c.button - 1)]);
    WaitIdle(window);
    const std::string request =
        c.stations ? kStationSearch + "?cate1=all&keywd=jazz+fm&loc=all" : kPrograms + "?mode=channel&channel_id=7%26x";
    EXPECT_EQ(service_.Targets(), c.cursor.empty() ? std::vector<std::string>{}
                                                   : std::vector<std::string>{request + "&cur_page=" + c.cursor});
    window->imgOkClick();
    Settle();
  }
}

// Every view keeps to the card between the search bar and the bottom row, and none
// covers the back button beside its paging bar.
TEST_F(ChannelTest, ViewsLeaveTheBackButtonAndTheSearchBarFree) {
  service_.Reply(kStationSearch, Reply({Station("S1")}));
  service_.Reply(kPrograms, ChannelReply("S1", 1));
  TfrmChannel* window = OpenWindow();
  const std::vector<QWidget*> searchBar{window->imgMy, window->CmbCate, window->CmbState, window->TxtKey,
                                        window->imgSearch};
  for (std::size_t i = 0; i < searchBar.size(); ++i) {
    EXPECT_GE(searchBar[i]->y(), 20);
    for (std::size_t j = i + 1; j < searchBar.size(); ++j) {
      EXPECT_FALSE(searchBar[i]->geometry().intersects(searchBar[j]->geometry())) << i << " " << j;
    }
  }
  auto inPanel = [window](const QWidget* control) {
    return QRect(control->mapTo(window->Panel, QPoint(0, 0)), control->size());
  };
  int searchBottom = 0;
  for (const QWidget* control : searchBar) searchBottom = std::max(searchBottom, control->geometry().bottom());

  const QPoint back = window->imgOk->geometry().center();
  EXPECT_EQ(window->Panel->childAt(back), window->imgOk);
  for (ProgramListPanel* list : {static_cast<ProgramListPanel*>(window->Stations), window->Programs}) {
    if (list == window->Stations) {
      Search(window, "jazz");
    } else {
      window->LoadChannelPrograms("S1", TfrmChannel::OtherChannelView);
      WaitIdle(window);
    }
    EXPECT_EQ(window->Panel->childAt(back), window->imgOk);
    const QRect area = inPanel(list->PnlInfo);
    EXPECT_GT(area.top(), searchBottom);
    EXPECT_LE(area.bottom(), 284);
    EXPECT_LE(inPanel(list->scbPreset).right(), 282);
    const QRect bar = inPanel(list->PagingBar);
    EXPECT_GE(bar.top(), 285);
    EXPECT_FALSE(bar.intersects(window->imgOk->geometry()));
    EXPECT_GE(list->HomeButton->x(), 0);
    EXPECT_LE(bar.right(), 286);
  }
  EXPECT_GT(inPanel(window->chan_add_img).top(), searchBottom);
  EXPECT_LE(inPanel(window->chan_add_img).right(), 282);
  EXPECT_GT(window->PnlTop->y(), searchBottom);
  EXPECT_LE(window->PnlTop->geometry().bottom(), 284);
}

TEST_F(ChannelTest, HomeButtonsGoBackToTheBanners) {
  service_.Reply(kStationSearch, Reply({Station("S1", "2", "3")}));
  service_.Reply(kPrograms, ChannelReply("S1", 1, 2, 3));
  TfrmChannel* window = OpenWindow();
  Search(window, "jazz");
  for (ProgramListPanel* list : {static_cast<ProgramListPanel*>(window->Stations), window->Programs}) {
    if (list == window->Programs) {
      window->LoadChannelPrograms("S1", TfrmChannel::OtherChannelView);
      WaitIdle(window);
    }
    ASSERT_NE(list->HomeButton, nullptr);
    Click(list->HomeButton);
    EXPECT_EQ(window->ViewMode(), TfrmChannel::HomeView);
    EXPECT_TRUE(window->PnlTop->isVisible());
    // Paging starts over: the next click on "previous" asks for nothing.
    service_.ClearRequests();
    Click(list->PagingButtons[1]);
    WaitIdle(window);
    EXPECT_TRUE(service_.Targets().empty());
  }
}

}  // namespace
}  // namespace velomira::test
