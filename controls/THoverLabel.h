#pragma once
// A link label whose font colour follows the mouse. The state rules:
// - mouse enters: unless Clicked, the current font colour is remembered as ColorExit
//   and the font takes ColorEnter; then OnMouseEnter;
// - mouse leaves: unless Clicked, the font returns to ColorExit; then OnMouseExit;
// - SetEntered(true) (not clicked) remembers the colour and applies ColorEnter,
//   SetEntered(false) (not clicked) restores ColorExit; while Clicked the value is only
//   stored (windows light up every label of one program row together this way);
// - SetClicked(either value) stores it and paints ColorClick;
// - click (left press and release inside): Clicked becomes true, the font takes
//   ColorClick, a non-empty Url is opened with the browser command (OpenWebPage, never
//   through a shell), then OnClick.
// ColorExit starts as the font colour at creation. Plain text: "&" shows literally and
// line breaks are kept. Hand cursor.
#include <QColor>
#include <QLabel>
#include <string>

namespace velomira {

class THoverLabel : public QLabel {
  Q_OBJECT
 public:
  explicit THoverLabel(QWidget* parent = nullptr);

  // Caption from a core text (Windows-1252); CR LF and lone CR become line breaks.
  void SetCaption(const std::string& codePageText);

  QColor FontColor() const;
  void SetFontColor(const QColor& color);

  QColor ColorEnter() const { return colorEnter_; }
  void SetColorEnter(const QColor& color) { colorEnter_ = color; }
  QColor ColorClick() const { return colorClick_; }
  void SetColorClick(const QColor& color) { colorClick_ = color; }
  QColor ColorExit() const { return colorExit_; }

  bool Clicked() const { return clicked_; }
  void SetClicked(bool clicked);
  bool Entered() const { return entered_; }
  void SetEntered(bool entered);

  // The page opened on click (core text); empty for none.
  const std::string& Url() const { return url_; }
  void SetUrl(const std::string& url) { url_ = url; }

 signals:
  void OnMouseEnter();
  void OnMouseExit();
  void OnClick();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Click();

  QColor colorEnter_{Qt::red};
  QColor colorClick_{Qt::darkMagenta};
  QColor colorExit_;
  bool clicked_ = false;
  bool entered_ = false;
  bool pressed_ = false;
  std::string url_;
};

}  // namespace velomira
