#pragma once
// The banner strip at the foot of a guide window: the banners whose window letters
// hold the window's letter (or "a") take turns every BannerSeconds; a click opens the
// banner's page and counts a "back_face_bnnr," line. The turn survives the window:
// the next opening of the same kind goes on where the last one stopped.
#include <QObject>
#include <string>

#include "core/ClientState.h"

class QTimer;
class QWidget;

namespace velomira {

class TImage;
class TMyImage;

class BannerStrip : public QObject {
  Q_OBJECT
 public:
  // rotation: the turn of this window kind, kept by the caller for the program's life.
  BannerStrip(QWidget* panel, const char* imageName, char bannerLetter, char logLetter, int& rotation);

  const TextList& Banners() const { return banners_; }
  void Tick();  // the next banner
  void Stop();

  TImage* Back;
  TMyImage* Image;     // imgbanner (ImgBanner in the channel window)
  QTimer* TimerBanner;

 private:
  void Clicked();

  TextList banners_;
  char logLetter_;
  int& rotation_;
};

}  // namespace velomira
