#pragma once
// A group box drawn over a transparent background, so the window's picture shows
// through behind its frame and title.
#include <QGroupBox>

namespace velomira {

class Tmygroup : public QGroupBox {
  Q_OBJECT
 public:
  explicit Tmygroup(QWidget* parent = nullptr);
};

}  // namespace velomira
