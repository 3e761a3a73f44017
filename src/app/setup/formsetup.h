#pragma once

// Folder app/setup: the settings dialog, the values it edits with the order in
// which Apply stores and applies them, and its preview pane. It may use
// app/store, article and ui; never app/window.

// The settings dialog TFormSetup "Настройки": four tabs of controls for the
// settings held in memory, a preview of the current article in the chosen
// font, and the buttons "Настройки по умолчанию", "Применить", "Отмена".
// It is created on opening and destroyed on closing; nothing is stored
// unless Apply runs (SetupApply does the storing and applying).

#include "app/setup/setupvalues.h"

#include <QDialog>
#include <QStringList>

#include <functional>

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

// The fonts the font list offers: the installed families (any order), and
// the family text asked for in a given family is actually drawn in (itself
// when installed, otherwise the substitute the toolkit chose).
struct InstalledFonts {
    using FamilyInUse = std::function<QString(const QString &family)>;
    static QStringList systemFamilies();
    static QString systemFamilyInUse(const QString &family);

    InstalledFonts(QStringList families = systemFamilies(), FamilyInUse inUse = &systemFamilyInUse)
        : families(std::move(families)), familyInUse(std::move(inUse)) {}
    QStringList families;
    FamilyInUse familyInUse;
};

class TFormSetup : public QDialog
{
    Q_OBJECT
public:
    // `article` is the main window's article view's document, copied into
    // the preview; `fonts` what the font list offers.
    TFormSetup(Settings *settings, const QTextDocument *article, SetupActions actions,
               const InstalledFonts &fonts = InstalledFonts(), QWidget *parent = nullptr);

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
    QLabel *LabelLanguage;
    QComboBox *ComboBoxLanguage;   // items in the order of LanguageChoice
    QLabel *LabelLanguageNote;

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
    int fontIndexOf(const QString &family) const;
    void buildCardTab();
    void buildListsTab();
    void buildSearchTab();
    void setValues(const SetupValues &values);
    void refreshPreview(int pointSize);

    Settings *m_settings;
    const QTextDocument *m_article;
    SetupActions m_actions;
    InstalledFonts::FamilyInUse m_familyInUse;
    QString m_previewFamily;   // kept while no font is selected
    // A stored font that is not installed: the list shows the font drawn in
    // its place, which stands for the stored name until another is picked.
    QString m_standInFor;
    int m_standInIndex = -1;
    SetupApply::Ran m_ran;
};

} // namespace lumolex
