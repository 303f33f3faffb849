#include "StartSequence.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <cstring>

#include "ProgramFolder.h"
#include "SkinPackages.h"
#include "TLoadForm.h"
#include "core/dFunc.h"
#include "platform/SingleInstance.h"

namespace velomira {

namespace {

// Ends the message loop once the main window has closed. Hiding it (to the tray) does
// not count, and neither does the closing of any other window.
class QuitWhenClosed : public QObject {
 public:
  explicit QuitWhenClosed(QWidget* window) : window_(window) { window->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Close) {
      // The window's own handler may refuse the close; look once it has run.
      QTimer::singleShot(0, this, [this] {
        if (!window_ || !window_->isVisible()) QCoreApplication::quit();
      });
    }
    return false;
  }

 private:
  QPointer<QWidget> window_;
};

bool IsStartArgument(int argc, char** argv) {
  return argc >= 2 && std::strcmp(argv[1], "/Velomira") == 0;
}

}  // namespace

int RunStartup(int& argc, char** argv, const StartupParts& parts) {
  const std::string programDir =
      parts.ProgramDir.empty() ? launcher::ProgramFolder() : parts.ProgramDir;
  // Before the instance check: a second copy also finishes a skin update. An installed
  // copy keeps its skin packages in the per-user folder.
  UnpackSkinPackages(WritableFolder(programDir));

  // Released on every way out, the process's end included.
  SingleInstanceLock lock;
  if (!lock.TryAcquire(parts.LockName.empty() ? SingleInstanceName : parts.LockName) ||
      !IsStartArgument(argc, argv))
    return 0;

  std::unique_ptr<QApplication> ownApplication;
  if (QCoreApplication::instance() == nullptr)
    ownApplication = std::make_unique<QApplication>(argc, argv);
  QCoreApplication::setApplicationName("velomira");
  // Ties the windows to the menu entry velomira.desktop (its icon and name in task bars).
  QGuiApplication::setDesktopFileName("velomira");
  QGuiApplication::setQuitOnLastWindowClosed(false);

  if (!parts.RunLogin || parts.RunLogin() != 1) return 0;

  std::unique_ptr<QWidget> mainWindow;
  {
    TLoadForm splash;
    splash.show();
    splash.repaint();
    QCoreApplication::processEvents();
    mainWindow = parts.CreateMainWindow();
  }
  if (!mainWindow) return 0;

  QuitWhenClosed quitter(mainWindow.get());
  mainWindow->show();
  QCoreApplication::exec();
  return 0;
}

}  // namespace velomira
