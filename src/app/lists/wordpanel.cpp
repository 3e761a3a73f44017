#include "app/lists/wordpanel.h"

#include "app/lists/wordformline.h"
#include "search/wordformlookup.h"

#include "article/transcription.h"

#include "app/store/settings.h"
#include "app/lists/letterpalette.h"
#include "app/lists/wordlistdelegate.h"
#include "app/lists/wordlistview.h"
#include "data/table/table.h"
#include "data/wordlist/typeahead.h"
#include "data/wordlist/wordlistmodel.h"
#include "data/wordlist/wordlistnavigator.h"
#include "platform/keycodes.h"
#include "platform/keyreplay.h"
#include "ui/imagelist16.h"
#include "ui/toolbuttons.h"
#include "ui/wordhintwindow.h"

#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumolex {

namespace {

// The capital Russian letters of the letter menu (no Ъ, no Ь).
const QStringList &menuLetters()
{
    static const QStringList letters = QString::fromUtf8("А Б В Г Д Е Ё Ж З И Й К Л М Н О П Р С Т У Ф Х Ц Ч Ш Щ Ы Э Ю Я")
                                           .split(QLatin1Char(' '));
    return letters;
}

bool isListKey(int virtualKey)
{
    switch (virtualKey) {
    case VirtualKey::Up:
    case VirtualKey::Down:
    case VirtualKey::Prior:
    case VirtualKey::Next:
    case VirtualKey::Home:
    case VirtualKey::End:
        return true;
    default:
        return false;
    }
}

// Presses, clicks and keys that start something. A disabled control gets
// them too (its event filters see them before the control ignores them).
bool isActingInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
        return true;
    default:
        return false;
    }
}

} // namespace

WordPanel::WordPanel(Table *articles, const Settings *settings, bool *wordBoxGuard,
                     std::unique_ptr<StepTimer> timer, QWidget *parent)
    : QFrame(parent)
    , m_articles(articles)
    , m_settings(settings)
    , m_wordBoxGuard(wordBoxGuard)
    , m_timer(timer ? std::move(timer) : std::make_unique<QtStepTimer>(this))
{
    setObjectName(QStringLiteral("PanelWord"));
    m_navigator = std::make_unique<NavAccelerator>(m_articles, m_timer.get());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    LabelCaptionWord = new QLabel(tr("Слово"), this);
    LabelCaptionWord->setObjectName(QStringLiteral("LabelCaptionWord"));
    LabelCaptionWord->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(LabelCaptionWord);

    buildToolBar();
    layout->addWidget(ToolBarWord);
    buildList();
    layout->addWidget(DBGrid1, 1);
    buildWordBox();
    layout->addWidget(EditWord);
    LabelWordForm = new WordFormLine(this);
    layout->addWidget(LabelWordForm);
    connect(LabelWordForm, &WordFormLine::articleChosen, this,
            [this](int id) { emit wordFormChosen(id, EditWord->currentText()); });
    PanelLetters = new LetterPalette(this);
    layout->addWidget(PanelLetters);

    connect(m_articles, &Table::recordChanged, this, &WordPanel::followCurrentRecord);
}

WordPanel::~WordPanel()
{
    m_timer->onTimeout = nullptr;
}

void WordPanel::buildToolBar()
{
    ToolBarWord = newToolBar(this, "ToolBarWord");
    const auto button = [this](const char *name, const QString &hint, int image) {
        return addToolButton(ToolBarWord, name, hint, image, kPanelButtonSize);
    };

    PMenuLetter = new QMenu(this);
    PMenuLetter->setObjectName(QStringLiteral("PMenuLetter"));

    ToolButtonGoLetter = button("ToolButtonGoLetter", tr("Идти к букве"), ImageList16::GoLetter);
    ToolButtonGoLetter->setMenu(PMenuLetter);
    ToolButtonGoLetter->setPopupMode(QToolButton::InstantPopup);
    ToolButtonGoLetter->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ToolButtonGoLetter, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        PMenuLetter->popup(ToolButtonGoLetter->mapToGlobal(pos));
    });
    ToolBarWord->addSeparator();
    ToolButtonFirst = button("ToolButtonFirst", tr("В начало"), ImageList16::First);
    ToolButtonPrev = button("ToolButtonPrev", tr("Назад"), ImageList16::Prior);
    ToolButtonNext = button("ToolButtonNext", tr("Вперед"), ImageList16::Next);
    ToolButtonLast = button("ToolButtonLast", tr("В конец"), ImageList16::Last);

    connect(ToolButtonFirst, &QToolButton::clicked, this, &WordPanel::ToolButtonFirstClick);
    connect(ToolButtonPrev, &QToolButton::clicked, this, &WordPanel::ToolButtonPrevClick);
    connect(ToolButtonNext, &QToolButton::clicked, this, &WordPanel::ToolButtonNextClick);
    connect(ToolButtonLast, &QToolButton::clicked, this, &WordPanel::ToolButtonLastClick);
    ToolButtonPrev->installEventFilter(this);
    ToolButtonNext->installEventFilter(this);
}

