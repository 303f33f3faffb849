#include "AccountFixture.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <fstream>
#include <sstream>

#include "core/dFunc.h"

namespace velomira::test {

namespace {

void DrawPicture(const QString& path, QSize size, QColor colour) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  QPainter painter(&image);
  painter.setPen(Qt::white);
  painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
  painter.end();
  // Qt writes no GIF; the skin loader goes by content, so PNG data under the name serves.
  image.save(path, "PNG");
}

// The few pictures the account windows name, in plain colours.
void DrawSkin(const QString& skin) {
  const QString forms = skin + "Form/";
  const QString buttons = skin + "Button/";
  QDir().mkpath(forms);
  QDir().mkpath(buttons);
  DrawPicture(forms + "loginbox.gif", {330, 184}, QColor(40, 60, 110));
  DrawPicture(forms + "alertbox.gif", {330, 133}, QColor(40, 60, 110));
  DrawPicture(forms + "proxy_line01.gif", {330, 340}, QColor(40, 60, 110));
  for (const char* name : {"login_button", "log_cancel", "log_help", "newacc", "forgot", "proxy",
                           "verify_cancel", "alert_ok", "alert_cancel", "resetpass"}) {
    DrawPicture(buttons + name + ".gif", {60, 18}, QColor(90, 120, 170));
    DrawPicture(buttons + name + "_ovr.gif", {60, 18}, QColor(120, 160, 210));
  }
  DrawPicture(buttons + "reset_arrow.gif", {8, 8}, QColor(200, 200, 60));
}

}  // namespace

void AccountFixture::SetUp() {
  ASSERT_TRUE(folder_.isValid());
  server_ = std::make_unique<CannedService>();
  ResetState();
  State().ProgramDir = ProgramDir();

  std::ofstream ini(ProgramDir() + "velomira.Ini");
  ini << "[SERVICE]\r\nROOT=" << server_->Root() << "\r\nWEB=" << server_->Root() << "/web\r\n";
  ini << "[VERSION]\r\nVER=104\r\n";
  ini.close();
  DrawSkin(QString::fromStdString(ProgramDir()) + "Image/Default/");

  // A browser that only notes the address it was given.
  const std::string browser = ProgramDir() + "browser.sh";
  std::ofstream script(browser);
  script << "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" << ProgramDir() << "pages.txt'\n";
  script.close();
  QFile::setPermissions(QString::fromStdString(browser),
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qputenv("BROWSER", QByteArray::fromStdString(browser));
  LoadSettingsPaths();
  State().BrowserCommand = browser;
}

void AccountFixture::TearDown() { server_.reset(); }

std::string AccountFixture::ProgramDir() const { return folder_.path().toStdString() + "/"; }

std::string AccountFixture::ReadUserIni(const std::string& key) const {
  return IniFile(ProgramDir() + "user.ini").ReadString("user", key, "<absent>");
}

void AccountFixture::WriteUserIni(const std::string& key, const std::string& value) {
  IniFile(ProgramDir() + "user.ini").WriteString("user", key, value);
}

std::vector<std::string> AccountFixture::OpenedPages() const {
  std::vector<std::string> pages;
  std::ifstream file(ProgramDir() + "pages.txt");
  for (std::string line; std::getline(file, line);) pages.push_back(line);
  return pages;
}

}  // namespace velomira::test
