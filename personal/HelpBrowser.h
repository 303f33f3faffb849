#pragma once
// The help panel's page view: a text browser that shows a help topic page and its
// pictures, all fetched with the client's own request functions (so the proxy settings
// apply as to every other request). A link inside the web site opens in the view, any
// other link in the member's browser. A page that cannot be fetched leaves the view as
// it was.
#include <QImage>
#include <QTextBrowser>
#include <QUrl>
#include <functional>
#include <map>
#include <string>

namespace velomira {

class HelpBrowser : public QTextBrowser {
  Q_OBJECT
 public:
  // Runs a request off the UI thread and hands its reply to done on the UI thread.
  using Runner =
      std::function<void(std::function<std::string()> request, std::function<void(const std::string& reply)> done)>;
  HelpBrowser(QWidget* parent, Runner run);

  // Fetches the page at address, then its pictures, then shows it.
  void Navigate(const QUrl& address);
  const QUrl& PageAddress() const { return page_; }

 signals:
  // The page at address is on show.
  void PageShown(const QUrl& address);

 protected:
  // Nothing is read from disk or fetched while the page lays out: its pictures came
  // before it.
  QVariant loadResource(int type, const QUrl& name) override;

 private:
  void PageFetched(int navigation, const QUrl& address, const std::string& page);
  void Show(const QUrl& address, const QString& html);
  void LinkClicked(const QUrl& link);

  Runner run_;
  QUrl page_;
  std::map<QString, QImage> pictures_;  // the shown page's, by their full address
  int navigation_ = 0;  // a later navigation wins over one still under way
};

}  // namespace velomira
