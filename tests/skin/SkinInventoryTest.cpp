// Every picture and sound the windows load must exist in the ready program
// folder (names compare without regard to case), decode, and have the size
// the windows are laid out for.

#include "SkinFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using skintest::DecodeGif;
using skintest::FindAnyCase;

const std::filesystem::path kApp = VELOMIRA_APP_DIR;
const std::filesystem::path kSkin = kApp / "Image" / "Default";
const std::filesystem::path kAssets = VELOMIRA_ASSETS_DIR;

struct Folder {
  const char *name;
  std::vector<std::string> pictures;
};

// Picture names exactly as the windows spell them, by skin folder.
const std::vector<Folder> kInventory = {
    {"Button",
     {// Main window: categories, My list, functions, start and state pictures.
      "News.gif", "News_ovr.gif", "News_ovr2.gif", "Money.gif", "Money_ovr.gif", "Money_ovr2.gif", "Sports.gif",
      "Sports_ovr.gif", "Sports_ovr2.gif", "Music.gif", "Music_ovr.gif", "Music_ovr2.gif", "Enter.gif",
      "Enter_ovr.gif", "Enter_ovr2.gif", "Life.gif", "Life_ovr.gif", "Life_ovr2.gif", "Tech.gif", "Tech_ovr.gif",
      "Tech_ovr2.gif", "Sex.gif", "Sex_ovr.gif", "Sex_ovr2.gif", "Chat.gif", "Chat_ovr.gif", "Chat_ovr2.gif",
      "mycast.gif", "mycast_ovr.gif", "mycast_ovr2.gif", "mycast_ovr3.gif", "Preset.gif", "Preset_ovr.gif",
      "Search.gif", "Search_ovr.gif", "search_ovr.gif", "Prefer.gif", "Prefer_ovr.gif", "Daily.gif",
      "Daily_ovr.gif", "Channel.gif", "Channel_ovr.gif", "911.gif", "911_ovr.gif", "pro01.gif", "edit01.gif",
      "logoimage1.gif", "logoimage2.gif", "select.gif",
      // Alert boxes and the alarm's "starts now" box.
      "alert_yes.gif", "alert_yes_ovr.gif", "alert_cancel.gif", "alert_cancel_ovr.gif", "alert_ok.gif",
      "alert_ok_ovr.gif", "Alert_ok.gif", "Alert_ok_ovr.gif", "Alert_Ok_Ovr.gif", "Alert_Cancel.gif",
      "Alert_Cancel_ovr.gif", "Alert_Cancel_Ovr.gif",
      // Guide windows.
      "Back_Ok2.gif", "Back_Ok2_ovr.gif", "btn_first.gif", "btn_previous.gif", "btn_next.gif", "btn_end.gif",
      "btn_home.gif", "Search_Button.gif", "search_Button_ovr.gif", "MyChannel.gif", "MyChannel_ovr.gif",
      "addto.gif", "addto_ovr.gif", "deletefrom.gif", "deletefrom_ovr.gif", "ListUp.gif", "ListUp_ovr.gif",
      "ListDown.gif", "ListDown_ovr.gif", "su.gif", "Su_ovr.gif", "Mo.gif", "Mo_ovr.gif", "Tu.gif", "Tu_ovr.gif",
      "We.gif", "We_ovr.gif", "Th.gif", "Th_ovr.gif", "Fr.gif", "Fr_ovr.gif", "Sa.gif", "Sa_ovr.gif",
      "daily_edit.gif", "Delete.gif", "delete_ovr.gif",
      // Login, verification, registration, preferences, forgotten password.
      "login_button.gif", "login_button_ovr.gif", "log_cancel.gif", "log_cancel_ovr.gif", "log_help.gif",
      "log_help_ovr.gif", "newacc.gif", "newacc_ovr.gif", "forgot.gif", "forgot_ovr.gif", "proxy.gif",
      "proxy_ovr.gif", "verify_cancel.gif", "verify_cancel_ovr.gif", "regist_back.gif", "regist_back_ovr.gif",
      "regist_next.gif", "regist_next_ovr.gif", "regist_cancel.gif", "regist_cancel_ovr.gif", "duplication.gif",
      "check.gif", "finish.gif", "timezone.gif", "timezone_ovr.gif", "idpass.gif", "idpass_ovr.gif",
      "personal.gif", "personal_ovr.gif", "settings.gif", "settings_ovr.gif", "back_ok.gif", "back_ok_ovr.gif",
      "back_cancel.gif", "back_cancel_ovr.gif", "resetpass.gif", "resetpass_ovr.gif", "reset_arrow.gif",
      // My categories, tell a friend, help.
      "category.gif", "delete.gif", "btn_ca_ok1.gif", "btn_ca_ok2.gif", "btn_ca_cancel1.gif", "btn_ca_cancel2.gif",
      "tell_send.gif", "tell_send_ovr.gif", "tell_cancel.gif", "tell_cancel_ovr.gif", "send.gif",
      "send_ovr.gif"}},
    {"Form",
     {"alertbox.gif", "AlertBox.gif", "loginbox.gif", "Main.gif", "Simple.gif", "Back.gif", "back.gif",
      "Banner_Back.gif", "proxy_line01.gif", "regist.gif", "REGIST.gif"}},
    {"Basic",
     {"red_sun.gif", "red_mon.gif", "red_tue.gif", "red_wed.gif", "red_fri.gif", "red_sat.gif", "blue_sun.gif",
      "blue_mon.gif", "blue_tue.gif", "blue_wed.gif", "blue_fri.gif", "blue_sat.gif"}},
    {"Media",
     {"M1.gif", "chat_1.gif", "sound_1.gif", "text_1.gif", "M_back.gif", "chat_back.gif", "sound_back.gif"}},
    {"bubble",
     {"a1.gif", "a2.gif", "a3.gif", "a4.gif", "a5.gif", "b1.gif", "b2.gif", "b3.gif", "b4.gif", "b5.gif", "c1.gif",
      "c2.gif", "c3.gif", "c4.gif", "c5.gif", "d1.gif", "d2.gif", "d3.gif", "d4.gif", "d5.gif", "boom1.gif",
      "boom2.gif", "boom3.gif", "boom4.gif"}},
};

