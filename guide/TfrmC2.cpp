#include "TfrmC2.h"

#include <QCloseEvent>
#include <QCursor>
#include <QFrame>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "GuideLayout.h"
#include "controls/CodePageText.h"
#include "controls/THoverImage.h"
#include "controls/THoverLabel.h"
#include "controls/Tag.h"
#include "core/dFunc.h"
#include "core/qt/WindowChrome.h"
#include "mainwin/MainWindowHost.h"

namespace velomira {

namespace {

constexpr char kHintProperty[] = "Hint";
constexpr int kLabelLeft = 4;
constexpr int kLabelTop = 4;
constexpr int kLabelHeight = 14;
constexpr int kNarrowest = 67;   // narrower labels get the room of kRaisedWidest
constexpr int kRaisedWidest = 77;
constexpr int kBottomGap = 30;   // kept free above the screen's bottom edge
constexpr int kTintIndex = 1;    // the dark blue of the tint table
constexpr QSize kBackdropSize(200, 300);
constexpr int kActivationGrace = 300;  // ms
constexpr int kGrowthInterval = 10;  // ms
constexpr int kGrowthTicks = 10;     // a long list unrolls as fast as a short one
constexpr int kFewestStepsPerTick = 4;

const QColor kLabelColor(0xFF, 0xFF, 0xFF);
const QColor kOutlineColor(0x6A, 0x6A, 0xB0);
const QColor kLabelEnterColor(0xC0, 0xC0, 0xC0);

QRect ScreenAround(const QPoint& point) {
  QScreen* screen = QGuiApplication::screenAt(point);
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

int RaisedWidest(int widest) { return widest < kNarrowest ? kRaisedWidest : widest; }

Qt::WindowFlags HostWindowStyle(MainWindowHost& host) {
  Qt::WindowFlags flags = Qt::Tool | Qt::FramelessWindowHint;
  if (host.HostWindow()->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) flags |= Qt::WindowStaysOnTopHint;
  return flags;
}

}  // namespace

QSize PickerSize(int count, int widestLabel) {
  return {RaisedWidest(widestLabel) + 10, kLabelHeight * count + 8};
}

TfrmC2::TfrmC2(MainWindowHost& host, int category, QWidget* button)
    : QWidget(host.HostWindow(), HostWindowStyle(host)), host_(host), category_(category) {
  age_.start();
  setObjectName("frmC2");
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_ShowWithoutActivating);

  Image1 = new THoverImage(this);
  Image1->setObjectName("Image1");
  Image1->setCursor(Qt::ArrowCursor);
  connect(Image1, &THoverImage::OnMouseExit, this, &TfrmC2::LeaveCheck);
  PnlLabels = new QWidget(this);
  PnlLabels->setObjectName("PnlLabels");

  const int count = AddLabels();
  fullSize_ = PickerSize(count, widest_);
  PnlLabels->resize(fullSize_);
  const QPoint besideButton = button->mapToGlobal(QPoint(button->width(), button->height() / 2));
  const QRect screen = ScreenAround(besideButton);
  FitScreenHeight(screen);
  move(KeepOnScreen(besideButton, screen));
  MakeBackdrop();
  AddOutline();

