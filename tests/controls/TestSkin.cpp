#include "TestSkin.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include "core/dFunc.h"

namespace velomira::test {

TestSkin::TestSkin() {
  ResetState();
  const std::string root = Folder();
  for (const char* sub : {"button/", "form/", "wave/"}) QDir().mkpath(QString::fromStdString(root + sub));
  State().ButtonDir = root + "button/";
  State().FormDir = root + "form/";
  State().WaveDir = root + "wave/";
}

TestSkin::~TestSkin() { ResetState(); }

std::string TestSkin::Folder() const { return dir_.path().toStdString() + "/"; }

void TestSkin::Draw(const std::string& folder, const std::string& name, QSize size,
                    QColor color) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(color);
  // Qt reads GIF but does not write it; a PNG under a .gif name loads the same way.
  image.save(QString::fromStdString(folder + name), "PNG");
}

}  // namespace velomira::test
