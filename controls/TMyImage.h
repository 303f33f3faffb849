#pragma once
// A picture that opens a web page: a left click opens Url (when not empty) with the
// browser command (OpenWebPage, never through a shell), then raises OnClick. Url is
// empty at creation. Hand cursor.
#include <string>

#include "controls/TImage.h"

namespace velomira {

class TMyImage : public TImage {
  Q_OBJECT
 public:
  explicit TMyImage(QWidget* parent = nullptr);

  const std::string& Url() const { return url_; }  // core text
  void SetUrl(const std::string& url) { url_ = url; }

 signals:
  void OnClick();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::string url_;
  bool pressed_ = false;
};

}  // namespace velomira
