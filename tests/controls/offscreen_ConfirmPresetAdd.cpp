#include <gtest/gtest.h>

#include <QLabel>

#include "ModalDriver.h"
#include "Mouse.h"
#include "StateService.h"
#include "TestSkin.h"
#include "core/dFunc.h"
#include "mainwin/alertbox/AlertBox.h"

namespace velomira {
namespace {

using test::Find;
using test::WhenModalShows;

std::string Header(const std::string& code) { return code + std::string(29, ' '); }

class PresetAdd : public ::testing::Test {
 protected:
  PresetAdd() { State().MemberId = "kim77"; }

  // Answers the question with the given control and accepts the notice that may
  // follow; returns the texts of the boxes in order.
  std::vector<QString> Run(const char* answer) {
    std::vector<QString> shown;
    test::ModalWatch watch([answer, &shown](QWidget* box) {
      shown.push_back(Find<QLabel>(box, "lblMessage")->text());
      const bool question = Find<QWidget>(box, "imgCancel")->isVisibleTo(box);
      test::Click(Find<QWidget>(box, question ? answer : "imgOk"));
    });
    ConfirmPresetAdd("P1234", "r", "17", "09:30pm");
    return shown;
  }

  test::TestSkin skin_;
  test::StateService server_;
};

const QString Question =
    "The program you've selected starts on 09:30pm.\nWould you like to Preset this program?";

TEST_F(PresetAdd, SendsTheExactRequestAndTellsTheResult) {
  struct Case {
    std::string reply;
    std::vector<QString> expected;
  };
  const Case cases[] = {
      {Header("100"), {Question, "The program you've\nselected is saved on your Preset List"}},
      {Header("199") + "body", {Question, "The program you've\nselected is saved on your Preset List"}},
      {Header("211"), {Question, "The Program you've\nalready your Preset List"}},
      {Header("212"), {Question}},
      {Header("2x1"), {Question}},
      {"", {Question}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reply);
    server_.DefaultReply(c.reply);
    const size_t before = server_.Requests().size();
    const std::vector<QString> shown = Run("imgOk");
    EXPECT_EQ(shown, c.expected);
    const std::vector<std::string> requests = server_.Requests();
    ASSERT_EQ(requests.size(), before + 1);
    EXPECT_EQ(requests.back(),
              "POST /servlet/servlet.PresetEdit?prgm_id=P1234&usr_id=kim77&mode=add&is_reg=r"
              "&regular_no=17");
  }
}

TEST_F(PresetAdd, CancelSendsNothing) {
  server_.DefaultReply(Header("100"));
  for (const char* answer : {"imgCancel", "TransparentButton1"}) {
    SCOPED_TRACE(answer);
    EXPECT_EQ(Run(answer), std::vector<QString>{Question});
  }
  EXPECT_TRUE(server_.Requests().empty());
}

TEST_F(PresetAdd, ValuesWithQuerySymbolsAreEncoded) {
  server_.DefaultReply(Header("300"));
  State().MemberId = "a&b";
  WhenModalShows([](QWidget* question) { test::Click(Find<QWidget>(question, "imgOk")); });
  ConfirmPresetAdd("P#1", "", "", "");
  ASSERT_EQ(server_.Requests().size(), 1u);
  EXPECT_EQ(server_.Requests()[0],
            "POST /servlet/servlet.PresetEdit?prgm_id=P%231&usr_id=a%26b&mode=add&is_reg="
            "&regular_no=");
}

}  // namespace
}  // namespace velomira
