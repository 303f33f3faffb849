#include "Tfrmalarm.h"

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QScreen>
#include <QTimer>
#include <array>
#include <utility>

#include "Tfrmalertalam.h"
#include "core/dFunc.h"
#include "core/qt/SkinPicture.h"

namespace velomira {

namespace {

constexpr QSize kBubbleSize(48, 86);
constexpr QSize kBurstSize(43, 85);
constexpr int kBurstPause = 100;  // ms the burst picture stays before the box comes
// The bubble swells and shrinks again.
constexpr std::array<const char*, 8> kFrameNames{"1.gif", "2.gif", "3.gif", "4.gif",
                                                 "5.gif", "4.gif", "3.gif", "2.gif"};

}  // namespace

QRegion PictureOutline(const QImage& picture, QSize window) {
  const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
  const QPoint offset(window.width() - image.width(), window.height() - image.height());
  QList<QRect> runs;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    int x = 0;
    while (x < image.width()) {
      auto inside = [line](int at) { return qAlpha(line[at]) > 0 && (line[at] & 0xFFFFFF) != 0; };
      if (!inside(x)) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < image.width() && inside(x)) ++x;
      runs.append(QRect(start + offset.x(), y + offset.y(), x - start, 1));
    }
  }
  QRegion outline;
  outline.setRects(runs.constData(), static_cast<int>(runs.size()));
  return outline;
}

Tfrmalarm::Tfrmalarm(std::string title, std::string address, std::function<void()> ended, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      title_(std::move(title)),
      address_(std::move(address)),
      ended_(std::move(ended)) {
  setObjectName("frmalarm");
  setCursor(Qt::PointingHandCursor);
  styleIndex_ = static_cast<int>(QRandomGenerator::global()->bounded(4));
  style_ = static_cast<char>('a' + styleIndex_);
  setFixedSize(kBubbleSize);

  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(500);
  Timer2 = new QTimer(this);
  Timer2->setObjectName("Timer2");
  Timer2->setInterval(50);
  Timer3 = new QTimer(this);
  Timer3->setObjectName("Timer3");
  Timer3->setInterval(300);
  connect(Timer1, &QTimer::timeout, this, &Tfrmalarm::Timer1Timer);
  connect(Timer2, &QTimer::timeout, this, &Tfrmalarm::Timer2Timer);
  connect(Timer3, &QTimer::timeout, this, &Tfrmalarm::Timer3Timer);
  Timer3->start();
}

void Tfrmalarm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  const QRect screenArea = screen() ? screen()->geometry() : QRect(0, 0, 1024, 768);
  move((screenArea.width() - width()) / 2 + 300, screenArea.height() - height());
  Timer2->start();
}

bool Tfrmalarm::imagecall(const std::string& path) {
  const QPixmap picture = LoadSkinPictureFile(path);
  if (picture.isNull()) return false;
  picture_ = picture;
  ApplyOutline();
  update();
  return true;
}

void Tfrmalarm::ApplyOutline() {
  if (picture_.isNull()) return;
  // The outline is in window coordinates: a sharp picture's is taken at its logical size.
  const QSize logical = picture_.deviceIndependentSize().toSize();
  const QRegion outline = PictureOutline(picture_.toImage().scaled(logical, Qt::IgnoreAspectRatio, Qt::FastTransformation), size());
  if (!outline.isEmpty()) setMask(outline);
}

void Tfrmalarm::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  const QSize logical = picture_.deviceIndependentSize().toSize();
  painter.drawPixmap(width() - logical.width(), height() - logical.height(), picture_);
}

std::string Tfrmalarm::BurstPicturePath() const {
  return State().BubbleDir + "boom" + std::to_string(styleIndex_ + 1) + ".gif";
}

void Tfrmalarm::Timer3Timer() {
  imagecall(State().BubbleDir + style_ + kFrameNames[static_cast<std::size_t>(frameCount_ % 8)]);
  repaint();
  ++frameCount_;
}

void Tfrmalarm::Timer2Timer() {
  if (y() > height() - kBubbleSize.height()) {
    move(x(), y() - 1);
  } else if (!Timer1->isActive()) {
    Timer1->start();
  }
}

void Tfrmalarm::Timer1Timer() {
  ++shakeCount_;
  Timer2->stop();
  if (shakeCount_ <= 9) {
    move(x(), y() + (shakeCount_ % 2 == 1 ? 2 : -2));
    return;
  }
  Burst(false);
}

void Tfrmalarm::mousePressEvent(QMouseEvent*) { FormClick(); }

void Tfrmalarm::FormClick() {
  if (bursting_) return;
  Burst(true);
}

void Tfrmalarm::Burst(bool clicked) {
  bursting_ = true;
  Timer3->stop();
  if (clicked) {
    Timer1->stop();
    Timer2->stop();
  }
  setFixedSize(kBurstSize);
  if (!imagecall(BurstPicturePath())) {
    // Keeps the last bubble picture.
    ApplyOutline();
  }
  Timer1->stop();
  repaint();
  QTimer::singleShot(kBurstPause, this, &Tfrmalarm::FinishBurst);
}

void Tfrmalarm::FinishBurst() {
  auto* box = new Tfrmalertalam(title_, address_);
  box->show();
  if (auto ended = std::exchange(ended_, nullptr)) ended();
  accept();
}

void ShowPresetAlarm(const std::string& title, const std::string& address, std::function<void()> ended) {
  Tfrmalarm alarm(title, address, std::move(ended));
  alarm.exec();
}

}  // namespace velomira
