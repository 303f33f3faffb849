#pragma once
// Reading a guide window's program list the way the member sees it: the header texts
// the window placed, the pictures among them, the requests the list sent.
#include <QLabel>
#include <string>
#include <vector>

#include "GuideFixture.h"
#include "controls/CodePageText.h"
#include "controls/THoverLabel.h"
#include "controls/TImage.h"
#include "guide/ProgramListPanel.h"
#include "support/CannedService.h"

namespace velomira::test {

// The plain labels of the list area (headers and empty-list texts), top to bottom.
inline std::vector<QLabel*> HeaderLabels(const ProgramListPanel& list) {
  std::vector<QLabel*> labels;
  for (QLabel* label : list.PnlInfo->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    if (qobject_cast<THoverLabel*>(label) == nullptr) labels.push_back(label);
  }
  return labels;
}

inline std::vector<std::string> HeaderTexts(const ProgramListPanel& list) {
  std::vector<std::string> texts;
  for (QLabel* label : HeaderLabels(list)) texts.push_back(FromQString(label->text()));
  return texts;
}

// A picture of the list area at the given place, or null.
inline TImage* PictureAt(const ProgramListPanel& list, QPoint place) {
  for (TImage* image : list.PnlInfo->findChildren<TImage*>(Qt::FindDirectChildrenOnly)) {
    if (image->pos() == place && !image->Picture().isNull()) return image;
  }
  return nullptr;
}

inline std::string PageText(const ProgramListPanel& list) { return FromQString(list.PageLabel->text()); }

// The program-list requests, path and query as sent.
inline std::vector<std::string> ListTargets(const CannedService& service) {
  std::vector<std::string> targets;
  for (const Received& request : service.RequestsTo("/servlet/servlet.GetProgramList")) {
    targets.push_back(request.Target);
  }
  return targets;
}

// A program record of page `page` of `pages`.
inline std::string ProgramRecord(const std::string& id, const std::string& title, const std::string& page = "1",
                                 const std::string& pages = "1") {
  return Record({{0, id},
                 {1, "icon_" + id},
                 {2, "a"},
                 {3, "202612102000"},
                 {4, "202612102100"},
                 {5, title},
                 {6, "http://example.test/" + id},
                 {7, "Station " + id},
                 {8, "http://station.test/" + id},
                 {11, "About " + title},
                 {17, page},
                 {18, pages}});
}

}  // namespace velomira::test
