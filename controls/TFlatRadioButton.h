#pragma once
// A radio button drawn flat (a plain ring and dot, no 3-D bevel). Transparent (the
// default) lets the window's picture show behind the caption. Caption, Checked and
// Enabled are QRadioButton's text, checked and enabled; the caption shows "&" literally.
#include <QRadioButton>
#include <string>

namespace velomira {

class TFlatRadioButton : public QRadioButton {
  Q_OBJECT
 public:
  explicit TFlatRadioButton(QWidget* parent = nullptr);

  void SetCaption(const std::string& codePageText);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool transparent_ = true;
};

}  // namespace velomira
