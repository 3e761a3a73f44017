#pragma once

// The settings dialog TFormSetup "Настройки": four tabs of controls for the
// settings held in memory, a preview of the current article in the chosen
// font, and the buttons "Настройки по умолчанию", "Применить", "Отмена".
// It is created on opening and destroyed on closing; nothing is stored
// unless Apply runs (SetupApply does the storing and applying).

#include "app/setup/setupvalues.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTextDocument;
class QTextEdit;

namespace lumolex {

class ClampedSpinBox;
class ColorBox;

class TFormSetup : public QDialog
{
    Q_OBJECT
public:
    // `article` is the main window's article view's document, copied into
    // the preview; `fonts` the installed font names (any order).
    TFormSetup(Settings *settings, const QTextDocument *article, SetupActions actions,
               const QStringList &fonts = installedFontFamilies(), QWidget *parent = nullptr);

    static QStringList installedFontFamilies();

    QTabWidget *PageControl1;
    QWidget *TabSheet1;   // "Общие"
    QWidget *TabSheet2;   // "Шрифты"
    QWidget *TabSheet3;   // "Карточка слова"
    QWidget *TabSheet4;   // "Списки"
    QWidget *TabSheetSearch; // "Поиск"

    QCheckBox *CheckBoxHint;
    QCheckBox *CheckBoxTray;
    QCheckBox *CheckBoxDockWindow;
    QCheckBox *CheckBoxNoDoubleProgramm;
    QLabel *LabelTransp;
    ClampedSpinBox *SpinEditTransp;
    QCheckBox *CheckBoxTranspCard;
    QCheckBox *CheckBoxSaveParam;

    QLabel *LabelFontName;
    QComboBox *ComboBoxFontName;
    QGroupBox *GroupBoxFontSize;
    QLabel *LabelFontSizeList;
    ClampedSpinBox *SpinEditFontSizeList;
    QLabel *LabelFontSizeText;
    ClampedSpinBox *SpinEditFontSizeText;
    QLabel *LabelFontSizeCard;
    ClampedSpinBox *SpinEditFontSizeCard;
    QTextEdit *Editor;    // the preview

    QGroupBox *GroupBox1;
    QLabel *LabelCardWidth;
    ClampedSpinBox *SpinEditCardWidth;
    QLabel *LabelCardHeight;
    ClampedSpinBox *SpinEditCardHeight;
    QCheckBox *CheckBoxOpenCardWin;
    QCheckBox *CheckBoxCloseCard;

    QCheckBox *CheckBoxColorString;
    QCheckBox *CheckBoxExactLetters;
    QLabel *LabelColorBox;
    ColorBox *ColorBox1;

    QPushButton *SpeedButtonBegin;
    QPushButton *SpeedButtonOk;
    QPushButton *SpeedButtonCancel;

    // What the controls hold now, each number within its range.
    SetupValues values() const;

    // Handlers.
    void FormShow();
    void SpeedButtonBeginClick();
    void SpeedButtonOkClick();
    void SpeedButtonCancelClick();
    void ComboBoxFontNameChange();
    void SpinEditFontSizeTextChange();
    void SpinEditFontSizeCardChange();

    // What the last Apply ran (tests and the benchmark).
    SetupApply::Ran lastApply() const { return m_ran; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildGeneralTab();
    void buildFontsTab(const QStringList &fonts);
    void buildCardTab();
    void buildListsTab();
    void buildSearchTab();
    void setValues(const SetupValues &values);
    void refreshPreview(int pointSize);

    Settings *m_settings;
    const QTextDocument *m_article;
    SetupActions m_actions;
    QString m_previewFamily;   // kept while no font is selected
    SetupApply::Ran m_ran;
};

} // namespace lumolex