void WordPanel::buildList()
{
    DBGrid1 = new WordListView(this);
    m_model = new WordListModel(m_articles, DBGrid1);
    m_delegate = new WordListDelegate(DBGrid1, m_settings, &m_rowWords);
    DBGrid1->setModel(m_model);
    DBGrid1->setItemDelegate(m_delegate);
    DBGrid1->setMinimumWidth(50);
    DBGrid1->installEventFilter(this);
    DBGrid1->viewport()->installEventFilter(this);

    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (!m_followingTable && current.isValid())
                    listRowChosen(current.row());
            });
    // A reset model loses its current index: follow the table again.
    connect(m_model, &QAbstractItemModel::modelReset, this, &WordPanel::followCurrentRecord);
}

void WordPanel::buildWordBox()
{
    EditWord = new QComboBox(this);
    EditWord->setObjectName(QStringLiteral("EditWord"));
    EditWord->setEditable(true);
    EditWord->setInsertPolicy(QComboBox::NoInsert);
    EditWord->setCompleter(nullptr); // the list, not the box, completes what is typed
    EditWord->setMaxVisibleItems(16);
    EditWord->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    EditWord->setMinimumContentsLength(4);
    EditWord->installEventFilter(this);
    EditWord->lineEdit()->installEventFilter(this);
    connect(EditWord, &QComboBox::editTextChanged, this, &WordPanel::EditWordChange);
}

void WordPanel::AddPMenuLetter()
{
    const QIcon &icon = ImageList16::shared().icon(ImageList16::Letter);
    for (const QString &letter : menuLetters()) {
        QAction *item = PMenuLetter->addAction(icon, letter);
        item->setObjectName(QStringLiteral("PMenuLetterItem") + QString::number(PMenuLetter->actions().size()));
        item->setIconVisibleInMenu(true);
        connect(item, &QAction::triggered, this, [this, item] { FindLetterMenu(item->text()); });
    }
}

void WordPanel::applyListFont(const QFont &font)
{
    DBGrid1->setFont(font);
    EditWord->setFont(font);
    DBGrid1->setRowHeight(QFontInfo(font).pixelSize() + 8);
}

void WordPanel::ToolButtonFirstClick()
{
    m_articles->first();
}

void WordPanel::ToolButtonLastClick()
{
    m_articles->last();
}

void WordPanel::ToolButtonPrevClick()
{
    m_articles->prior();
}

void WordPanel::ToolButtonNextClick()
{
    m_articles->next();
}

void WordPanel::FindLetterMenu(const QString &letter)
{
    m_articles->findNearest(letter.toLower());
}

void WordPanel::EditWordChange(const QString &text)
{
    if (*m_wordBoxGuard) {
        // The box follows the current record: its text is a headword.
        *m_wordBoxGuard = false;
        LabelWordForm->clear();
        return;
    }
    // The list is in the order of the transcription key, so the typed text
    // is compared as its key, and among equal keys by its exact spelling: a
    // headword typed with its Kildin letters (or with combining marks) lands
    // on itself; Russian letters key as typed.
    *m_wordBoxGuard = true;
    TypeAhead(*m_articles).land(text, RetTransc(text));
    *m_wordBoxGuard = false;
    lookUpWordForm(text);
}

void WordPanel::lookUpWordForm(const QString &typed)
{
    // Only a text that begins no headword may be an inflected form worth
    // naming; a headword's beginning keeps the type-ahead alone.
    if (!m_findWordForm || typed.trimmed().isEmpty() || WordFormLookup::beginsAHeadword(*m_articles, typed)) {
        LabelWordForm->clear();
        return;
    }
    LabelWordForm->showArticles(m_findWordForm(typed));
}

bool WordPanel::EditWordKeyDown(QKeyEvent *event)
{
    const int key = virtualKeyFromEvent(*event);
    if (key == VirtualKey::Return && !LabelWordForm->isHidden() && !LabelWordForm->articles().isEmpty()) {
        emit wordFormChosen(LabelWordForm->articles().first().id, EditWord->currentText());
        return true;
    }
    if (!isListKey(key))
        return false;
    // The list moves, the word box keeps the focus and its caret.
    DBGrid1KeyDown(event);
    return true;
}

