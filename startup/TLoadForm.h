#pragma once
// The splash window shown while the main window loads its data.
#include <QPixmap>
#include <QWidget>

namespace velomira {

class TLoadForm : public QWidget {
  Q_OBJECT
 public:
  // Loads its picture from formDir ("" for ClientState's FormDir) and paints at once.
  explicit TLoadForm(const std::string& formDir = {});
  ~TLoadForm() override;

  QWidget* PicturePanel() const { return panel_; }

 private:
  QWidget* panel_;
};

}  // namespace velomira
