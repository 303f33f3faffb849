#pragma once
// The chrome every window has that takes the main window's place (channel, daily,
// search, preset, and the personal windows): the background panel swapped into the
// main window, the caption, the back button, the title-bar pictures, dragging, the
// banner strip, and requests that run off the UI thread while the window shows the
// hourglass and disables its panel. The window itself is never shown; its panel lives
// in the main window until the back button (or exit) gives it back, and the window is
// then freed.
#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "core/ClientState.h"

namespace velomira {

class BannerStrip;
class MainWindowHost;
class THoverImage;
class TPicturePanel;
class TTransparentButton;

struct GuideWindowSpec {
  const char* WindowName;   // the window's object name, e.g. "frmChannel"
  const char* PanelName;    // its background panel, e.g. "PnlChannel"
  const char* Caption;      // Label2
  const char* CaptionHint;  // Label2's tool tip, may be empty
  const char* SubCaption;   // the line under the caption, may be empty
  char BannerLetter;        // banners marked with it (or "a") rotate in the strip
  char LogLetter;           // names the window in "back_face_bnnr," lines
  int UsageRecord::*OpenCounter;  // counted once per opening; null: not counted here (or by the opener)
  const char* BannerName = "imgbanner";
  bool TitleBarStopsBanner = false;  // pictures 2, 3 and 5 stop the strip first
};

class GuideWindow : public QWidget {
  Q_OBJECT
 public:
  // Creation: the panel with the skin's "Back.gif", caption, back button, title-bar
  // pictures and the banner strip (its list built, its timer started).
  GuideWindow(MainWindowHost& host, const GuideWindowSpec& spec);
  ~GuideWindow() override;

  // Counts the opening, swaps the panel into the main window, then lets the window
  // load its first view (Opened).
  void Open();
  // The back button: the main list runs again, the main panel comes back, the window
  // is freed (later, once control is back in the event loop).
  void imgOkClick();
  // Title-bar pictures 1-5; exit gives the panel back first.
  void imgDbzerClick(int tag);

  // Runs request off the UI thread with the hourglass shown and the panel disabled.
  // Both are restored when the reply is back, before done gets it on the UI thread
  // (the panel, and the keyboard focus it had, once no other request of the window
  // runs); done is never called once the window has gone.
  void Request(std::function<std::string()> request, std::function<void(const std::string& reply)> done);
  // True while a request of this window runs.
  bool Busy() const { return busy_ > 0; }

  MainWindowHost& Host() const { return host_; }
  const GuideWindowSpec& Spec() const { return spec_; }

  TPicturePanel* Panel;  // PnlChannel, PnlDaily, ...
  QLabel* Label2;        // the caption; dragging it moves the main window
  QLabel* SubCaption;
  THoverImage* imgOk;    // back
  std::array<TTransparentButton*, 5> TitleBarPictures;
  BannerStrip* Banner;

 signals:
  // The window is about to be freed (back or exit).
  void Closing();

 protected:
  // The window's own first view, once its panel is in the main window.
  virtual void Opened() {}

 private:
  void GiveBackPanel();

  MainWindowHost& host_;
  GuideWindowSpec spec_;
  // The panel dies with the main window when that goes first (the program ends).
  QPointer<QWidget> panelAlive_;
  int busy_ = 0;                       // requests running
  QPointer<QWidget> focusBeforeBusy_;  // disabling the panel takes the focus away
  bool swappedIn_ = false;
};

// A caption-style label on a window's panel: transparent, in the windows' label font.
QLabel* MakeGuideLabel(QWidget* parent, const char* name, const QString& text, const QRect& place,
                       const QColor& color, bool bold = false, int pixelSize = 11);

}  // namespace velomira
