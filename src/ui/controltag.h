#pragma once

// The tag of a control: a number a control carries for its handlers.
// Dictionary controls, transparency items and card buttons carry meaning in
// it (a dictionary's slot, a percentage, an article ID).

class QObject;

namespace lumolex {

void setTag(QObject *control, int tag);
int tagOf(const QObject *control);   // 0 for no control or no tag

} // namespace lumolex
