#pragma once

// Opens the settings dialog from MainMenuSetup "Настройки": creates it,
// shows it modally and destroys it when it closes. Apply in the dialog runs
// the main window's font application, transparency and list repaint.

#include "app/setup/setupvalues.h"

#include <QObject>
#include <QPointer>

namespace lumolex {

class TFormLumoLex;
class TFormSetup;

class SetupLink : public QObject
{
    Q_OBJECT
public:
    explicit SetupLink(TFormLumoLex *window);

    void MainMenuSetupClick();
    // What Apply runs besides storing, on this window.
    SetupActions actions() const;

    // The open dialog, null while none is open.
    QPointer<TFormSetup> FormSetup;

signals:
    // The dialog was created and is about to be shown (tests work it from here).
    void dialogOpened(TFormSetup *dialog);

private:
    TFormLumoLex *m_window;
};

} // namespace lumolex
