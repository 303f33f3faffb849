#include "controls/Tmygroup.h"

namespace velomira {

Tmygroup::Tmygroup(QWidget* parent) : QGroupBox(parent) {
  setAutoFillBackground(false);
  setAttribute(Qt::WA_NoSystemBackground);
  setAttribute(Qt::WA_TranslucentBackground);
}

}  // namespace velomira
