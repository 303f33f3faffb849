#include "ProgramRows.h"

#include <QPointer>
#include <array>
#include <utility>

#include "controls/CodePageText.h"
#include "controls/THoverLabel.h"
#include "controls/TImage.h"
#include "controls/Tag.h"
#include "core/dFunc.h"
#include "core/qt/RunRequest.h"
#include "core/qt/SkinPicture.h"
#include "mainwin/alertbox/AlertBox.h"

namespace velomira {

namespace {

constexpr char kHintProperty[] = "Hint";
constexpr int kLabelLeft = 30;

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// The labels a "T", "D" or "Z" label lights and marks along with itself.
std::array<char, 2> PartnersOf(char letter) {
  switch (letter) {
    case 'T': return {'D', 'Z'};
    case 'D': return {'T', 'Z'};
    case 'Z': return {'T', 'D'};
    default: return {0, 0};
  }
}

template <class Action>
void ForEachPartner(const QWidget* area, const THoverLabel* label, Action action) {
  const QString name = label->objectName();
  if (name.isEmpty()) return;
  for (char partner : PartnersOf(name.at(0).toLatin1())) {
    if (partner == 0) continue;
    if (THoverLabel* other = FindRowLabel(area, partner, Tag(label))) action(other);
  }
}

}  // namespace

ProgramRowBuilder::ProgramRowBuilder(QWidget* area, ProgramRowStyle style, std::function<void(THoverLabel*)> hook)
    : area_(area), style_(std::move(style)), hook_(std::move(hook)) {}

void ProgramRowBuilder::AddPicture(const std::string& folder, const std::string& file, int left, int top,
                                   int n) const {
  if (file.empty() || !FileExistsAnyCase(folder + file)) return;
  auto* picture = new TImage(area_);
  picture->SetAutoSize(true);
  picture->SetPicture(LoadSkinPicture(folder, file));
  picture->move(left, top);
  picture->setCursor(Qt::ArrowCursor);
  SetTag(picture, n);
  picture->show();
}

THoverLabel* ProgramRowBuilder::AddLabel(const std::string& name, const std::string& caption,
                                         const std::string& link, const std::string& hint, bool title,
                                         int wrapWidth, int left, int& y, int n) const {
  auto* label = new THoverLabel(area_);
  label->setObjectName(QString::fromStdString(name));
  label->setFont(title ? style_.TitleFont : style_.TextFont);
  label->SetFontColor(title ? style_.TitleColor : style_.TextColor);
  label->SetColorClick(style_.ClickColor);
  label->SetColorEnter(style_.EnterColor);
  label->SetCaption(caption);
  y += style_.LabelGap;
  if (wrapWidth > 0) {
    label->setWordWrap(true);
    label->setGeometry(left, y, wrapWidth, label->heightForWidth(wrapWidth));
  } else {
    label->adjustSize();
    label->move(left, y);
  }
  y += label->height();
  label->SetUrl(link);
  label->setAttribute(Qt::WA_TranslucentBackground);
  label->setProperty(kHintProperty, QByteArray::fromStdString(hint));
  SetTag(label, n);
  if (hook_) hook_(label);
  label->show();
  return label;
}

int ProgramRowBuilder::Build(int n, const ProgramFields& f, int y) const {
  const ClientState& state = State();
  auto field = [&f](std::size_t i) -> const std::string& { return RecordField(f, i); };
  const std::string index = std::to_string(n);
  const std::string hint = RowHint(f);
  const std::string programLink = style_.ProgramLink(field(13), field(6));

  AddPicture(state.BasicDir, field(1) + ".gif", 2, y + style_.PictureDrop, n);
  AddLabel("T" + index, field(5), programLink, hint, true, 0, kLabelLeft, y, n);
  AddPicture(state.MediaDir, style_.MediaPicture(field(2)), 165, y + style_.MediaDrop, n);
  if (IsRepeatedProgram(f)) {
    const auto days = DayPictureNames(field(15));
    for (std::size_t d = 0; d < days.size(); ++d) {
      AddPicture(state.BasicDir, days[d] + ".gif", DayPictureLefts[d], y + style_.PictureDrop, n);
    }
  }
  AddLabel("D" + index, DateLineCaption(f), programLink, hint, false, style_.WrapWidth, kLabelLeft, y, n);
  AddLabel("Z" + index, field(11), programLink, hint, false, style_.WrapWidth, kLabelLeft, y, n);

  const std::string stationLink = RowLabelAddress({}, field(8));
  if (Trimmed(field(9)).empty()) {
    AddLabel("S" + index, "(" + field(7) + ")", stationLink, {}, false, 0, kLabelLeft, y, n);
  } else {
    const std::string station = "(" + field(7) + "/";
    THoverLabel* stationLabel = AddLabel("S" + index, station, stationLink, {}, false, 0, kLabelLeft, y, n);
    // The second name continues the station's line.
    y -= stationLabel->height() + style_.LabelGap;
    const int width = QFontMetrics(style_.TextFont).horizontalAdvance(ToQString(station));
    AddLabel("H" + index, field(9) + ")", RowLabelAddress({}, field(10)), {}, false, 0, kLabelLeft + width, y, n);
  }
  return y + style_.RowGap;
}

THoverLabel* FindRowLabel(const QWidget* area, char letter, int n) {
  return area->findChild<THoverLabel*>(QString("%1%2").arg(letter).arg(n), Qt::FindDirectChildrenOnly);
}

void LightRowPartners(const QWidget* area, const THoverLabel* label, bool entered) {
  ForEachPartner(area, label, [entered](THoverLabel* other) { other->SetEntered(entered); });
}

void ClickRowPartners(const QWidget* area, const THoverLabel* label) {
  ForEachPartner(area, label, [](THoverLabel* other) { other->SetClicked(true); });
}

std::string RowHintOf(const QObject* label) {
  return label->property(kHintProperty).toByteArray().toStdString();
}

void ProgramRowClicked(QWidget* area, THoverLabel* label, const ProgramFields& fields, bool offerPreset) {
  QPointer<QWidget> areaGuard(area);
  QPointer<THoverLabel> guard(label);
  const std::string name = label->objectName().toStdString();
  const std::string hint = RowHintOf(label);
  if (label->Url().empty() && offerPreset) {
    const THoverLabel* time = FindRowLabel(area, 'D', Tag(label));
    const std::string start = time ? PresetStartText(FromQString(time->text())) : std::string();
    ConfirmPresetAdd(RecordField(fields, 0), RecordField(fields, 14), RecordField(fields, 16), start);
    RunRequest(QCoreApplication::instance(), [] { LoadPresetList(); return 0; }, [](int) {});
  }
  if (!name.empty() && (name[0] == 'T' || name[0] == 'D' || name[0] == 'Z')) {
    AddUsageLine(UsageLines::Program, "program," + hint + UtcStamp());
  }
  // The row may have gone while the preset question was open.
  if (guard && areaGuard) ClickRowPartners(areaGuard, guard);
}

}  // namespace velomira
