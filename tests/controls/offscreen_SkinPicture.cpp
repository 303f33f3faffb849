// Skin pictures on sharp screens and in an installed copy's per-user folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "TestSkin.h"
#include "core/dFunc.h"
#include "core/qt/SkinPicture.h"
#include "support/ScopedEnv.h"

namespace velomira {
namespace {

using test::TestSkin;

// The colour a picture shows at its top-left corner.
QColor Colour(const QPixmap& picture) { return picture.toImage().pixelColor(0, 0); }

TEST(SkinPicture, ASharpScreenTakesTheTwinAtTheSameLogicalSize) {
  TestSkin skin;
  const std::string& folder = State().ButtonDir;
  TestSkin::Draw(folder, "News.gif", {20, 10}, Qt::red);
  TestSkin::Draw(folder, "News@2x.gif", {40, 20}, Qt::green);
  TestSkin::Draw(folder, "Odd.gif", {20, 10}, Qt::red);
  TestSkin::Draw(folder, "Odd@2x.gif", {30, 20}, Qt::green);  // left over from another skin

  struct Case {
    const char* name;
    qreal screenRatio;
    QColor colour;
    qreal pictureRatio;
  };
  const Case cases[] = {
      {"News.gif", 1.0, Qt::red, 1.0},   {"News.gif", 1.25, Qt::red, 1.0}, {"news.GIF", 1.5, Qt::green, 2.0},
      {"News.gif", 2.0, Qt::green, 2.0}, {"Odd.gif", 2.0, Qt::red, 1.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(c.screenRatio));
    const QPixmap picture = LoadSkinPicture(folder, c.name, c.screenRatio);
    EXPECT_EQ(Colour(picture), c.colour);
    EXPECT_EQ(picture.devicePixelRatio(), c.pictureRatio);
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(20, 10));
  }
  EXPECT_TRUE(LoadSkinPicture(folder, "Absent.gif", 2.0).isNull());
}

bool NeverWritable(const std::string&) { return false; }

TEST(SkinPicture, TheMembersSkinWinsOverTheInstalledOneAndItsTwin) {
  TestSkin installed;
  QTemporaryDir home;
  ASSERT_TRUE(home.isValid());
  const test::ScopedEnv dataHome("XDG_DATA_HOME", home.path().toLocal8Bit().constData());
  const std::string program = installed.Folder() + "program/";
  const std::string form = program + "Image/Default/Form/";
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(form)));
  TestSkin::Draw(form, "Main.gif", {20, 10}, Qt::red);
  TestSkin::Draw(form, "Main@2x.gif", {40, 20}, Qt::green);
  TestSkin::Draw(form, "Back.gif", {20, 10}, Qt::red);
  TestSkin::Draw(form, "Back@2x.gif", {40, 20}, Qt::green);
  SetWritableCheck(NeverWritable);
  State().ProgramDir = program;
  LoadSettingsPaths();
  SetWritableCheck(nullptr);
  ASSERT_NE(State().FormDir, form);

  TestSkin::Draw(State().FormDir, "Main.gif", {20, 10}, Qt::blue);  // from a skin package
  EXPECT_EQ(Colour(LoadSkinPicture(State().FormDir, "Main.gif", 1.0)), QColor(Qt::blue));
  EXPECT_EQ(Colour(LoadSkinPicture(State().FormDir, "Main.gif", 2.0)), QColor(Qt::blue));
  // Missing from the member's skin: the installed picture, and on a sharp screen its twin.
  EXPECT_EQ(Colour(LoadSkinPicture(State().FormDir, "Back.gif", 1.0)), QColor(Qt::red));
  EXPECT_EQ(Colour(LoadSkinPicture(State().FormDir, "Back.gif", 2.0)), QColor(Qt::green));
}

}  // namespace
}  // namespace velomira
