#include "controls/Tmygroup.h"

#include "controls/CodePageText.h"

namespace velomira {

Tmygroup::Tmygroup(QWidget* parent) : QGroupBox(parent) {
  setAutoFillBackground(false);
  setAttribute(Qt::WA_NoSystemBackground);
  setAttribute(Qt::WA_TranslucentBackground);
}

void Tmygroup::SetCaption(const std::string& codePageText) {
  setTitle(ShortcutFreeText(codePageText));
}

}  // namespace velomira
