#pragma once
// A group box drawn over a transparent background, so the window's picture shows
// through behind its frame and title.
#include <QGroupBox>
#include <string>

namespace velomira {

class Tmygroup : public QGroupBox {
  Q_OBJECT
 public:
  explicit Tmygroup(QWidget* parent = nullptr);
  // Title from a core text; "&" shows literally.
  void SetCaption(const std::string& codePageText);
};

}  // namespace velomira
