#include "ui/newgame/UnitGameDlg.h"

#include "bot/Bot.h"
#include "games/DartsGame.h"
#include "store/StoredMatch.h"
#include "ui/common/WidgetHelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QShortcutEvent>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace {

struct TGameRow
{
    const char* Title;
    int32_t StartScore;
    int32_t TargetScore;
    bool CountUp;
    bool CheckOutRule;
};

// The misspelt title is the program's own and is kept as users know it. The titles are the
// games' names in the match store and the settings: shown in the language, kept in English.
constexpr TGameRow kGames[TNewGameDialog::kGameCount] = {
    {QT_TRANSLATE_NOOP("GameNames", "Standard 301"), 301, 0, false, true},
    {QT_TRANSLATE_NOOP("GameNames", "Standard 501"), 501, 0, false, true},
    {QT_TRANSLATE_NOOP("GameNames", "Standard 701"), 701, 0, false, true},
    {QT_TRANSLATE_NOOP("GameNames", "Standard 1001"), 1001, 0, false, true},
    {QT_TRANSLATE_NOOP("GameNames", "Continous Points"), 0, -1, true, false},
    // Cricket and the practice games: played dart by dart by models of their own; the X01
    // rules here only keep an unplayed X01 match valid beside them.
    {QT_TRANSLATE_NOOP("GameNames", "Cricket"), 0, -1, true, false},
    {QT_TRANSLATE_NOOP("GameNames", "Cut-Throat Cricket"), 0, -1, true, false},
    {QT_TRANSLATE_NOOP("GameNames", "Around the Clock"), 0, -1, true, false},
    {QT_TRANSLATE_NOOP("GameNames", "Around the Clock (fast)"), 0, -1, true, false},
    {QT_TRANSLATE_NOOP("GameNames", "Bob's 27"), 0, -1, true, false},
    {QT_TRANSLATE_NOOP("GameNames", "121 Checkout Practice"), 0, -1, true, false},
    {QT_TRANSLATE_NOOP("GameNames", "Shanghai"), 0, -1, true, false},
    {QT_TRANSLATE_NOOP("GameNames", "Shanghai (1-20)"), 0, -1, true, false},
    {QT_TRANSLATE_NOOP("GameNames", "Halve-It"), 0, -1, true, false},
    {QT_TRANSLATE_NOOP("GameNames", "Killer"), 0, -1, true, false},
};
// The first game that is not X01.
constexpr int kFirstOtherGame = 5;

constexpr int kDefaultGame = 1; // "Standard 501"
// The Resume line's widest text, in pixels, on any screen.
constexpr int kWidestResumeLine = 520;

// A name counts as given when it has more than blanks; a given name is kept as typed, but for
// the characters that would turn the text around it or break it into lines.
std::string NameOrDefault(const QString& typed, const std::string& fallback)
{
    const QString name = CutName(typed);
    return name.trimmed().isEmpty() ? fallback : name.toStdString();
}

// A thrower's name as typed, or the name the box offers.
QString ThrowerText(const QLineEdit* edit)
{
    const QString typed = CutName(edit->text()).trimmed();
    return typed.isEmpty() ? edit->placeholderText() : typed;
}

// The rules of the game at `index` of the list; names and players left empty.
TGameParams GameRules(int index)
{
    const TGameRow& row = kGames[index >= 0 && index < TNewGameDialog::kGameCount ? index : 0];
    TGameParams params;
    params.StartScore = row.StartScore;
    params.TargetScore = row.TargetScore;
    params.CountUp = row.CountUp;
    params.CheckOutRule = row.CheckOutRule;
    return params;
}

// A check box that its mnemonic checks at once. A button's mnemonic clicks it only when the
// press it shows is released, a tenth of a second later: Alt+C then Enter typed quickly would
// start the match before the box is checked.
class TMnemonicCheckBox final : public QCheckBox
{
public:
    using QCheckBox::QCheckBox;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::Shortcut && isEnabled() &&
            !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
            setFocus(Qt::ShortcutFocusReason);
            click();
            return true;
        }
        return QCheckBox::event(event);
    }
};

} // namespace

QFont CourierFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter); // any fixed-width face where Courier New is missing
    return font;
}

