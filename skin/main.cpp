// Draws the default skin (every picture the windows load, and each again at twice the
// size as "name@2x.gif"), the two interface sounds, the sample pictures the reference
// service hands out and the program's icon for the desktop.
//
//   velomira_skingen --app DIR --assets DIR [--preview DIR] [--icons DIR]

#include "Generators.h"
#include "SkinOutput.h"
#include "Style.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

namespace {

// The look relies on DejaVu Sans; register the files directly so the
// offscreen platform finds them without a configured font service.
void LoadFonts() {
  const QDir dir(QStringLiteral("/usr/share/fonts/truetype/dejavu"));
  for (const QString &file : dir.entryList({QStringLiteral("DejaVuSans*.ttf")}, QDir::Files))
    QFontDatabase::addApplicationFont(dir.filePath(file));
}

QString Option(const QStringList &args, const QString &name) {
  const qsizetype at = args.indexOf(name);
  return (at >= 0 && at + 1 < args.size()) ? args[at + 1] : QString();
}

// Every picture the client loads from its skin folders.
void DrawSkinPictures(skin::SkinOutput &out) {
  skin::DrawMainButtons(out);
  skin::DrawDialogButtons(out);
  skin::DrawWelcomePictures(out);
  skin::DrawBackgrounds(out);
  skin::DrawBubbles(out);
  skin::DrawRowPictures(out);
}

}  // namespace

int main(int argc, char **argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  const QString appDir = Option(args, QStringLiteral("--app"));
  const QString assetsDir = Option(args, QStringLiteral("--assets"));
  const QString previewDir = Option(args, QStringLiteral("--preview"));
  const QString iconDir = Option(args, QStringLiteral("--icons"));
  if (appDir.isEmpty() || assetsDir.isEmpty()) {
    std::fprintf(stderr, "usage: velomira_skingen --app DIR --assets DIR [--preview DIR] [--icons DIR]\n");
    return 2;
  }
  LoadFonts();

  skin::SkinOutput out(appDir, assetsDir);
  DrawSkinPictures(out);
  skin::DrawSamplePictures(out);
  skin::WriteSounds(out);
  if (!previewDir.isEmpty() && !skin::DrawPreviews(out, previewDir)) {
    std::fprintf(stderr, "velomira_skingen: cannot write the previews in %s\n", qPrintable(previewDir));
    return 1;
  }
  // The icon is drawn at its own sizes, before the skin's scale changes.
  if (!iconDir.isEmpty() && !skin::DrawAppIcons(iconDir)) {
    std::fprintf(stderr, "velomira_skingen: cannot write the icons in %s\n", qPrintable(iconDir));
    return 1;
  }

  // The same skin at twice the size for screens of device pixel ratio 2.
  skin::style::SetScale(2);
  out.WriteTwins();
  DrawSkinPictures(out);
  std::printf("velomira_skingen: %d files written\n", out.FilesWritten());
  return out.Failed() ? 1 : 0;
}
