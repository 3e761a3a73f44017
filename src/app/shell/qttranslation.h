#pragma once

// Qt's own texts (dialog buttons, context menus of edit boxes, print and
// colour dialogs) in Russian, from the translation Qt installs
// (qtbase_ru.qm in Qt's translations folder).

class QCoreApplication;
class QTranslator;

namespace lumolex {

// Loads and installs the translation, owned by the application; null when
// it is not installed, and Qt then speaks English.
QTranslator *installQtRussian(QCoreApplication *app);

} // namespace lumolex
