#include "UnitGameDlg.h"

#include "StoredMatch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
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

// The misspelt title is the program's own and is kept as users know it.
constexpr TGameRow kGames[TNewGameDialog::kGameCount] = {
    {"Standard 301", 301, 0, false, true},    {"Standard 501", 501, 0, false, true},
    {"Standard 701", 701, 0, false, true},    {"Standard 1001", 1001, 0, false, true},
    {"Continous Points", 0, -1, true, false},
};

constexpr int kDefaultGame = 1; // "Standard 501"
// The Resume line's widest text, in pixels, on any screen.
constexpr int kWidestResumeLine = 520;

// A name counts as given when it has more than blanks; a given name is kept as typed, but for
// the characters that would turn the text around it or break it into lines.
std::string NameOrDefault(const QString& typed, const char* fallback)
{
    const QString name = CleanName(typed).left(TNewGameDialog::kNameLength);
    return name.trimmed().isEmpty() ? std::string(fallback) : name.toStdString();
}

// The rules of the game at `index` of the list (0..4); names and players left empty.
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
    setWindowTitle(QStringLiteral("New Game"));
    setModal(true);
    QFont dialogFont = CourierFont();
    dialogFont.setPixelSize(13);
    setFont(dialogFont);

    m_ComboBoxGame = new QComboBox(this);
    m_ComboBoxGame->setObjectName(QStringLiteral("ComboBoxGame"));
    m_ComboBoxGame->setEditable(false);
    for (const TGameRow& game : kGames) {
        m_ComboBoxGame->addItem(QString::fromLatin1(game.Title));
    }
    m_ComboBoxGame->setCurrentIndex(-1);
    auto* labelGame = new QLabel(QStringLiteral("&Game:"), this);
    labelGame->setObjectName(QStringLiteral("LabelGame"));
    labelGame->setBuddy(m_ComboBoxGame);

    m_CheckBox2Players = new QCheckBox(QStringLiteral("2 Players"), this);
    m_CheckBox2Players->setObjectName(QStringLiteral("CheckBox2Players"));
    m_CheckBox2Players->setChecked(true);

    // The text stands left of the box, as the names follow on the same line.
    m_RadioButtonPlayer1 = new QRadioButton(QStringLiteral("Player 1 - Starts:"), this);
    m_RadioButtonPlayer1->setObjectName(QStringLiteral("RadioButtonPlayer1"));
    m_RadioButtonPlayer1->setLayoutDirection(Qt::RightToLeft);
    m_RadioButtonPlayer1->setChecked(true);
    m_EditPlayer1Name = new QLineEdit(this);
    m_EditPlayer1Name->setObjectName(QStringLiteral("EditPlayer1Name"));
    m_EditPlayer1Name->setMaxLength(kNameLength);

    m_RadioButtonPlayer2 = new QRadioButton(QStringLiteral("Player 2 - Starts:"), this);
    m_RadioButtonPlayer2->setObjectName(QStringLiteral("RadioButtonPlayer2"));
    m_RadioButtonPlayer2->setLayoutDirection(Qt::RightToLeft);
    m_EditPlayer2Name = new QLineEdit(this);
    m_EditPlayer2Name->setObjectName(QStringLiteral("EditPlayer2Name"));
    m_EditPlayer2Name->setMaxLength(kNameLength);

    // Match length, below the rest: 0 plays as ever, legs until a new game.
    m_SpinBoxLegsToWin = new QSpinBox(this);
    m_SpinBoxLegsToWin->setObjectName(QStringLiteral("SpinBoxLegsToWin"));
    m_SpinBoxLegsToWin->setRange(0, kMaxMatchLength);
    m_SpinBoxLegsToWin->setSpecialValueText(QStringLiteral("open"));
    auto* labelLegs = new QLabel(QStringLiteral("First &to:"), this);
    labelLegs->setObjectName(QStringLiteral("LabelLegsToWin"));
    labelLegs->setBuddy(m_SpinBoxLegsToWin);
    m_SpinBoxSetsToWin = new QSpinBox(this);
    m_SpinBoxSetsToWin->setObjectName(QStringLiteral("SpinBoxSetsToWin"));
    m_SpinBoxSetsToWin->setRange(0, kMaxMatchLength);
    m_SpinBoxSetsToWin->setSpecialValueText(QStringLiteral("no sets"));
    auto* labelSets = new QLabel(QStringLiteral("Sets: first t&o:"), this);
    labelSets->setObjectName(QStringLiteral("LabelSetsToWin"));
    labelSets->setBuddy(m_SpinBoxSetsToWin);
    auto* legsRow = new QHBoxLayout;
    legsRow->addWidget(m_SpinBoxLegsToWin);
    legsRow->addWidget(new QLabel(QStringLiteral("legs"), this));
    legsRow->addStretch(1);
    auto* setsRow = new QHBoxLayout;
    setsRow->addWidget(m_SpinBoxSetsToWin);
    setsRow->addStretch(1);

    auto* buttonStart = new QPushButton(QStringLiteral("Start"), this);
    buttonStart->setObjectName(QStringLiteral("ButtonStart"));
    buttonStart->setDefault(true);
    auto* buttonCancel = new QPushButton(QStringLiteral("Cancel"), this);
    buttonCancel->setObjectName(QStringLiteral("ButtonCancel"));
    auto* buttonExit = new QPushButton(QStringLiteral("Exit"), this);
    buttonExit->setObjectName(QStringLiteral("ButtonExit"));

    auto* grid = new QGridLayout;
    grid->addWidget(labelGame, 0, 0);
    grid->addWidget(m_ComboBoxGame, 0, 1);
    grid->addWidget(m_CheckBox2Players, 1, 1);
    grid->addWidget(m_RadioButtonPlayer1, 2, 0);
    grid->addWidget(m_EditPlayer1Name, 2, 1);
    grid->addWidget(m_RadioButtonPlayer2, 3, 0);
    grid->addWidget(m_EditPlayer2Name, 3, 1);
    grid->addWidget(labelLegs, 4, 0, Qt::AlignRight);
    grid->addLayout(legsRow, 4, 1);
    grid->addWidget(labelSets, 5, 0, Qt::AlignRight);
    grid->addLayout(setsRow, 5, 1);
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

    // Tab order follows the rows.
    setTabOrder(m_ComboBoxGame, m_CheckBox2Players);
    setTabOrder(m_CheckBox2Players, m_RadioButtonPlayer1);
    setTabOrder(m_RadioButtonPlayer1, m_EditPlayer1Name);
    setTabOrder(m_EditPlayer1Name, m_RadioButtonPlayer2);
    setTabOrder(m_RadioButtonPlayer2, m_EditPlayer2Name);
    setTabOrder(m_EditPlayer2Name, m_SpinBoxLegsToWin);
    setTabOrder(m_SpinBoxLegsToWin, m_SpinBoxSetsToWin);
    setTabOrder(m_SpinBoxSetsToWin, buttonStart);
    setTabOrder(buttonStart, buttonCancel);
    setTabOrder(buttonCancel, buttonExit);

    connect(m_CheckBox2Players, &QCheckBox::toggled, this, &TNewGameDialog::CheckBox2PlayersClick);
    connect(m_RadioButtonPlayer1, &QRadioButton::toggled, this,
            &TNewGameDialog::UpdateStarterTabStop);
    // Sets are counted in legs: without a leg count there are none. The points game's legs
    // never end, so it takes no match length at all.
    connect(m_SpinBoxLegsToWin, &QSpinBox::valueChanged, this, &TNewGameDialog::EnableMatchLength);
    connect(m_ComboBoxGame, &QComboBox::currentIndexChanged, this,
            &TNewGameDialog::EnableMatchLength);
    EnableMatchLength();
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
    m_ButtonResume->setText(QStringLiteral("&Resume: ") + shown);
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