std::vector<std::string> Numbered(const std::string &stem, int count) {
  std::vector<std::string> names;
  for (int i = 1; i <= count; ++i) names.push_back(stem + (i < 10 ? "0" : "") + std::to_string(i) + ".gif");
  return names;
}

TEST(SkinInventory, EveryPictureExistsAndDecodes) {
  for (const Folder &folder : kInventory) {
    for (const std::string &name : folder.pictures) {
      SCOPED_TRACE(std::string(folder.name) + "/" + name);
      const auto path = FindAnyCase(kSkin, std::string(folder.name) + "/" + name);
      ASSERT_TRUE(path.has_value()) << "missing";
      const auto gif = DecodeGif(*path);
      ASSERT_TRUE(gif.has_value()) << "does not decode";
      EXPECT_GT(gif->width, 0);
      EXPECT_GT(gif->height, 0);
    }
  }
}

// A screen of device pixel ratio 2 loads "name@2x.gif" instead: exactly twice the size
// of its picture, so every window keeps its layout and its outline.
TEST(SkinInventory, EveryPictureHasATwiceSizeTwin) {
  for (const Folder &folder : kInventory) {
    for (const std::string &name : folder.pictures) {
      const std::string twinName = name.substr(0, name.rfind('.')) + "@2x" + name.substr(name.rfind('.'));
      SCOPED_TRACE(std::string(folder.name) + "/" + twinName);
      const auto picture = DecodeGif(*FindAnyCase(kSkin, std::string(folder.name) + "/" + name));
      const auto twin = FindAnyCase(kSkin, std::string(folder.name) + "/" + twinName);
      ASSERT_TRUE(twin.has_value()) << "missing";
      const auto gif = DecodeGif(*twin);
      ASSERT_TRUE(gif.has_value() && picture.has_value()) << "does not decode";
      EXPECT_EQ(gif->width, 2 * picture->width);
      EXPECT_EQ(gif->height, 2 * picture->height);
      if (std::string(folder.name) == "bubble") {
        EXPECT_EQ(gif->pixels[0], 0u) << "the alarm is shaped by black";
      }
    }
  }
}

