#pragma once

// An icon whose pictures are made when it is first drawn or measured, then
// kept: pictures drawn in code cost time, and many sit where the first
// window does not show them (menus, the tray icon's animation). Every
// question goes to the made icon, so the icon looks and measures exactly as
// if it had been made at once.

#include <QIcon>

#include <functional>

namespace lumolex {

// `make` runs at most once, at the first question to the icon (or a copy).
QIcon deferredIcon(std::function<QIcon()> make);

// The pictures of the icon at one size and scale 1, made apart from the
// others: on an ordinary screen a small icon is only ever asked for at its
// own size, and the pictures for dense screens need not be made then.
struct FirstPictures {
    QSize size;                     // a question for at most this size at scale 1 ...
    std::function<QIcon()> make;    // ... is answered from these pictures
};

// As above; questions that `first` answers exactly as the whole icon would
// (a pixmap at scale 1 of at most first.size) go to first.make instead, and
// `make` runs only at the first other question.
QIcon deferredIcon(std::function<QIcon()> make, FirstPictures first);

} // namespace lumolex