void TNewGameDialog::PlaceOnScreen()
{
    const QScreen* screen =
        parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        adjustSize();
        const QRect area = screen->availableGeometry();
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

// The two starter buttons are one tab stop, the checked one, as a radio group is everywhere:
// Tab from "2 Players" must not land on an unchecked button, where a name typed next is lost.
// The group's stop stands where the group starts, before the first name.
void TNewGameDialog::UpdateStarterTabStop()
{
    const bool first = m_RadioButtonPlayer1->isChecked();
    QRadioButton* checked = first ? m_RadioButtonPlayer1 : m_RadioButtonPlayer2;
    QRadioButton* other = first ? m_RadioButtonPlayer2 : m_RadioButtonPlayer1;
    checked->setFocusPolicy(Qt::StrongFocus);
    other->setFocusPolicy(Qt::ClickFocus);
    setTabOrder(m_CheckBox2Players, checked);
    setTabOrder(checked, m_EditPlayer1Name);
    setTabOrder(m_EditPlayer1Name, other);
    setTabOrder(other, m_EditPlayer2Name);
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
    const bool two = m_CheckBox2Players->isChecked();
    m_RadioButtonPlayer2->setEnabled(two);
    m_EditPlayer2Name->setEnabled(two);
}

bool TNewGameDialog::GameHasLegs() const
{
    return !GameRules(m_ComboBoxGame->currentIndex()).CountUp;
}

void TNewGameDialog::EnableMatchLength()
{
    m_SpinBoxLegsToWin->setEnabled(GameHasLegs());
    m_SpinBoxSetsToWin->setEnabled(GameHasLegs() && m_SpinBoxLegsToWin->value() > 0);
}

TGameParams TNewGameDialog::GameParams() const
{
    TGameParams params = GameRules(m_ComboBoxGame->currentIndex());
    params.PlayerCount = m_CheckBox2Players->isChecked() ? 2 : 1;
    params.FirstPlayer = params.PlayerCount == 2 && m_RadioButtonPlayer2->isChecked() ? 1 : 0;
    params.Player1Name = NameOrDefault(m_EditPlayer1Name->text(), "Player 1");
    params.Player2Name = NameOrDefault(m_EditPlayer2Name->text(), "Player 2");
    params.LegsToWin = GameHasLegs() ? m_SpinBoxLegsToWin->value() : 0;
    params.SetsToWin = params.LegsToWin > 0 ? m_SpinBoxSetsToWin->value() : 0;
    return params;
}

QString TNewGameDialog::GameTitle() const
{
    return m_ComboBoxGame->currentText();
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
}
