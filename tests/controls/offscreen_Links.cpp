#include <gtest/gtest.h>

#include <QDir>
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

// A stand-in browser: every start leaves a file of its own with its argument count and
// arguments.
class FakeBrowser {
 public:
  FakeBrowser() {
    ResetState();
    const QString script = dir_.filePath("browser");
    QFile file(script);
    file.open(QIODevice::WriteOnly);
    file.write("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > \"$0.$$.tmp\" && mv \"$0.$$.tmp\" \"$0.$$.out\"\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    State().BrowserCommand = script.toStdString();
  }
  ~FakeBrowser() { ResetState(); }

  // What every start so far was given, one start after the other; waits up to 5 s for
  // the first.
  QString Arguments() {
    if (!QTest::qWaitFor([this] { return !StartFiles().isEmpty(); }, 5000)) return {};
    QString all;
    for (const QString& name : StartFiles()) {
      QFile file(dir_.filePath(name));
      file.open(QIODevice::ReadOnly);
      all += QString::fromUtf8(file.readAll());
    }
    return all;
  }

 private:
  QStringList StartFiles() const { return QDir(dir_.path()).entryList({"browser.*.out"}, QDir::Files, QDir::Time | QDir::Reversed); }

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

  // The click with an address is the control: once its start has shown, a start of
  // the click before would have shown as well.
  image.SetUrl("http://127.0.0.1/banner");
  test::Click(&image);
  EXPECT_EQ(clicked.count(), 2);
  EXPECT_EQ(browser.Arguments(), "1\nhttp://127.0.0.1/banner\n");
}

}  // namespace
}  // namespace velomira
