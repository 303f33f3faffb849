#include "PresetListPanel.h"

#include <QScrollBar>
#include <algorithm>
#include <array>

#include "GuideLayout.h"
#include "controls/CodePageText.h"
#include "controls/THoverLabel.h"
#include "controls/TMyCheck.h"
#include "controls/Tag.h"
#include "core/dFunc.h"

namespace velomira {

namespace {

constexpr int kLabelLeft = 4;
constexpr int kListTop = 4;
constexpr int kViewHeight = 165;
constexpr int kCheckRoom = 20;  // the check box column right of the labels
constexpr std::array<int, 7> kDayLefts{145, 154, 163, 172, 181, 190, 199};

ProgramRowStyle PresetRowStyle() {
  using namespace guide_layout;
  ProgramRowStyle style;
  style.TitleFont = LabelFont(true);
  style.TextFont = LabelFont(false);
  style.TitleColor = QColor(0x00, 0x8E, 0x81);
  style.TextColor = QColor(0x00, 0x00, 0x50);
  style.ClickColor = kRowClickColor;
  style.EnterColor = kRowEnterColor;
  style.LabelGap = 0;
  style.RowGap = 10;
  return style;
}

}  // namespace

std::string PresetDeleteKey(const ProgramFields& fields) {
  const std::string& id = RecordField(fields, 0);
  return IsRepeatedProgram(fields) ? id + "," + RecordField(fields, 16) : id + ",-";
}

int PresetScrollMaximum(int rowsBottom) { return std::max(0, rowsBottom - kViewHeight); }

PresetListPanel::PresetListPanel(QWidget* parent, const QRect& place)
    : QObject(parent), rows_(nullptr, PresetRowStyle(), nullptr) {
  View = new QWidget(parent);
  View->setObjectName("PnlList");
  View->setGeometry(place);
  pnlInfo = new QWidget(View);
  pnlInfo->setObjectName("pnlInfo");
  pnlInfo->setGeometry(0, 0, place.width(), place.height());
  rows_ = ProgramRowBuilder(pnlInfo, PresetRowStyle(), [this](THoverLabel* label) { ConnectRowLabel(label); });

  scbPreset = new QScrollBar(Qt::Vertical, parent);
  scbPreset->setObjectName("scbPreset");
  scbPreset->setGeometry(place.right() + 1, place.top(), guide_layout::kScrollWidth, place.height());
  scbPreset->setRange(0, 0);
  scbPreset->setSingleStep(5);
  scbPreset->setPageStep(37);
  connect(scbPreset, &QScrollBar::valueChanged, this, &PresetListPanel::scbPresetChange);
}

int PresetListPanel::Load(const std::string& reply) {
  deleteKeys_.clear();
  for (QWidget* control : pnlInfo->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) delete control;
  const std::string_view body = ReplyBody(reply);
  if (body.empty()) {
    scbPreset->setMaximum(0);  // no rows left to scroll to
    return 0;
  }

  std::vector<std::string> records, fields;
  SplitText(body, std::string_view(&RecordSeparator, 1), records);
  int y = kListTop;
  for (std::size_t n = 0; n < records.size(); ++n) {
    SplitText(records[n], std::string_view(&FieldSeparator, 1), fields);
    y = BuildRow(static_cast<int>(n), fields, y);
  }
  pnlInfo->resize(pnlInfo->width(), y);
  // y ends with the gap after the last row, which need not come into view.
  scbPreset->setMaximum(PresetScrollMaximum(y - rows_.Style().RowGap));
  return Count();
}

int PresetListPanel::BuildRow(int n, const ProgramFields& f, int y) {
  const ClientState& state = State();
  const std::string index = std::to_string(n);
  const bool repeating = IsRepeatedProgram(f);
  deleteKeys_.push_back(PresetDeleteKey(f));

  auto* check = new TMyCheck(pnlInfo);
  check->setObjectName(QString::fromStdString("Check" + index));
  check->adjustSize();
  check->move(pnlInfo->width() - 16, y + 10);
  check->show();

  const std::string programLink = RowLabelAddress({}, RecordField(f, 6));
  const int wrapWidth = pnlInfo->width() - kLabelLeft - kCheckRoom;
  rows_.AddLabel("T" + index, RecordField(f, 5), programLink, {}, true, wrapWidth, kLabelLeft, y, n);
  if (repeating) {
    const auto days = DayPictureNames(RecordField(f, 15));
    for (std::size_t d = 0; d < days.size(); ++d) rows_.AddPicture(state.BasicDir, days[d] + ".gif", kDayLefts[d], y, n);
  }
  const std::string times = RecordField(f, 3) + RecordField(f, 4);
  rows_.AddLabel("D" + index, FormatPresetTime(times, repeating ? "r" : ""), programLink, {}, false, 0, kLabelLeft,
                 y, n);
  rows_.AddLabel("S" + index, "(" + RecordField(f, 7) + ")", RowLabelAddress({}, RecordField(f, 8)), {}, false, 0,
                 kLabelLeft, y, n);
  return y + rows_.Style().RowGap;
}

void PresetListPanel::ConnectRowLabel(THoverLabel* label) {
  // Only a row's title and time light and mark each other; there is no description.
  connect(label, &THoverLabel::OnMouseEnter, this, [this, label] { LightRowPartners(pnlInfo, label, true); });
  connect(label, &THoverLabel::OnMouseExit, this, [this, label] { LightRowPartners(pnlInfo, label, false); });
  connect(label, &THoverLabel::OnClick, this, [this, label] { ClickRowPartners(pnlInfo, label); });
}

std::string PresetListPanel::CheckedKeys() const {
  std::string keys;
  for (int n = 0; n < Count(); ++n) {
    const auto* check = pnlInfo->findChild<TMyCheck*>(QString("Check%1").arg(n), Qt::FindDirectChildrenOnly);
    if (check && check->isChecked()) keys += deleteKeys_[static_cast<std::size_t>(n)] + ":";
  }
  return keys;
}

void PresetListPanel::scbPresetChange(int position) { pnlInfo->move(0, -position); }

}  // namespace velomira
