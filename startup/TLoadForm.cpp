#include "TLoadForm.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "core/dFunc.h"
#include "core/qt/SkinPicture.h"

namespace velomira {

namespace {

// The picture stretched over the whole window with the waiting text in its middle.
class LoadingPanel : public QWidget {
 public:
  LoadingPanel(const QPixmap& picture, QWidget* parent) : QWidget(parent), picture_(picture) {
    setObjectName("PicturePanel1");
    setAccessibleName("data loading");
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    if (!picture_.isNull()) painter.drawPixmap(rect(), picture_);
    QFont font("Arial");
    font.setPixelSize(12);
    painter.setFont(font);
    painter.drawText(rect(), Qt::AlignCenter, "Wait a moment while loading data...");
  }

 private:
  QPixmap picture_;
};

}  // namespace

TLoadForm::TLoadForm(const std::string& formDir)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool) {
  setObjectName("LoadForm");
  setFixedSize(330, 133);
  const std::string folder = formDir.empty() ? State().FormDir : formDir;
  const QPixmap picture = LoadSkinPicture(folder, "alertbox.gif");
  panel_ = new LoadingPanel(picture, this);
  panel_->setGeometry(rect());
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
}

TLoadForm::~TLoadForm() = default;

}  // namespace velomira
