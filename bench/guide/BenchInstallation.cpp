#include "BenchInstallation.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <fstream>
#include <unistd.h>

#include "core/dFunc.h"

namespace velomira::bench {

namespace {

std::string Header(const std::string& code) { return code + std::string(32 - code.size(), ' '); }

// The built skin, with a Basic folder of its own so the station icons can join it.
void InstallSkin(const QString& programDir) {
  const QString skin = QStringLiteral(VELOMIRA_APP_DIR "/Image/Default/");
  const QString target = programDir + "Image/Default/";
  QDir().mkpath(target + "Basic");
  for (const QString& folder : QDir(skin).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    if (folder != "Basic") QFile::link(skin + folder, target + folder);
  }
  for (const QString& file : QDir(skin + "Basic").entryList(QDir::Files)) {
    QFile::copy(skin + "Basic/" + file, target + "Basic/" + file);
  }
}

void DrawPicture(const std::string& path, int width, int height, Qt::GlobalColor color) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(color);
  image.save(QString::fromStdString(path), "PNG");
}

}  // namespace

std::string ProgramReply(int count, int page, int pages) {
  std::string body;
  for (int i = 0; i < count; ++i) {
    const std::string id = std::to_string(i);
    const bool repeating = i % 3 == 0;
    const std::string fields[19] = {
        "P" + id, "icon" + std::to_string(i % 9 + 1), i % 2 ? "a" : "v", "202612102130", "202612102230",
        "A program called " + id, "www.example.test/p" + id, "Station FM", "www.station.test",
        i % 4 ? "" : "Second", i % 4 ? "" : "www.second.test",
        "What program " + id + " is about, in a line or two of text that wraps in the list.", "", "x",
        repeating ? "r" : "n", repeating ? "135" : "", "", std::to_string(page), std::to_string(pages)};
    if (i > 0) body += '\x02';
    for (int f = 0; f < 19; ++f) body += (f ? "\x01" : "") + fields[f];
  }
  return Header("100") + body;
}

BenchHost::BenchHost() {
  Frame.resize(290, 360);
  Frame.show();
}

void BenchHost::SwapIn(QWidget* panel) {
  panel->setParent(&Frame);
  panel->setGeometry(Frame.rect());
  panel->show();
}

void BenchHost::SwapBack(QWidget* panel) { panel->hide(); }

BenchInstallation::BenchInstallation() {
  ClientState& state = State();
  state.ProgramDir = dir_.path().toStdString() + "/";
  InstallSkin(dir_.path() + "/");
  LoadSettingsPaths();
  for (const std::string* folder : {&state.BannerDir, &state.DataDir, &state.TempDir}) {
    QDir().mkpath(QString::fromStdString(*folder));
  }
  for (int i = 1; i <= 9; ++i) DrawPicture(state.BasicDir + "icon" + std::to_string(i) + ".gif", 24, 24, Qt::blue);
  std::vector<BannerRecord> banners;
  for (const char* name : {"bench1.gif", "bench2.gif", "bench3.gif"}) {
    DrawPicture(state.BannerDir + name, 232, 35, Qt::darkGreen);
    banners.push_back({name, "a", "", "", "www.banner.test"});
  }
  state.Banners.Set({std::move(banners), {}});
  state.BannerSeconds = 5;
  state.MemberId = "bench";

  IniFile ini(state.MainIniPath);
  ini.WriteString("SERVICE", "ROOT", Service.Root());
  ini.WriteString("SERVICE", "WEB", Service.Root() + "/web");
  // Program lists for every request: paging finds a previous and a next page, and the
  // other servlets only read the first fields of a record.
  Service.Reply(kListPath, ProgramReply(kRecords, 2, 3));
  Service.DefaultReply(ProgramReply(kRecords, 1, 1));

  boxCloser_.setInterval(20);
  QObject::connect(&boxCloser_, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) box->done(1);
  });
  boxCloser_.start();
}

void Flush() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

long ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

}  // namespace velomira::bench