TEST(SkinInventory, ServiceSamplePicturesExistWithListSizes) {
  struct Set {
    std::string folder;
    std::vector<std::string> names;
    int width, height;
  };
  const std::vector<Set> sets = {{"img/icon", Numbered("icon", 40), 24, 24},
                                 {"img/banner", Numbered("banner", 30), 232, 35},
                                 // the sample guide's stations with a banner, by station number
                                 {"img/banner/sttn",
                                  {"sttn01.gif", "sttn06.gif", "sttn10.gif", "sttn15.gif", "sttn22.gif",
                                   "sttn27.gif", "sttn31.gif"},
                                  69,
                                  29}};
  for (const Set &set : sets) {
    for (const std::string &name : set.names) {
      SCOPED_TRACE(set.folder + "/" + name);
      const auto path = FindAnyCase(kAssets, set.folder + "/" + name);
      ASSERT_TRUE(path.has_value()) << "missing";
      const auto gif = DecodeGif(*path);
      ASSERT_TRUE(gif.has_value()) << "does not decode";
      EXPECT_EQ(gif->width, set.width);
      EXPECT_EQ(gif->height, set.height);
    }
  }
}

TEST(SkinInventory, PicturesHaveTheSizesTheirWindowsUse) {
  struct Sized {
    const char *path;
    int width, height;
  };
  const Sized sized[] = {
      {"Form/Main.gif", 290, 360},        {"Form/Simple.gif", 290, 266},     {"Form/Back.gif", 290, 360},
      {"Form/alertbox.gif", 330, 133},    {"Form/loginbox.gif", 330, 184},   {"Form/regist.gif", 330, 340},
      {"Form/proxy_line01.gif", 330, 340}, {"Button/logoimage1.gif", 186, 81}, {"Button/logoimage2.gif", 172, 80},
      {"Button/select.gif", 107, 11},     {"Button/mycast.gif", 107, 15},    {"Button/mycast_ovr.gif", 107, 15},
      {"Button/mycast_ovr2.gif", 107, 15}, {"Button/mycast_ovr3.gif", 107, 15}, {"Button/btn_ca_ok1.gif", 56, 15},
      {"Button/btn_ca_ok2.gif", 56, 15},  {"Button/btn_ca_cancel1.gif", 56, 15}, {"Button/btn_ca_cancel2.gif", 56, 15},
      {"bubble/boom1.gif", 43, 85},       {"bubble/boom4.gif", 43, 85},
  };
  for (const Sized &s : sized) {
    SCOPED_TRACE(s.path);
    const auto path = FindAnyCase(kSkin, s.path);
    ASSERT_TRUE(path.has_value());
    const auto gif = DecodeGif(*path);
    ASSERT_TRUE(gif.has_value());
    EXPECT_EQ(gif->width, s.width);
    EXPECT_EQ(gif->height, s.height);
  }
  // The notice box centres its OK picture: 70 wide sits at left 130.
  const auto ok = DecodeGif(*FindAnyCase(kSkin, "Button/Alert_ok.gif"));
  ASSERT_TRUE(ok.has_value());
  EXPECT_EQ(ok->width, 70);
}

