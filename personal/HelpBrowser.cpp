#include "HelpBrowser.h"

#include <QImage>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextDocument>
#include <map>
#include <memory>
#include <vector>

#include "controls/CodePageText.h"
#include "core/dFunc.h"
#include "platform/Browser.h"

namespace velomira {

namespace {

// The picture addresses of a page, as written in it.
std::vector<QString> PictureSources(const QString& html) {
  static const QRegularExpression source(QStringLiteral(R"(<img\b[^>]*\bsrc\s*=\s*["']([^"']+)["'])"),
                                         QRegularExpression::CaseInsensitiveOption);
  std::vector<QString> sources;
  for (auto match = source.globalMatch(html); match.hasNext();) sources.push_back(match.next().captured(1));
  return sources;
}

bool InsideWebSite(const QUrl& link) {
  const QString site = ToQString(WebRoot());
  const QString address = link.toString();
  return address == site || address.startsWith(site + "/");
}

// What is still to come before a page can show: its pictures, by their written address.
struct PendingPage {
  QString Html;
  std::vector<std::pair<QString, std::string>> Pictures;
  std::size_t Missing = 0;
};

// The site's own style sheet is made for a full browser window (wide margins, large
// headings); the narrow panel keeps to its own.
QString WithoutStyleSheets(QString html) {
  static const QRegularExpression style(QStringLiteral(R"(<style\b.*</style\s*>)"),
                                        QRegularExpression::CaseInsensitiveOption |
                                            QRegularExpression::DotMatchesEverythingOption |
                                            QRegularExpression::InvertedGreedinessOption);
  return html.remove(style);
}

}  // namespace

HelpBrowser::HelpBrowser(QWidget* parent, Runner run) : QTextBrowser(parent), run_(std::move(run)) {
  setObjectName("WB");
  setOpenLinks(false);
  setOpenExternalLinks(false);
  // Compact type for a narrow panel. Headings take sizes relative to the view's font:
  // a heading's own size wins over sizes in points or pixels.
  QFont font = this->font();
  font.setPointSizeF(7.5);
  setFont(font);
  document()->setDefaultStyleSheet(
      "body { color: #1d2340; } h1 { font-size: large; color: #3d3d9e; }"
      " h2 { font-size: medium; color: #3d3d9e; } a { color: #2266cc; }");
  connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::LinkClicked);
}

void HelpBrowser::Navigate(const QUrl& address) {
  if (!address.isValid() || address.isEmpty()) return;
  const int navigation = ++navigation_;
  const std::string url = FromQString(address.toString());
  run_([url] { return HttpGetStream(url); },
       [this, navigation, address](const std::string& page) { PageFetched(navigation, address, page); });
}

void HelpBrowser::PageFetched(int navigation, const QUrl& address, const std::string& page) {
  if (navigation != navigation_ || page.empty()) return;
  auto pending = std::make_shared<PendingPage>();
  pending->Html = WithoutStyleSheets(ToQString(page));
  const std::vector<QString> sources = PictureSources(pending->Html);
  if (sources.empty()) {
    pictures_.clear();
    Show(address, pending->Html);
    return;
  }
  pending->Missing = sources.size();
  for (const QString& source : sources) {
    const std::string url = FromQString(address.resolved(QUrl(source)).toString());
    run_([url] { return HttpGetStream(url); },
         [this, navigation, address, source, pending](const std::string& picture) {
           // A picture that did not come is left out; the page shows without it.
           pending->Pictures.emplace_back(source, picture);
           if (--pending->Missing > 0 || navigation != navigation_) return;
           std::map<QString, QImage> pictures;
           for (const auto& [name, bytes] : pending->Pictures) {
             QImage image;
             if (!bytes.empty() && image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                                                      static_cast<int>(bytes.size()))) {
               pictures[address.resolved(QUrl(name)).toString()] = image;
             }
           }
           pictures_ = std::move(pictures);
           Show(address, pending->Html);
         });
  }
}

void HelpBrowser::Show(const QUrl& address, const QString& html) {
  page_ = address;
  document()->setBaseUrl(address);
  setHtml(html);
  verticalScrollBar()->setValue(0);
  emit PageShown(address);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  if (type != QTextDocument::ImageResource) return {};
  const auto picture = pictures_.find(page_.resolved(name).toString());
  return picture == pictures_.end() ? QVariant() : QVariant(picture->second);
}

void HelpBrowser::LinkClicked(const QUrl& link) {
  const QUrl target = page_.resolved(link);
  if (target.matches(page_, QUrl::RemoveFragment) && target.hasFragment()) {
    scrollToAnchor(target.fragment());
  } else if (InsideWebSite(target)) {
    Navigate(target);
  } else {
    OpenWebPage(FromQString(target.toString()));
  }
}

}  // namespace velomira
