#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "Mouse.h"
#include "controls/THoverLabel.h"
#include "controls/TMyImage.h"
#include "core/dFunc.h"

namespace velomira {
namespace {

// A stand-in browser that writes its argument count and arguments to a file.
class FakeBrowser {
 public:
  FakeBrowser() {
    ResetState();
    const QString script = dir_.filePath("browser");
    QFile file(script);
    file.open(QIODevice::WriteOnly);
    file.write("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > \"$0.out.tmp\" && mv \"$0.out.tmp\" \"$0.out\"\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    State().BrowserCommand = script.toStdString();
  }
  ~FakeBrowser() { ResetState(); }

  // What the browser was started with, or empty when it did not start within 5 s.
  QString Arguments() {
    const QString out = dir_.filePath("browser.out");
    QFile file(out);
    for (int i = 0; i < 500 && !file.exists(); ++i) QTest::qWait(10);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
  }
  bool Started() const { return QFile::exists(dir_.filePath("browser.out")); }
  QString Folder() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
};

const std::string HostileUrl = "http://127.0.0.1/p?a=1&b=$(touch pwned); echo x";

TEST(Links, LabelClickStartsTheBrowserWithTheUrlAsOneArgument) {
  FakeBrowser browser;
  THoverLabel label;
  label.resize(40, 12);
  label.SetUrl(HostileUrl);
  QSignalSpy clicked(&label, &THoverLabel::OnClick);
  test::Click(&label);
  EXPECT_EQ(clicked.count(), 1);
  EXPECT_EQ(browser.Arguments(), "1\n" + QString::fromStdString(HostileUrl) + "\n");
}

TEST(Links, ImageClickOpensItsUrlAndEmptyUrlOpensNothing) {
  FakeBrowser browser;
  TMyImage image;
  image.resize(10, 10);
  QSignalSpy clicked(&image, &TMyImage::OnClick);
  test::Click(&image);
  EXPECT_EQ(clicked.count(), 1);
  QTest::qWait(100);
  EXPECT_FALSE(browser.Started());

  image.SetUrl("http://127.0.0.1/banner");
  test::Click(&image);
  EXPECT_EQ(clicked.count(), 2);
  EXPECT_EQ(browser.Arguments(), "1\nhttp://127.0.0.1/banner\n");
}

}  // namespace
}  // namespace velomira
