#pragma once

// Key replay: typing a key again into another control.
//
// When a letter is typed in the word list or the article view, the focus
// moves to the word box and the same key is typed there again. This is done
// inside the program by posting a copy of the key event (press and release,
// same key, text, modifiers and native codes) to the control, never by
// synthesising system input, so it works on every platform and cannot reach
// another application.

class QKeyEvent;
class QWidget;

namespace lumolex {

// Posts a press and a release of the original key to target. The events are
// delivered from the event loop; nothing happens when target is null or is
// destroyed before then.
void replayKey(QWidget *target, const QKeyEvent &original);

} // namespace lumolex
