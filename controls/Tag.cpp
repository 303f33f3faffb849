#include "controls/Tag.h"

#include <QVariant>

namespace velomira {

void SetTag(QObject* object, int tag) { object->setProperty("Tag", tag); }

int Tag(const QObject* object) { return object->property("Tag").toInt(); }

}  // namespace velomira
