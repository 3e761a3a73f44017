#pragma once

// The program's 16-pixel image list, addressed by index as menus, buttons,
// lists and cards name their pictures.
//
// Index  Meaning                                     Used by
//   0    word / initial letter                       letter menu items; rows of dictionaries without icon
//   1    to the first word                           ToolButtonFirst
//   2    to the previous word                        ToolButtonPrev
//   3    to the next word                            ToolButtonNext
//   4    to the last word                            ToolButtonLast
//   5    go to a letter                              ToolButtonGoLetter
//   6    find in the article text                    ToolButtonFind, MainMenuFind
//   7    fragment search (idle)                      ToolButtonGoFind2
//   8    follow the link                             ToolButtonLink, MainMenuLink
//   9    lists                                       settings tab "Списки"
//  10    close the search panel                      ToolButtonCloseFind
//  11    search in the dictionaries (fast search)    ToolButtonGoFind1, N28
//  12    open a word card                            SpeedButtonOpenCard, N19
//  13    cut                                         MainMenuCut, PMenuEditCut
//  14    copy                                        MainMenuCopy, PMenuEditCopy
//  15    paste                                       MainMenuPaste, PMenuEditPaste
//  16    print the card                              card printing command
//  17    dictionary not selected                     unchecked MainMenuDict1..4
//  18    always on top                               MainMenuAlwaysTop, SpeedButtonFormTop
//  19    transparency                                N9
//  20    panels                                      N12
//  21    cascade the cards                           MainMenuCascade
//  22    close all cards                             SpeedButtonCloseAll, MainMenuCloseAll
//  23    exit                                        MainMenuExit
//  24    help                                        MainMenuHelp
//  25    step back                                   MainMenuBack, SpeedButtonBack
//  26    step forward                                MainMenuForward, SpeedButtonForward
//  27    bookmark                                    MainMenuBookmark, SpeedButtonBookmark
//  28    clear the histories                         MainMenuClearHist
//  29    settings                                    MainMenuSetup, settings tab "Общие"
//  30    dictionary 1 (Saami-Russian, blue "1")      word list, result list, MainMenuDict1, cards
//  31    dictionary 2 (Saami-Russian, green "2")     same places, dictionary 2
//  32    dictionary 3 (Russian-Saami, red "Р")       same places, dictionary 3
//  33    dictionary 4 (Saami-Russian, violet "4")    same places, dictionary 4
//  34    synchronise the list with the card          a card's ToolButtonGoto
//  35    close the card                              a card's close button
//  36    refresh                                     SpeedButtonFhraseRefresh
//  37    about                                       MainMenuAbout
//  38    the program                                 small program icon
//  39    English keyboard layout                     PMenuLangEN
//  40    Russian keyboard layout                     PMenuLangRU
//  41    show all panels                             MainMenuVisiblePanel
//  42    fonts                                       settings tab "Шрифты"
//  43    word card                                   settings tab "Карточка слова"
//  44    stop                                        ToolButtonGoFind2 while searching
//  45    find next                                   find dialog "Найти"
//  46    cancel                                      find dialog "Отмена"
//  47    hide all panels                             MainMenuNotVisiblePanel
//  48    keyboard                                    keyboard layout cell
//  49    phrasebook (orange speech bubble, lines)    checked MainMenuRazg1, cards
//  50    phrasebook not selected (grey bubble)       unchecked MainMenuRazg1
//  51    phrasebook (orange speech bubble, dots)     word list, result list
//
// The pictures are our own SVG drawings (src/ui/icons). The build draws them
// at 16 and 32 pixels (the program's icon at 16 to 256) into the program, and
// an icon reads its picture when first drawn; other sizes are drawn from the
// SVG when asked for. An index outside the list gives an empty icon and a
// null pixmap.

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QVector>

namespace lumolex {

class ImageList16
{
public:
    enum Index : int {
        Letter = 0, First = 1, Prior = 2, Next = 3, Last = 4, GoLetter = 5,
        FindInArticle = 6, FragmentSearch = 7, Link = 8, Lists = 9, CloseFindPanel = 10,
        Search = 11, OpenCard = 12, Cut = 13, Copy = 14, Paste = 15, Print = 16,
        DictionaryOff = 17, AlwaysOnTop = 18, Transparency = 19, Panels = 20,
        CascadeCards = 21, CloseAllCards = 22, Exit = 23, Help = 24,
        StepBack = 25, StepForward = 26, Bookmark = 27, ClearHistory = 28, Settings = 29,
        Dictionary1 = 30, Dictionary2 = 31, Dictionary3 = 32, Dictionary4 = 33,
        SyncList = 34, CloseCard = 35, Refresh = 36, About = 37, Program = 38,
        LayoutEnglish = 39, LayoutRussian = 40, ShowAllPanels = 41, Fonts = 42, Card = 43,
        Stop = 44, FindNext = 45, Cancel = 46, HideAllPanels = 47, Keyboard = 48,
        Phrasebook = 49, PhrasebookOff = 50, PhrasebookList = 51,
    };

    static constexpr int ImageSize = 16;

    // Prepares every picture; each is read once, when first drawn.
    ImageList16();

    // The list shared by the whole program, built on first use (needs a
    // QGuiApplication).
    static const ImageList16 &shared();

    int count() const { return int(m_icons.size()); }
    const QIcon &icon(int index) const;
    // The picture at the given size in device-independent pixels.
    QPixmap pixmap(int index, int size = ImageSize) const;
    // The resource path of a picture's SVG source, empty when unknown.
    static QString sourcePath(int index);

    // Dictionary pictures by dictionary code (1, 2, 3, 4, 9):
    // in the word list and the result list (unknown codes: Letter) ...
    static int listIconForDict(int dict);
    // ... and on a card (unknown codes: -1, the card keeps its icon). The
    // dictionary menu items take theirs from the dictionary selection rules.
    static int cardIconForDict(int dict);

    // The program's icon for windows and the tray, at every size from 16
    // to 256 pixels.
    static QIcon applicationIcon();
    // The same up to 64 pixels: what title bars and task bars show, and a
    // small part of the drawing. Windows get it at start-up, and the whole
    // icon (for task switchers) once the main window is on screen.
    static QIcon smallApplicationIcon();

private:
    QVector<QIcon> m_icons;
    QIcon m_empty;
};

} // namespace lumolex
