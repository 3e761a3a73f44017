#pragma once

// The find dialog TFormFind ("Найти в тексте"): finds the next occurrence of
// a text in the article view of the main window, after the current
// selection. Small, modeless, above the other windows, destroyed when closed.

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace lumolex {

class AppMessageBoxes;
class RichTextView;

// What the dialog works on: the main window's article view, the shared
// search text and the find dialog flag, both owned by the main window.
struct FindDialogContext {
    QWidget *mainWindow = nullptr;
    RichTextView *editor = nullptr;
    QString *sharedSearchText = nullptr;
    bool *flag = nullptr;
    AppMessageBoxes *messages = nullptr;
};

class TFormFind : public QDialog
{
    Q_OBJECT
public:
    explicit TFormFind(const FindDialogContext &context);

    QLineEdit *EditFind;
    QCheckBox *CheckBoxRegister;
    QPushButton *SpeedButtonFind;
    QPushButton *SpeedButtonCancel;

    void SpeedButtonFindClick();
    void SpeedButtonCancelClick() { close(); }

protected:
    void showEvent(QShowEvent *event) override;   // FormShow
    void keyPressEvent(QKeyEvent *event) override; // FormKeyPress
    void closeEvent(QCloseEvent *event) override;  // FormClose

private:
    FindDialogContext m_ctx;
};

// Opens the find dialog (ToolButtonFindClick, MainMenuFindClick); at most
// one exists.
class FindDialogOpener : public QObject
{
    Q_OBJECT
public:
    FindDialogOpener(const FindDialogContext &context, QObject *parent = nullptr);

    // Opens the dialog unless the current article has no body.
    void ToolButtonFindClick(bool articleHasBody);
    TFormFind *dialog() const { return m_dialog; }

private:
    FindDialogContext m_ctx;
    QPointer<TFormFind> m_dialog;
};

} // namespace lumolex