TNewGameDialog::TNewGameDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("NewGameDialog"));
    setWindowTitle(tr("New Game"));
    setModal(true);
    QFont dialogFont = CourierFont();
    dialogFont.setPixelSize(13);
    setFont(dialogFont);

    m_ComboBoxGame = new QComboBox(this);
    m_ComboBoxGame->setObjectName(QStringLiteral("ComboBoxGame"));
    m_ComboBoxGame->setEditable(false);
    for (const TGameRow& game : kGames) {
        m_ComboBoxGame->addItem(GameNameShown(QString::fromLatin1(game.Title)),
                                QString::fromLatin1(game.Title));
    }
    m_ComboBoxGame->setCurrentIndex(-1);
    auto* labelGame = new QLabel(tr("&Game:"), this);
    labelGame->setObjectName(QStringLiteral("LabelGame"));
    labelGame->setBuddy(m_ComboBoxGame);

    m_CheckBox2Players = new QCheckBox(tr("2 Players"), this);
    m_CheckBox2Players->setObjectName(QStringLiteral("CheckBox2Players"));
    m_CheckBox2Players->setChecked(true);

    // The text stands left of the box, as the names follow on the same line.
    m_RadioButtonPlayer1 = new QRadioButton(tr("Player 1 - Starts:"), this);
    m_RadioButtonPlayer1->setObjectName(QStringLiteral("RadioButtonPlayer1"));
    m_RadioButtonPlayer1->setLayoutDirection(Qt::RightToLeft);
    m_RadioButtonPlayer1->setChecked(true);
    m_EditPlayer1Name = new QLineEdit(this);
    m_EditPlayer1Name->setObjectName(QStringLiteral("EditPlayer1Name"));
    m_EditPlayer1Name->setMaxLength(kNameLength);

    m_RadioButtonPlayer2 = new QRadioButton(tr("Player 2 - Starts:"), this);
    m_RadioButtonPlayer2->setObjectName(QStringLiteral("RadioButtonPlayer2"));
    m_RadioButtonPlayer2->setLayoutDirection(Qt::RightToLeft);
    m_EditPlayer2Name = new QLineEdit(this);
    m_EditPlayer2Name->setObjectName(QStringLiteral("EditPlayer2Name"));
    m_EditPlayer2Name->setMaxLength(kNameLength);
    m_Sides[0] = {m_RadioButtonPlayer1, m_EditPlayer1Name};
    m_Sides[1] = {m_RadioButtonPlayer2, m_EditPlayer2Name};
    // Up to eight sides, pairs and handicaps: closed, the dialog is the one of one or two.
    m_SpinPlayers = new QSpinBox(this);
    m_SpinPlayers->setObjectName(QStringLiteral("SpinPlayers"));
    m_SpinPlayers->setRange(1, kMaxPlayers);
    m_SpinPlayers->setValue(2);
    auto* labelPlayers = new QLabel(tr("P&layers:"), this);
    labelPlayers->setObjectName(QStringLiteral("LabelPlayers"));
    labelPlayers->setBuddy(m_SpinPlayers);
    m_CheckBoxPairs = new QCheckBox(tr("P&airs"), this);
    m_CheckBoxPairs->setObjectName(QStringLiteral("CheckBoxPairs"));
    m_CheckBoxHandicap = new QCheckBox(tr("&Handicap"), this);
    m_CheckBoxHandicap->setObjectName(QStringLiteral("CheckBoxHandicap"));
    // Turns typed dart by dart, for the darts at a double and the checkout percentage.
    // No Tab stop, so that Tab goes round the dialog as it always did: Alt+D checks it.
    m_CheckBoxDarts = new TMnemonicCheckBox(tr("Enter &darts"), this);
    m_CheckBoxDarts->setObjectName(QStringLiteral("CheckBoxDarts"));
    m_CheckBoxDarts->setFocusPolicy(Qt::ClickFocus);
    m_CheckBoxDarts->setToolTip(
        tr("Type each turn's darts as called: T20 T20 20, D16, 25, bull, m"));
    auto* playersRow = new QHBoxLayout;
    playersRow->addWidget(m_SpinPlayers);
    playersRow->addWidget(m_CheckBoxPairs);
    playersRow->addWidget(m_CheckBoxHandicap);
    playersRow->addWidget(m_CheckBoxDarts);
    playersRow->addStretch(1);

    // Match length, below the rest: 0 plays as ever, legs until a new game.
    m_SpinBoxLegsToWin = new QSpinBox(this);
    m_SpinBoxLegsToWin->setObjectName(QStringLiteral("SpinBoxLegsToWin"));
    m_SpinBoxLegsToWin->setRange(0, kMaxMatchLength);
    m_SpinBoxLegsToWin->setSpecialValueText(tr("open"));
    auto* labelLegs = new QLabel(tr("First &to:"), this);
    labelLegs->setObjectName(QStringLiteral("LabelLegsToWin"));
    labelLegs->setBuddy(m_SpinBoxLegsToWin);
    m_SpinBoxSetsToWin = new QSpinBox(this);
    m_SpinBoxSetsToWin->setObjectName(QStringLiteral("SpinBoxSetsToWin"));
    m_SpinBoxSetsToWin->setRange(0, kMaxMatchLength);
    m_SpinBoxSetsToWin->setSpecialValueText(tr("no sets"));
    auto* labelSets = new QLabel(tr("Sets: first t&o:"), this);
    labelSets->setObjectName(QStringLiteral("LabelSetsToWin"));
    labelSets->setBuddy(m_SpinBoxSetsToWin);
    auto* legsRow = new QHBoxLayout;
    legsRow->addWidget(m_SpinBoxLegsToWin);
    legsRow->addWidget(new QLabel(tr("legs"), this));
    legsRow->addStretch(1);
    auto* setsRow = new QHBoxLayout;
    setsRow->addWidget(m_SpinBoxSetsToWin);
    setsRow->addStretch(1);

    auto* buttonStart = new QPushButton(tr("Start"), this);
    buttonStart->setObjectName(QStringLiteral("ButtonStart"));
    buttonStart->setDefault(true);
    auto* buttonCancel = new QPushButton(tr("Cancel"), this);
    buttonCancel->setObjectName(QStringLiteral("ButtonCancel"));
    auto* buttonExit = new QPushButton(tr("Exit"), this);
    buttonExit->setObjectName(QStringLiteral("ButtonExit"));

    auto* grid = new QGridLayout;
    grid->addWidget(labelGame, 0, 0);
    grid->addWidget(m_ComboBoxGame, 0, 1);
    grid->addWidget(m_CheckBox2Players, 1, 1);
    m_Grid = grid;
    for (int side = 0; side < 2; ++side) {
        grid->addWidget(m_Sides[static_cast<size_t>(side)].Starts, side + 2, 0);
        grid->addWidget(m_Sides[static_cast<size_t>(side)].Name, side + 2, 1);
        MakeComputerBoxes(side);
    }
    const int below = kMaxPlayers + 2;
    grid->addWidget(labelLegs, below, 0, Qt::AlignRight);
    grid->addLayout(legsRow, below, 1);
    grid->addWidget(labelSets, below + 1, 0, Qt::AlignRight);
    grid->addLayout(setsRow, below + 1, 1);
    grid->addWidget(labelPlayers, below + 2, 0, Qt::AlignRight);
    grid->addLayout(playersRow, below + 2, 1, 1, 6);
    grid->setColumnMinimumWidth(1, 220);

    // Start stays the default button: Enter starts a new game, Alt+R resumes.
    m_ButtonResume = new QPushButton(this);
    m_ButtonResume->setObjectName(QStringLiteral("ButtonResume"));
    m_ButtonResume->setAutoDefault(false);
    m_ButtonResume->hide();
    connect(m_ButtonResume, &QPushButton::clicked, this, [this] { done(kResultResume); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(buttonStart);
    buttons->addWidget(buttonCancel);
    buttons->addWidget(buttonExit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addWidget(m_ButtonResume);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Tab order follows the rows; the sides' part is set by UpdateStarterTabStop.
    setTabOrder(m_ComboBoxGame, m_CheckBox2Players);
    setTabOrder(m_SpinBoxLegsToWin, m_SpinBoxSetsToWin);
    setTabOrder(m_SpinBoxSetsToWin, m_SpinPlayers);
    setTabOrder(m_SpinPlayers, m_CheckBoxPairs);
    setTabOrder(m_CheckBoxPairs, m_CheckBoxHandicap);
    setTabOrder(m_CheckBoxHandicap, buttonStart);
    setTabOrder(buttonStart, buttonCancel);
    setTabOrder(buttonCancel, buttonExit);

    connect(m_CheckBox2Players, &QCheckBox::toggled, this, &TNewGameDialog::CheckBox2PlayersClick);
    connect(m_SpinPlayers, &QSpinBox::valueChanged, this, &TNewGameDialog::ShowSides);
    connect(m_CheckBoxPairs, &QCheckBox::toggled, this, &TNewGameDialog::ShowSides);
    connect(m_CheckBoxHandicap, &QCheckBox::toggled, this, [this](bool on) {
        // Each side starts from the game's score until told otherwise.
        if (on) {
            MakeSideRows();
            for (const TSideRow& row : m_Sides) {
                row.StartScore->setValue(GameRules(m_ComboBoxGame->currentIndex()).StartScore);
            }
        }
        ShowSides();
    });
    // Sets are counted in legs: without a leg count there are none. The points game's legs
    // never end, so it takes no match length at all.
    connect(m_SpinBoxLegsToWin, &QSpinBox::valueChanged, this, &TNewGameDialog::EnableMatchLength);
    connect(m_ComboBoxGame, &QComboBox::currentIndexChanged, this,
            &TNewGameDialog::EnableMatchLength);
    connect(m_ComboBoxGame, &QComboBox::currentIndexChanged, this, &TNewGameDialog::ShowSides);
    EnableMatchLength();
    ShowSides();
    UpdateStarterTabStop();
    connect(buttonStart, &QPushButton::clicked, this, [this] { done(kResultStart); });
    connect(buttonCancel, &QPushButton::clicked, this, [this] { done(kResultCancel); });
    connect(buttonExit, &QPushButton::clicked, this, [this] { done(kResultExit); });
}

void TNewGameDialog::SetResumable(const QString& description)
{
    // "&" in a name must not become a mnemonic.
    // A long line is elided (whole in the tool tip): the dialog stays within a small screen.
    const QScreen* screen =
        parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const int room =
        std::min(kWidestResumeLine,
                 screen != nullptr ? screen->availableGeometry().width() - 120 : kWidestResumeLine);
    QString shown =
        m_ButtonResume->fontMetrics().elidedText(description, Qt::ElideMiddle, std::max(room, 100));
    shown.replace(u'&', QStringLiteral("&&"));
    m_ButtonResume->setText(tr("&Resume: ") + shown);
    m_ButtonResume->setToolTip(description);
    m_ButtonResume->setVisible(!description.isEmpty());
    if (isVisible()) {
        PlaceOnScreen(); // grown or shrunk: centred again, within the screen
    }
}

void TNewGameDialog::reject()
{
    done(kResultCancel);
}

// Centred on the screen the scoreboard is on, not on the scoreboard: placed before each
// showing, so that the toolkit's placement over the parent does not apply.
void TNewGameDialog::setVisible(bool visible)
{
    if (visible) {
        PlaceOnScreen();
    }
    QDialog::setVisible(visible);
}

void TNewGameDialog::FitWidth(int available)
{
    // A window frame's width, which the dialog does not know before it is first shown.
    constexpr int kFrame = 16;
    constexpr int kNarrowestName = 72;
    std::vector<QLineEdit*> names;
    for (const TSideRow& row : m_Sides) {
        for (QLineEdit* edit : {row.Name, row.Throwers[0], row.Throwers[1]}) {
            if (edit != nullptr && edit->isVisibleTo(this)) {
                names.push_back(edit);
            }
        }
    }
    // On a small screen the names' boxes give up width, a few pixels at a time, until the
    // dialog fits (a box scrolls its name as it is typed); on a large one nothing changes.
    for (int step = 0; step < 40 && width() + kFrame > available && !names.empty(); ++step) {
        const int narrower = std::max(kNarrowestName, names.front()->width() - 8);
        m_Grid->setColumnMinimumWidth(1, narrower);
        for (QLineEdit* edit : names) {
            edit->setMaximumWidth(narrower);
        }
        adjustSize();
    }
}

void TNewGameDialog::PlaceOnScreen()
{
    const QScreen* screen =
        parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        adjustSize();
        const QRect area = screen->availableGeometry();
        FitWidth(area.width());
        QRect frame(QPoint(), size());
        frame.moveCenter(area.center());
        move(std::max(frame.left(), area.left()), std::max(frame.top(), area.top()));
    }
}

void TNewGameDialog::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    if (!std::exchange(m_Painted, true)) {
        QMetaObject::invokeMethod(this, &TNewGameDialog::FirstPainted, Qt::QueuedConnection);
    }
}

void TNewGameDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_ComboBoxGame->currentIndex() < 0) {
        m_ComboBoxGame->setCurrentIndex(kDefaultGame);
    }
    m_ComboBoxGame->setFocus();
}

// The starter buttons are one tab stop, the checked one, as a radio group is everywhere: Tab
// from "2 Players" must not land on an unchecked button, where a name typed next is lost. The
// group's stop stands where the group starts, before the first name; then every side's boxes
// follow in order.
void TNewGameDialog::UpdateStarterTabStop()
{
    QWidget* previous = m_CheckBox2Players;
    const auto chain = [&previous, this](QWidget* next) {
        setTabOrder(previous, next);
        previous = next;
    };
    const int rows = m_SidesMade ? kMaxPlayers : 2;
    for (int side = 0; side < rows; ++side) {
        QRadioButton* starts = m_Sides[static_cast<size_t>(side)].Starts;
        starts->setFocusPolicy(starts->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        if (starts->isChecked()) {
            chain(starts);
        }
    }
    for (int side = 0; side < rows; ++side) {
        const TSideRow& row = m_Sides[static_cast<size_t>(side)];
        chain(row.Name);
        if (m_SidesMade) {
            chain(row.Throwers[0]);
            chain(row.Throwers[1]);
            chain(row.StartScore);
        }
        if (!row.Starts->isChecked()) {
            chain(row.Starts);
        }
    }
    // After every name, so that Tab still goes from one name to the next. In the dialog of one
    // or two the check boxes are no Tab stops, so that Tab goes where it always went (Alt+C
    // checks the second player's); an average is, once its side is the computer's.
    for (int side = 0; side < rows; ++side) {
        const TSideRow& row = m_Sides[static_cast<size_t>(side)];
        row.Computer->setFocusPolicy(m_SidesMade ? Qt::StrongFocus : Qt::ClickFocus);
        chain(row.Computer);
        chain(row.Average);
    }
    chain(m_SpinBoxLegsToWin);
}

// The rows beyond two plain sides are made when first wanted: a dialog of one or two players
// makes none of them, and is on screen as soon as ever.
void TNewGameDialog::MakeSideRows()
{
    if (m_SidesMade) {
        return;
    }
    m_SidesMade = true;
    for (int side = 0; side < kMaxPlayers; ++side) {
        TSideRow& row = m_Sides[static_cast<size_t>(side)];
        const QString number = QString::number(side + 1);
        if (side >= 2) {
            row.Starts = new QRadioButton(tr("Player %1 - Starts:").arg(number), this);
            row.Starts->setObjectName(QStringLiteral("RadioButtonPlayer") + number);
            row.Starts->setLayoutDirection(Qt::RightToLeft);
            row.Name = new QLineEdit(this);
            row.Name->setObjectName(QStringLiteral("EditPlayer%1Name").arg(number));
            row.Name->setMaxLength(kNameLength);
        }
        for (int thrower = 0; thrower < 2; ++thrower) {
            auto* edit = new QLineEdit(this);
            edit->setObjectName(QStringLiteral("EditThrower%1Name").arg(side * 2 + thrower + 1));
            edit->setMaxLength(kNameLength);
            edit->setPlaceholderText(tr("Player %1").arg(side * 2 + thrower + 1));
            connect(edit, &QLineEdit::textChanged, this, &TNewGameDialog::ShowSides);
            row.Throwers[static_cast<size_t>(thrower)] = edit;
        }
        row.StartScore = new QSpinBox(this);
        row.StartScore->setObjectName(QStringLiteral("SpinStartScore") + number);
        row.StartScore->setRange(2, kMaxStartScore);
        if (side >= 2) {
            connect(row.Starts, &QRadioButton::toggled, this,
                    &TNewGameDialog::UpdateStarterTabStop);
        }
    }
    // The last heading is the sides' start scores (not the Start button's verb).
    const QString headers[] = {tr("Thrower 1"), tr("Thrower 2"), tr("Start", "start score")};
    for (size_t column = 0; column < m_SideHeaders.size(); ++column) {
        m_SideHeaders[column] = new QLabel(headers[column], this);
    }
    for (int column = 0; column < static_cast<int>(m_SideHeaders.size()); ++column) {
        m_Grid->addWidget(m_SideHeaders[static_cast<size_t>(column)], 1, column + 4);
    }
    for (int side = 0; side < kMaxPlayers; ++side) {
        const TSideRow& row = m_Sides[static_cast<size_t>(side)];
        if (side >= 2) {
            m_Grid->addWidget(row.Starts, side + 2, 0);
            m_Grid->addWidget(row.Name, side + 2, 1);
            MakeComputerBoxes(side);
        }
        m_Grid->addWidget(row.Throwers[0], side + 2, 4);
        m_Grid->addWidget(row.Throwers[1], side + 2, 5);
        m_Grid->addWidget(row.StartScore, side + 2, 6);
    }
    UpdateStarterTabStop();
}

// A side is the computer's by its check box, at the average beside it; its name, unless one is
// typed, says so: "Computer (60)".
void TNewGameDialog::MakeComputerBoxes(int side)
{
    TSideRow& row = m_Sides[static_cast<size_t>(side)];
    const QString number = QString::number(side + 1);
    // Alt+C makes the second player the computer: one player against it is two keys away.
    row.Computer = new TMnemonicCheckBox(side == 1 ? tr("&Computer") : tr("Computer"), this);
    row.Computer->setObjectName(QStringLiteral("CheckBoxComputer") + number);
    row.Average = new QSpinBox(this);
    row.Average->setObjectName(QStringLiteral("SpinComputerAverage") + number);
    row.Average->setRange(static_cast<int>(CBot::kLowestAverage),
                          static_cast<int>(CBot::kHighestAverage));
    row.Average->setSingleStep(5);
    row.Average->setValue(kDefaultComputerAverage);
    row.Average->setToolTip(tr("The 3-dart average the computer throws at"));
    m_Grid->addWidget(row.Computer, side + 2, 2);
    m_Grid->addWidget(row.Average, side + 2, 3);
    connect(row.Computer, &QCheckBox::toggled, this, &TNewGameDialog::ShowSides);
    connect(row.Average, &QSpinBox::valueChanged, this, &TNewGameDialog::ShowSides);
}

int TNewGameDialog::SideCount() const
{
    return m_SpinPlayers->value();
}

int TNewGameDialog::Starter() const
{
    for (int side = 0; side < std::min(SideCount(), m_SidesMade ? kMaxPlayers : 2); ++side) {
        if (m_Sides[static_cast<size_t>(side)].Starts->isChecked()) {
            return side;
        }
    }
    return 0;
}

void TNewGameDialog::ShowSides()
{
    // A game for three or more (Killer) raises the Players box, which calls this again.
    m_SpinPlayers->setMinimum(
        FewestSides(GameKindOf(GameTitleOf(m_ComboBoxGame->currentIndex()).toStdString())));
    const int sides = SideCount();
    {
        // "2 Players" is the Players box for one or two.
        const QSignalBlocker quiet(m_CheckBox2Players);
        m_CheckBox2Players->setChecked(sides == 2);
    }
    // The side that was to start is gone; the second's choice is kept for one player, whose
    // only player starts anyway, as always.
    for (int side = std::max(sides, 2); side < kMaxPlayers && m_SidesMade; ++side) {
        if (m_Sides[static_cast<size_t>(side)].Starts->isChecked()) {
            m_RadioButtonPlayer1->setChecked(true);
        }
    }
    const bool pairs = m_CheckBoxPairs->isChecked();
    const bool handicap =
        m_CheckBoxHandicap->isChecked() && !GameRules(m_ComboBoxGame->currentIndex()).CountUp;
    if (sides > 2 || pairs || handicap) {
        MakeSideRows();
    }
    const auto showComputer = [this, sides](int side) {
        const TSideRow& row = m_Sides[static_cast<size_t>(side)];
        const bool playing = side < sides;
        // The computer throws in every game.
        row.Computer->setEnabled(playing);
        row.Average->setEnabled(playing && row.Computer->isChecked());
        row.Name->setPlaceholderText(
            row.Computer->isChecked() ? tr("Computer (%1)").arg(row.Average->value())
            : row.Name->placeholderText().startsWith(tr("Computer (%1)").arg(QString()).chopped(1))
                ? QString()
                : row.Name->placeholderText());
    };
    if (!m_SidesMade) {
        m_EditPlayer2Name->setEnabled(sides == 2);
        m_RadioButtonPlayer2->setEnabled(sides == 2);
        showComputer(0);
        showComputer(1);
        return; // the dialog of one or two, as it always was
    }
    m_SideHeaders[0]->setVisible(pairs);
    m_SideHeaders[1]->setVisible(pairs);
    m_SideHeaders[2]->setVisible(handicap);
    for (int side = 0; side < kMaxPlayers; ++side) {
        const TSideRow& row = m_Sides[static_cast<size_t>(side)];
        const bool shown = side < std::max(sides, 2); // the second row stays, greyed, for one
        const bool playing = side < sides;
        row.Starts->setVisible(shown);
        row.Name->setVisible(shown);
        row.Starts->setEnabled(playing);
        row.Name->setEnabled(playing);
        for (QLineEdit* thrower : row.Throwers) {
            thrower->setVisible(shown && pairs);
            thrower->setEnabled(playing);
        }
        row.StartScore->setVisible(shown && handicap);
        row.StartScore->setEnabled(playing);
        row.Computer->setVisible(shown);
        row.Average->setVisible(shown);
        // A pair's name is its throwers' unless one is typed.
        row.Name->setPlaceholderText(
            pairs ? QStringLiteral("%1 & %2").arg(ThrowerText(row.Throwers[0]),
                                                  ThrowerText(row.Throwers[1]))
                  : QString());
        showComputer(side);
    }
    if (isVisible()) {
        PlaceOnScreen();
    }
}

void TNewGameDialog::CheckBox2PlayersClick()
{
    if (!m_CheckBox2Players->isChecked() && m_RadioButtonPlayer2->isChecked()) {
        m_RadioButtonPlayer1->setChecked(true);
    }
    EnableSecondPlayer();
}

void TNewGameDialog::EnableSecondPlayer()
{
    // Ticked, "2 Players" means two, whatever the Players box held.
    m_SpinPlayers->setValue(m_CheckBox2Players->isChecked() ? 2 : 1);
    ShowSides();
}

bool TNewGameDialog::GameHasLegs() const
{
    return !GameRules(m_ComboBoxGame->currentIndex()).CountUp ||
           m_ComboBoxGame->currentIndex() >= kFirstOtherGame;
}

void TNewGameDialog::EnableMatchLength()
{
    m_SpinBoxLegsToWin->setEnabled(GameHasLegs());
    m_SpinBoxSetsToWin->setEnabled(GameHasLegs() && m_SpinBoxLegsToWin->value() > 0);
}

TGameParams TNewGameDialog::GameParams() const
{
    TGameParams params = GameRules(m_ComboBoxGame->currentIndex());
    params.PlayerCount = SideCount();
    params.FirstPlayer = Starter();
    const bool pairs = m_CheckBoxPairs->isChecked();
    std::vector<std::string> names;
    for (int side = 0; side < params.PlayerCount; ++side) {
        const TSideRow& row = m_Sides[static_cast<size_t>(side)];
        const bool computer = row.Computer->isChecked();
        const std::string fallback = pairs || computer
                                         ? row.Name->placeholderText().toStdString()
                                         : tr("Player %1").arg(side + 1).toStdString();
        if (computer) {
            params.ComputerAverages.resize(static_cast<size_t>(side) + 1, 0);
            params.ComputerAverages.back() = row.Average->value();
        }
        names.push_back(NameOrDefault(row.Name->text(), fallback));
        if (pairs) {
            for (const QLineEdit* thrower : row.Throwers) {
                params.ThrowerNames.push_back(
                    NameOrDefault(thrower->text(), thrower->placeholderText().toStdString()));
            }
        }
        if (m_CheckBoxHandicap->isChecked() && GameHasLegs()) {
            params.StartScores.push_back(row.StartScore->value());
        }
    }
    params.Player1Name = names[0];
    // The second name is kept for a one-player match too, as the dialog shows it.
    params.Player2Name =
        names.size() > 1 ? names[1] : NameOrDefault(m_EditPlayer2Name->text(), "Player 2");
    if (params.PlayerCount > 2 || pairs) {
        params.PlayerNames = std::move(names);
        params.TeamSize = pairs ? 2 : 1;
    }
    params.LegsToWin = GameHasLegs() ? m_SpinBoxLegsToWin->value() : 0;
    params.SetsToWin = params.LegsToWin > 0 ? m_SpinBoxSetsToWin->value() : 0;
    params.EnterDarts = m_CheckBoxDarts->isChecked();
    // The other games are entered dart by dart, from the same start.
    if (m_ComboBoxGame->currentIndex() >= kFirstOtherGame) {
        params.EnterDarts = true;
        params.StartScores.clear();
    }
    if (!params.ComputerAverages.empty() || DrawsAtStart(GameKindOf(GameTitle().toStdString()))) {
        params.ComputerSeed = QRandomGenerator::system()->generate64();
    }
    return params;
}

QString TNewGameDialog::GameTitleOf(int index)
{
    return QString::fromLatin1(kGames[index >= 0 && index < kGameCount ? index : 0].Title);
}

QString TNewGameDialog::GameTitle() const
{
    return m_ComboBoxGame->currentData().toString();
}

TNewGameChoices TNewGameDialog::Choices() const
{
    TNewGameChoices choices;
    choices.GameType = m_ComboBoxGame->currentIndex();
    choices.TwoPlayers = m_CheckBox2Players->isChecked();
    choices.Player1Name = m_EditPlayer1Name->text();
    choices.Player2Name = m_EditPlayer2Name->text();
    choices.Player1Starts = m_RadioButtonPlayer1->isChecked();
    choices.LegsToWin = m_SpinBoxLegsToWin->value();
    choices.SetsToWin = m_SpinBoxSetsToWin->value();
    choices.Players = SideCount();
    choices.Pairs = m_CheckBoxPairs->isChecked();
    for (int side = 0; side < kMaxPlayers && m_SidesMade; ++side) {
        const TSideRow& row = m_Sides[static_cast<size_t>(side)];
        if (side >= 2) {
            choices.MorePlayerNames.append(row.Name->text());
        }
        for (const QLineEdit* thrower : row.Throwers) {
            choices.ThrowerNames.append(thrower->text());
        }
        if (m_CheckBoxHandicap->isChecked()) {
            choices.StartScores.append(row.StartScore->value());
        }
    }
    choices.Starter = Starter() >= 2 ? Starter() : -1;
    for (int side = 0; side < (m_SidesMade ? kMaxPlayers : 2); ++side) {
        const TSideRow& row = m_Sides[static_cast<size_t>(side)];
        choices.ComputerAverages.append(row.Computer->isChecked() ? row.Average->value() : 0);
    }
    while (!choices.ComputerAverages.isEmpty() && choices.ComputerAverages.back() == 0) {
        choices.ComputerAverages.removeLast();
    }
    choices.EnterDarts = m_CheckBoxDarts->isChecked();
    return choices;
}

void TNewGameDialog::SetChoices(const TNewGameChoices& choices)
{
    if (choices.GameType >= 0 && choices.GameType < kGameCount) {
        m_ComboBoxGame->setCurrentIndex(choices.GameType);
    }
    m_CheckBox2Players->setChecked(choices.TwoPlayers);
    m_EditPlayer1Name->setText(choices.Player1Name);
    m_EditPlayer2Name->setText(choices.Player2Name);
    // Who starts is kept as given, also for one player: it holds again once "2 Players" is
    // checked, and a one-player match is always started by its only player.
    (choices.Player1Starts ? m_RadioButtonPlayer1 : m_RadioButtonPlayer2)->setChecked(true);
    EnableSecondPlayer();
    m_SpinBoxLegsToWin->setValue(choices.LegsToWin);
    m_SpinBoxSetsToWin->setValue(choices.SetsToWin);
    // One or two are what "2 Players" says.
    if (choices.Players > 2 && choices.Players <= kMaxPlayers) {
        m_SpinPlayers->setValue(choices.Players);
    }
    m_CheckBoxPairs->setChecked(choices.Pairs);
    const auto given = [](const QStringList& names) {
        return std::any_of(names.begin(), names.end(),
                           [](const QString& name) { return !name.isEmpty(); });
    };
    // Names kept for more sides or pairs are put back even while two play.
    if (!choices.StartScores.isEmpty() || given(choices.MorePlayerNames) ||
        given(choices.ThrowerNames)) {
        MakeSideRows();
    }
    for (int side = 0; side < kMaxPlayers && m_SidesMade; ++side) {
        const auto index = static_cast<qsizetype>(side);
        TSideRow& row = m_Sides[static_cast<size_t>(side)];
        if (side >= 2 && index - 2 < choices.MorePlayerNames.size()) {
            row.Name->setText(choices.MorePlayerNames[index - 2]);
        }
        for (qsizetype thrower = 0; thrower < 2; ++thrower) {
            if (index * 2 + thrower < choices.ThrowerNames.size()) {
                row.Throwers[static_cast<size_t>(thrower)]->setText(
                    choices.ThrowerNames[index * 2 + thrower]);
            }
        }
    }
    m_CheckBoxHandicap->setChecked(!choices.StartScores.isEmpty());
    for (qsizetype side = 0; side < choices.StartScores.size() && side < kMaxPlayers && m_SidesMade;
         ++side) {
        m_Sides[static_cast<size_t>(side)].StartScore->setValue(choices.StartScores[side]);
    }
    if (choices.Starter >= 2 && choices.Starter < SideCount() && m_SidesMade) {
        m_Sides[static_cast<size_t>(choices.Starter)].Starts->setChecked(true);
    }
    m_CheckBoxDarts->setChecked(choices.EnterDarts);
    if (choices.ComputerAverages.size() > 2) {
        MakeSideRows();
    }
    for (int side = 0; side < (m_SidesMade ? kMaxPlayers : 2); ++side) {
        const TSideRow& row = m_Sides[static_cast<size_t>(side)];
        const int average =
            side < choices.ComputerAverages.size() ? choices.ComputerAverages[side] : 0;
        row.Computer->setChecked(average > 0);
        if (average > 0) {
            row.Average->setValue(average);
        }
    }
    ShowSides();
}