  resize(1, 8);
  growth_.setInterval(kGrowthInterval);
  connect(&growth_, &QTimer::timeout, this, &TfrmC2::GrowStep);
  growth_.start();
  GrowStep();
}

void TfrmC2::FitScreenHeight(const QRect& screen) {
  // More sub-categories than the screen is high: the labels scroll inside a pop-up
  // that keeps to the screen, so none lies out of reach.
  const int tallest = std::max(8, screen.height() - kBottomGap);
  if (fullSize_.height() <= tallest) return;
  scbLabels = new QScrollBar(Qt::Vertical, this);
  scbLabels->setObjectName("scbLabels");
  scbLabels->setGeometry(fullSize_.width(), 0, guide_layout::kScrollWidth, tallest);
  scbLabels->setRange(0, fullSize_.height() - tallest);
  scbLabels->setSingleStep(kLabelHeight);
  scbLabels->setPageStep(tallest);
  connect(scbLabels, &QScrollBar::valueChanged, this, [this](int value) { PnlLabels->move(0, -value); });
  fullSize_ = QSize(fullSize_.width() + guide_layout::kScrollWidth, tallest);
}

QPoint TfrmC2::KeepOnScreen(QPoint place, const QRect& screen) const {
  if (place.x() + fullSize_.width() > screen.right() + 1) place.setX(screen.right() + 1 - fullSize_.width());
  if (place.y() + fullSize_.height() > screen.bottom() + 1) {
    place.setY(screen.bottom() + 1 - kBottomGap - fullSize_.height());
  }
  return {std::max(place.x(), screen.left()), std::max(place.y(), screen.top())};
}

void TfrmC2::MakeBackdrop() {
  // Captured before the pop-up shows, so the glass shows what lies behind it.
  const QSize backdrop = fullSize_.expandedTo(kBackdropSize);
  TintScreenArea(kTintIndex, backdrop.width(), backdrop.height(), Image1, y(), x());
  Image1->SetPictureExit(Image1->Picture());
  Image1->SetPictureEnter(Image1->Picture());
  Image1->SetPictureDown(Image1->Picture());
  Image1->setGeometry(QRect(QPoint(0, 0), backdrop));
}

void TfrmC2::AddOutline() {
  // A thin edge, so the glass reads as a pop-up over a dark window as well.
  Outline = new QFrame(this);
  Outline->setObjectName("Outline");
  Outline->setFrameShape(QFrame::Box);
  Outline->setLineWidth(1);
  QPalette palette = Outline->palette();
  palette.setColor(QPalette::WindowText, kOutlineColor);
  Outline->setPalette(palette);
  Outline->setAttribute(Qt::WA_TransparentForMouseEvents);
}

int TfrmC2::AddLabels() {
  const auto lists = State().SubCategories.Get();
  if (category_ < 1 || category_ > CategoryCount) return 0;
  const TextList& names = lists->Names[static_cast<std::size_t>(category_ - 1)];
  for (std::size_t i = 0; i < names.size(); ++i) {
    auto* label = new THoverLabel(PnlLabels);
    label->setFont(guide_layout::LabelFont());
    label->SetFontColor(kLabelColor);
    label->SetColorEnter(kLabelEnterColor);
    label->SetColorClick(kLabelEnterColor);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->SetCaption(names[i]);
    label->adjustSize();
    label->setGeometry(kLabelLeft, kLabelTop + kLabelHeight * static_cast<int>(i), label->width(), kLabelHeight);
    label->setProperty(kHintProperty, QByteArray::number(static_cast<int>(i)));
    SetTag(label, static_cast<int>(i) + 1);
    connect(label, &THoverLabel::OnClick, this, [this, label] { Choose(label); });
    connect(label, &THoverLabel::OnMouseExit, this, &TfrmC2::LeaveCheck);
    widest_ = std::max(widest_, label->width());
  }
  return static_cast<int>(names.size());
}

void TfrmC2::GrowStep() {
  // Height grows two pixels a step, the width along with it until it holds the widest
  // label; the last step gives the full size.
  const int stepsPerTick = std::max(kFewestStepsPerTick, fullSize_.height() / 2 / kGrowthTicks);
  QSize size = growing_;
  for (int step = 0; step < stepsPerTick && size.height() < fullSize_.height(); ++step) {
    size.rheight() += 2;
    if (size.width() < RaisedWidest(widest_) + 4) size.rwidth() += 2;
  }
  growing_ = size;
  if (size.height() >= fullSize_.height()) {
    growth_.stop();
    size = fullSize_;
  }
  resize(size.expandedTo(QSize(1, 1)));
}

void TfrmC2::Choose(THoverLabel* label) {
  const QPointer<TfrmC2> guard(this);
  const int index = label->property(kHintProperty).toByteArray().toInt();
  CountSubCategoryClick(category_ - 1, static_cast<std::size_t>(index));
  host_.ShowSubCategory(category_, Tag(label), FromQString(label->text()));
  if (guard) close();
}

void TfrmC2::LeaveCheck() {
  // The edges count as inside.
  const QRect inside(pos(), size() + QSize(1, 1));
  if (!inside.contains(QCursor::pos())) close();
}

void TfrmC2::Replace() {
  replaced_ = true;
  close();
}

void TfrmC2::MainWindowActivated() {
  if (age_.elapsed() >= kActivationGrace) close();
}

void TfrmC2::closeEvent(QCloseEvent* event) {
  growth_.stop();
  if (!replaced_) host_.SubCategoryPickerClosed();
  QWidget::closeEvent(event);
}

void TfrmC2::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (Outline) Outline->setGeometry(rect());
}

void TfrmC2::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  LeaveCheck();
}

void TfrmC2::wheelEvent(QWheelEvent* event) {
  if (scbLabels == nullptr) return;
  scbLabels->setValue(scbLabels->value() - event->angleDelta().y() / 120 * 3 * kLabelHeight);
}

}  // namespace velomira