// The alarm window is shaped by its picture: black is outside. The frames
// must fit the 48 x 86 window, be black around the bubble and not black
// inside it.
TEST(SkinInventory, AlarmPicturesAreShapedByBlack) {
  for (const std::string &name : kInventory[4].pictures) {
    SCOPED_TRACE(name);
    const auto gif = DecodeGif(*FindAnyCase(kSkin, "bubble/" + name));
    ASSERT_TRUE(gif.has_value());
    EXPECT_LE(gif->width, 48);
    EXPECT_LE(gif->height, 86);
    const auto at = [&](int x, int y) { return gif->pixels[static_cast<size_t>(y * gif->width + x)]; };
    EXPECT_EQ(at(0, 0), 0u);
    EXPECT_EQ(at(gif->width - 1, 0), 0u);
    int inside = 0;
    for (int y = 0; y < gif->height; ++y) inside += at(gif->width / 2, y) != 0 ? 1 : 0;
    EXPECT_GT(inside, gif->height / 3) << "the bubble should fill a good part of the middle column";
  }
}

// A hover picture identical to its normal picture would give no feedback.
TEST(SkinInventory, HoverPicturesDifferFromNormal) {
  const std::pair<const char *, const char *> pairs[] = {
      {"News.gif", "News_ovr.gif"},         {"News.gif", "News_ovr2.gif"},       {"mycast.gif", "mycast_ovr2.gif"},
      {"mycast.gif", "mycast_ovr3.gif"},    {"Preset.gif", "Preset_ovr.gif"},    {"alert_ok.gif", "alert_ok_ovr.gif"},
      {"Alert_Cancel.gif", "Alert_Cancel_Ovr.gif"}, {"su.gif", "Su_ovr.gif"},   {"login_button.gif", "login_button_ovr.gif"},
      {"btn_ca_ok1.gif", "btn_ca_ok2.gif"}, {"timezone.gif", "timezone_ovr.gif"}, {"Back_Ok2.gif", "Back_Ok2_ovr.gif"},
  };
  for (const auto &[normal, hover] : pairs) {
    SCOPED_TRACE(std::string(normal) + " / " + hover);
    const auto a = DecodeGif(*FindAnyCase(kSkin, std::string("Button/") + normal));
    const auto b = DecodeGif(*FindAnyCase(kSkin, std::string("Button/") + hover));
    ASSERT_TRUE(a.has_value() && b.has_value());
    EXPECT_EQ(a->width, b->width);
    EXPECT_EQ(a->height, b->height);
    EXPECT_NE(a->pixels, b->pixels);
  }
}

// Dialog buttons sit on light and dark dialogs alike (the OK picture serves
// the alert boxes and the proxy dialog), so their rounded corners must be
// transparent while their faces are not.
TEST(SkinInventory, DialogButtonsHaveClearCorners) {
  for (const char *name : {"alert_ok.gif", "Alert_Cancel_Ovr.gif", "login_button.gif", "regist_next_ovr.gif",
                           "tell_send.gif", "Back_Ok2.gif"}) {
    SCOPED_TRACE(name);
    const auto gif = DecodeGif(*FindAnyCase(kSkin, std::string("Button/") + name));
    ASSERT_TRUE(gif.has_value());
    EXPECT_TRUE(gif->clear.front()) << "top-left corner";
    EXPECT_TRUE(gif->clear.back()) << "bottom-right corner";
    EXPECT_FALSE(gif->clear[static_cast<size_t>(gif->height / 2 * gif->width + gif->width / 2)]) << "centre";
  }
}

TEST(SkinInventory, SoundsAreShortAudiblePcmWaves) {
  for (const char *name : {"waveMain.wav", "waveSize.wav"}) {
    SCOPED_TRACE(name);
    const auto path = FindAnyCase(kApp, std::string("Wave/") + name);
    ASSERT_TRUE(path.has_value());
    const auto wav = skintest::ReadWav(*path);
    ASSERT_TRUE(wav.has_value()) << "not a well-formed WAV file";
    EXPECT_EQ(wav->format, 1);
    EXPECT_EQ(wav->bitsPerSample, 16);
    EXPECT_GE(wav->sampleRate, 8000);
    EXPECT_GT(wav->seconds, 0.05);
    EXPECT_LT(wav->seconds, 2.0);
    EXPECT_GT(wav->peak, 3000) << "silent";
  }
}

}  // namespace
