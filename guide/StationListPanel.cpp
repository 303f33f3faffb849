#include "StationListPanel.h"

#include <QWidget>

#include "GuideLayout.h"
#include "controls/CodePageText.h"
#include "controls/THoverLabel.h"
#include "controls/Tag.h"
#include "core/dFunc.h"

namespace velomira {

namespace {

constexpr int kLabelLeft = 2;
constexpr int kWrapWidth = 240;
constexpr int kRowGap = 10;
constexpr int kCountTop = 4;
constexpr int kRowsUnderCount = 23;

// Only these open the station; the address label opens the station's page instead.
bool OpensStation(const THoverLabel* label) {
  const QString name = label->objectName();
  return !name.isEmpty() && QString("LTD").contains(name.at(0));
}

}  // namespace

StationListPanel::StationListPanel(GuideWindow& window, QWidget* parent, PagingState& paging,
                                   const ProgramListPlaces& places)
    : ProgramListPanel(window, parent, paging, places) {
  StatusMustBeNumeric = true;
  PlaceHeader = [this] { return PlaceCount(Records().size()); };
  ShowEmpty = [this] { ShowNoneFound(); };
}

int StationListPanel::PlaceCount(std::size_t count) {
  AddHeaderLabel(std::to_string(count) + " station(s) found.", kLabelLeft, kCountTop, guide_layout::kHeaderColor);
  return kRowsUnderCount;
}

void StationListPanel::ShowNoneFound() {
  Clear();
  ResetPages();
  PlaceCount(0);
}

int StationListPanel::BuildRecordRow(int n, const ProgramFields& fields, int y) {
  using namespace guide_layout;
  auto add = [&](char letter, const std::string& caption, bool bold, int wrapWidth, const std::string& link,
                 bool visible) {
    auto* label = new THoverLabel(PnlInfo);
    label->setObjectName(QString("%1%2").arg(letter).arg(n));
    label->setFont(LabelFont(bold));
    label->SetFontColor(kStationColor);
    label->SetColorClick(kRowClickColor);
    label->SetColorEnter(kRowEnterColor);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->SetCaption(caption);
    label->SetUrl(link);
    SetTag(label, n);
    if (wrapWidth > 0) {
      label->setWordWrap(true);
      label->setGeometry(kLabelLeft, y, wrapWidth, label->heightForWidth(wrapWidth));
    } else {
      label->adjustSize();
      label->move(kLabelLeft, y);
    }
    ConnectRowLabel(label);
    label->setVisible(visible);
    if (!visible) return;
    y += label->height();
  };
  // The channel ID rides along unseen: a click reads the row's station from it.
  add('L', RecordField(fields, 0), false, 0, {}, false);
  add('T', RecordField(fields, 1), true, 0, {}, true);
  add('D', RecordField(fields, 3), false, kWrapWidth, {}, true);
  add('U', RecordField(fields, 2), false, 0, RowLabelAddress({}, RecordField(fields, 2)), true);
  return y + kRowGap;
}

void StationListPanel::RowLabelClicked(THoverLabel* label) {
  if (!OpensStation(label)) return;
  const THoverLabel* id = FindRowLabel(PnlInfo, 'L', Tag(label));
  if (id == nullptr) return;
  const std::string channelId = FromQString(id->text());
  AddUsageLine(UsageLines::Station, "station," + channelId + "," + UtcStamp());
  ClickRowPartners(PnlInfo, label);
  if (OpenStation) OpenStation(channelId);
}

}  // namespace velomira
