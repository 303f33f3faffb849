#include "StationHeader.h"

#include <QFontMetrics>
#include <QLabel>

#include "GuideLayout.h"
#include "ProgramListPanel.h"
#include "controls/THoverLabel.h"
#include "core/dFunc.h"

namespace velomira {

namespace {

constexpr int kLeft = 2;
constexpr int kTop = 4;
constexpr int kWrapWidth = 240;
constexpr int kHeadingSize = 12;  // the headings' 9-point type on the pixel-drawn skin
constexpr int kProgramsGap = 6;
const QColor kTextColor(0x00, 0x00, 0x50);
const QColor kProgramsColor(0x00, 0x8B, 0x8D);

}  // namespace

int PlaceStationHeader(ProgramListPanel& list, const ProgramFields& station, bool myChannel) {
  using namespace guide_layout;
  int y = kTop;
  QLabel* mine = list.AddHeaderLabel(myChannel ? "My Channels>" : "", kLeft, y, kHeaderColor, true, kHeadingSize);
  y += QFontMetrics(mine->font()).height();
  y += list.AddHeaderLabel(RecordField(station, 5), kLeft, y, kStationColor, true, kHeadingSize)->height();

  const std::string& address = RecordField(station, 6);
  auto* link = new THoverLabel(list.PnlInfo);
  link->setObjectName("StationUrl");
  link->setFont(LabelFont());
  link->SetFontColor(kTextColor);
  link->SetColorClick(kRowClickColor);
  link->SetColorEnter(kRowEnterColor);
  link->setAttribute(Qt::WA_TranslucentBackground);
  link->SetCaption(address);
  link->SetUrl(RowLabelAddress({}, address));
  link->adjustSize();
  link->move(kLeft, y);
  link->show();
  y += link->height();

  y += list.AddHeaderLabel(RecordField(station, 11), kLeft, y, kTextColor, false, 11, kWrapWidth)->height();
  y += kProgramsGap;
  y += list.AddHeaderLabel("programs", kLeft, y, kProgramsColor, true, kHeadingSize)->height();
  return y;
}

}  // namespace velomira
