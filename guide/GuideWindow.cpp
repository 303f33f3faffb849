#include "GuideWindow.h"

#include <QApplication>
#include <QPointer>
#include <map>
#include <memory>

#include "BannerStrip.h"
#include "GuideLayout.h"
#include "controls/CodePageText.h"
#include "controls/THoverImage.h"
#include "controls/TPicturePanel.h"
#include "controls/TTransparentButton.h"
#include "core/dFunc.h"
#include "core/qt/RunRequest.h"
#include "core/qt/SkinPicture.h"
#include "core/qt/TitleBar.h"
#include "core/qt/WindowChrome.h"
#include "core/qt/WindowDrag.h"
#include "mainwin/MainWindowHost.h"

namespace velomira {

namespace {

// One banner turn per window kind, kept for the life of the program.
int& BannerRotation(const std::string& windowName) {
  static std::map<std::string, int> rotations;
  return rotations[windowName];
}

// The hourglass and the disabled panel for as long as a request runs; with requests
// overlapping, the panel (and the focus it had) comes back when the last one ends.
class BusyScope {
 public:
  BusyScope(QWidget* panel, int& busy, QPointer<QWidget>& focusBefore)
      : panel_(panel), busy_(busy), focusBefore_(focusBefore) {
    if (busy_++ == 0) {
      QWidget* focus = panel->window()->focusWidget();
      focusBefore_ = panel->isAncestorOf(focus) ? focus : nullptr;
      panel->setEnabled(false);
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
  }
  ~BusyScope() {
    QApplication::restoreOverrideCursor();
    // The counters belong to the window, which goes with its panel.
    if (!panel_ || --busy_ > 0) return;
    panel_->setEnabled(true);
    if (focusBefore_) focusBefore_->setFocus();
  }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  QPointer<QWidget> panel_;
  int& busy_;
  QPointer<QWidget>& focusBefore_;
};

}  // namespace

QLabel* MakeGuideLabel(QWidget* parent, const char* name, const QString& text, const QRect& place,
                       const QColor& color, bool bold, int pixelSize) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setFont(guide_layout::LabelFont(bold, pixelSize));
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, color);
  label->setPalette(palette);
  label->setAttribute(Qt::WA_TranslucentBackground);
  label->setGeometry(place);
  return label;
}

GuideWindow::GuideWindow(MainWindowHost& host, const GuideWindowSpec& spec)
    : QWidget(nullptr), host_(host), spec_(spec) {
  setObjectName(spec.WindowName);
  setAttribute(Qt::WA_DontShowOnScreen);
  resize(guide_layout::kPanel.size());
  const ClientState& state = State();

  Panel = new TPicturePanel(this);
  panelAlive_ = Panel;
  Panel->setObjectName(spec.PanelName);
  Panel->setGeometry(guide_layout::kPanel);
  Panel->SetPicture(LoadSkinPicture(state.FormDir, "Back.gif"));
  EnableWindowDrag(Panel);

  Label2 = MakeGuideLabel(Panel, "Label2", ToQString(spec.Caption), guide_layout::kCaption,
                          guide_layout::kCaptionColor, true, 13);
  Label2->setToolTip(ToQString(spec.CaptionHint));
  EnableWindowDrag(Label2);
  SubCaption = MakeGuideLabel(Panel, "SubCaption", ToQString(spec.SubCaption), guide_layout::kSubCaption,
                              guide_layout::kCaptionColor);

  imgOk = new THoverImage(Panel);
  imgOk->setObjectName("imgOk");
  LoadButtonPictures(imgOk, "Back_Ok2.gif", "Back_Ok2_ovr.gif", "Back_Ok2_ovr.gif");
  imgOk->setGeometry(guide_layout::kBackButton);
  connect(imgOk, &THoverImage::OnClick, this, &GuideWindow::imgOkClick);

  TitleBarPictures = BuildTitleBarPictures(Panel, [this](int tag) { imgDbzerClick(tag); });

  Banner = new BannerStrip(Panel, spec.BannerName, spec.BannerLetter, spec.LogLetter,
                           BannerRotation(spec.WindowName));
}

GuideWindow::~GuideWindow() {
  // Exit may free the window while its panel still lies in the main window.
  GiveBackPanel();
}

void GuideWindow::Open() {
  if (spec_.OpenCounter) CountUsage(spec_.OpenCounter);
  host_.SwapIn(Panel);
  swappedIn_ = true;
  Opened();
}

void GuideWindow::GiveBackPanel() {
  if (panelAlive_ && Panel->parentWidget() != this) {
    Panel->hide();
    Panel->setParent(this);
  }
}

void GuideWindow::imgOkClick() {
  if (!swappedIn_) return;
  swappedIn_ = false;
  Banner->Stop();
  host_.ResumeList();
  host_.SwapBack(Panel);
  GiveBackPanel();
  emit Closing();
  close();
  deleteLater();
}

void GuideWindow::imgDbzerClick(int tag) {
  if (spec_.TitleBarStopsBanner && (tag == 2 || tag == 3 || tag == 5)) Banner->Stop();
  if (tag != 5) {
    host_.TitleBarAction(tag);
    return;
  }
  Banner->Stop();
  GiveBackPanel();
  swappedIn_ = false;
  emit Closing();
  // The host ends the program; the window goes with it.
  deleteLater();
  host_.TitleBarAction(tag);
}

void GuideWindow::Request(std::function<std::string()> request, std::function<void(const std::string&)> done) {
  auto busy = std::make_shared<BusyScope>(Panel, busy_, focusBeforeBusy_);
  RunRequest(this, std::move(request), [busy, done = std::move(done)](std::string reply) mutable {
    busy.reset();
    done(reply);
  });
}

}  // namespace velomira
