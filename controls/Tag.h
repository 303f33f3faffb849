#pragma once
// Several controls share one handler and are told apart by an integer tag (category
// pictures 1-9, title-bar pictures 1-5, ...). The tag is kept as the object's "Tag"
// property so any widget or action can carry one.
#include <QObject>

namespace velomira {

void SetTag(QObject* object, int tag);
int Tag(const QObject* object);  // 0 when never set

}  // namespace velomira