bool WordPanel::DBGrid1KeyDown(QKeyEvent *event)
{
    const int key = virtualKeyFromEvent(*event);
    if (key == VirtualKey::Down) {
        // Look ahead: on the last row the key does nothing. Elsewhere the
        // look-ahead step is the list's own move, announced once.
        m_articles->suspendNotifications();
        m_articles->next();
        m_articles->resumeNotifications();
        return true;
    }

    if (isWordBoxTypingKey(key, event->text(), event->modifiers())) {
        EditWord->setFocus(Qt::OtherFocusReason);
        EditWord->lineEdit()->selectAll();
        replayKey(EditWord->lineEdit(), *event);
        return true;
    }
    return moveByListKey(key);
}

bool WordPanel::moveByListKey(int virtualKey)
{
    switch (virtualKey) {
    case VirtualKey::Up:
        m_articles->prior();
        return true;
    case VirtualKey::Prior:
        moveRecordsBy(*m_articles, -DBGrid1->visibleRowCount());
        return true;
    case VirtualKey::Next:
        moveRecordsBy(*m_articles, DBGrid1->visibleRowCount());
        return true;
    case VirtualKey::Home:
        m_articles->first();
        return true;
    case VirtualKey::End:
        m_articles->last();
        return true;
    default:
        return false;
    }
}

void WordPanel::followCurrentRecord()
{
    const int row = m_model->currentRow();
    m_followingTable = true;
    if (row < 0 || row >= m_model->rowCount()) {
        DBGrid1->selectionModel()->clear();
    } else {
        const QModelIndex index = m_model->index(row, 0);
        DBGrid1->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        DBGrid1->scrollTo(index, QAbstractItemView::EnsureVisible);
    }
    m_followingTable = false;
}

void WordPanel::listRowChosen(int row)
{
    if (row + 1 != m_articles->recordNumber())
        m_articles->setRecordNumber(row + 1);
}

void WordPanel::DBGrid1MouseMove(const QPoint &viewportPos)
{
    if (!m_settings->HintWord)
        return;
    const int row = DBGrid1->visibleRowAt(viewportPos);
    if (row < 0 || row >= m_rowWords.size())
        return;
    if (row == m_lastHintRow && viewportPos.x() == m_lastHintX)
        return;
    if (m_hint)
        m_hint->hide();
    m_lastHintRow = row;
    m_lastHintX = viewportPos.x();

    const QString &word = m_rowWords.at(row);
    const QFontMetrics metrics(DBGrid1->font());
    if (metrics.horizontalAdvance(word) <= DBGrid1->viewport()->width() - ImageList16::ImageSize)
        return;
    if (!m_hint)
        m_hint = new WordHintWindow(this);
    m_hint->showWord(word, DBGrid1->font(), DBGrid1->palette().color(QPalette::Base),
                     DBGrid1->viewport()->mapToGlobal(viewportPos));
}

void WordPanel::DBGrid1MouseLeave()
{
    if (m_hint)
        m_hint->hide();
    m_lastHintRow = -1;
}

bool WordPanel::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched->isWidgetType() && isActingInput(type) && !static_cast<QWidget *>(watched)->isEnabled())
        return false;   // the control ignores it as well
    if (watched == ToolButtonNext || watched == ToolButtonPrev) {
        const NavDirection direction = watched == ToolButtonNext ? NavDirection::Next : NavDirection::Prior;
        if (type == QEvent::MouseButtonPress)
            m_navigator->press(direction);
        else if (type == QEvent::MouseButtonRelease)
            m_navigator->release();
        else if (type == QEvent::EnabledChange && !static_cast<QWidget *>(watched)->isEnabled()
                 && m_navigator->direction() == direction)
            m_navigator->release();   // the held button was switched off: stepping stops
        return false;
    }
    if (watched == DBGrid1 && type == QEvent::KeyPress)
        return DBGrid1KeyDown(static_cast<QKeyEvent *>(event));
    if (watched == DBGrid1->viewport()) {
        if (type == QEvent::MouseMove)
            DBGrid1MouseMove(static_cast<QMouseEvent *>(event)->position().toPoint());
        else if (type == QEvent::Leave)
            DBGrid1MouseLeave();
        else if (type == QEvent::MouseButtonDblClick && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            emit DBGrid1DblClick();
        return false;
    }
    if ((watched == EditWord || watched == EditWord->lineEdit()) && type == QEvent::KeyPress)
        return EditWordKeyDown(static_cast<QKeyEvent *>(event));
    return QFrame::eventFilter(watched, event);
}

} // namespace lumolex
