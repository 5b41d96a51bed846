#include "ui/competitions/NewCompetitionDialog.h"

#include "ui/newgame/UnitGameDlg.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

enum TKindRow
{
    kLeague,
    kLeagueTwice,
    kKnockout,
    kKnockoutDouble,
    kGroups
};

} // namespace

TNewCompetitionDialog::TNewCompetitionDialog(const QStringList& knownPlayers, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FormNewCompetition"));
    setWindowTitle(tr("New Competition"));
    auto* form = new QFormLayout;
    m_Name = new QLineEdit(this);
    m_Name->setObjectName(QStringLiteral("EditCompetitionName"));
    m_Name->setMaxLength(80);
    form->addRow(tr("&Name:"), m_Name);
    m_Kind = new QComboBox(this);
    m_Kind->setObjectName(QStringLiteral("ComboCompetitionKind"));
    m_Kind->addItems({tr("League"), tr("League, home and away"), tr("Knockout"),
                      tr("Knockout, double elimination"), tr("Groups, then knockout")});
    form->addRow(tr("&Kind:"), m_Kind);
    m_Groups = new QSpinBox(this);
    m_Groups->setObjectName(QStringLiteral("SpinCompetitionGroups"));
    m_Groups->setRange(1, 16);
    m_Groups->setValue(2);
    m_PerGroup = new QSpinBox(this);
    m_PerGroup->setObjectName(QStringLiteral("SpinCompetitionPerGroup"));
    m_PerGroup->setRange(1, 8);
    m_PerGroup->setValue(2);
    auto* groups = new QHBoxLayout;
    groups->addWidget(m_Groups);
    groups->addWidget(new QLabel(tr("groups; going on from each:"), this));
    groups->addWidget(m_PerGroup);
    auto* groupsLabel = new QLabel(tr("&Groups:"), this);
    groupsLabel->setBuddy(m_Groups);
    form->addRow(groupsLabel, groups);
    m_Players = new QPlainTextEdit(this);
    m_Players->setObjectName(QStringLiteral("EditCompetitionPlayers"));
    m_Players->setTabChangesFocus(true);
    m_Players->setPlaceholderText(tr("One name a line, the best first"));
    form->addRow(tr("&Players:"), m_Players);
    m_Known = new QComboBox(this);
    m_Known->setObjectName(QStringLiteral("ComboCompetitionKnown"));
    m_Known->addItems(knownPlayers);
    auto* add = new QPushButton(tr("&Add"), this);
    add->setObjectName(QStringLiteral("ButtonCompetitionAdd"));
    add->setEnabled(!knownPlayers.isEmpty());
    connect(add, &QPushButton::clicked, this, [this] {
        if (!m_Known->currentText().isEmpty() && !Players().contains(m_Known->currentText())) {
            m_Players->appendPlainText(m_Known->currentText());
        }
    });
    auto* known = new QHBoxLayout;
    known->addWidget(m_Known, 1);
    known->addWidget(add);
    form->addRow(tr("From History:"), known);
    m_Game = new QComboBox(this);
    m_Game->setObjectName(QStringLiteral("ComboCompetitionGame"));
    for (int index = 0; index < TNewGameDialog::kGameCount; ++index) {
        const QString title = TNewGameDialog::GameTitleOf(index);
        m_Game->addItem(QCoreApplication::translate("GameNames", qPrintable(title)), title);
    }
    m_Game->setCurrentIndex(1);
    form->addRow(tr("Ga&me:"), m_Game);
    m_Legs = new QSpinBox(this);
    m_Legs->setObjectName(QStringLiteral("SpinCompetitionLegs"));
    m_Legs->setRange(1, TNewGameDialog::kMaxMatchLength);
    m_Legs->setValue(3);
    m_Sets = new QSpinBox(this);
    m_Sets->setObjectName(QStringLiteral("SpinCompetitionSets"));
    m_Sets->setRange(0, TNewGameDialog::kMaxMatchLength);
    m_Sets->setSpecialValueText(tr("no sets"));
    auto* format = new QHBoxLayout;
    format->addWidget(m_Legs);
    format->addWidget(new QLabel(tr("legs to win, sets to win:"), this));
    format->addWidget(m_Sets);
    auto* legsLabel = new QLabel(tr("&Legs:"), this);
    legsLabel->setBuddy(m_Legs);
    form->addRow(legsLabel, format);
    m_Problem = new QLabel(this);
    m_Problem->setObjectName(QStringLiteral("LabelCompetitionProblem"));
    m_Problem->setWordWrap(true);
    form->addRow(m_Problem);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TNewCompetitionDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TNewCompetitionDialog::reject);
    form->addRow(buttons);
    setLayout(form);
    connect(m_Kind, &QComboBox::currentIndexChanged, this, &TNewCompetitionDialog::UpdateKind);
    UpdateKind();
}

void TNewCompetitionDialog::UpdateKind()
{
    const bool groups = m_Kind->currentIndex() == kGroups;
    m_Groups->setEnabled(groups);
    m_PerGroup->setEnabled(groups);
}

QStringList TNewCompetitionDialog::Players() const
{
    QStringList players;
    for (const QString& line : m_Players->toPlainText().split(QLatin1Char('\n'))) {
        const QString name = line.simplified().left(TNewGameDialog::kNameLength);
        if (!name.isEmpty()) {
            players << name;
        }
    }
    return players;
}

TCompetitionRecord TNewCompetitionDialog::Record() const
{
    TCompetitionRecord record;
    record.Id = NewMatchKey();
    record.Name = m_Name->text().simplified();
    record.Players = Players();
    const int kind = m_Kind->currentIndex();
    record.Shape.Kind = kind == kKnockout || kind == kKnockoutDouble ? TCompetitionKind::Knockout
                        : kind == kGroups ? TCompetitionKind::GroupsKnockout
                                          : TCompetitionKind::League;
    record.Shape.Players = static_cast<int32_t>(record.Players.size());
    record.Shape.Twice = kind == kLeagueTwice || kind == kKnockoutDouble;
    record.Shape.Groups = kind == kGroups ? m_Groups->value() : 0;
    record.Shape.PerGroup = kind == kGroups ? m_PerGroup->value() : 0;
    record.Game = m_Game->currentData().toString();
    record.LegsToWin = m_Legs->value();
    record.SetsToWin = m_Sets->value();
    return record;
}

QString TNewCompetitionDialog::Problem() const
{
    const TCompetitionRecord record = Record();
    if (record.Name.isEmpty()) {
        return tr("Give the competition a name.");
    }
    if (record.Players.size() < 2 || record.Players.size() > 64) {
        return tr("A competition has 2 to 64 players.");
    }
    QStringList distinct = record.Players;
    if (distinct.removeDuplicates() > 0) {
        return tr("Each player can be named once only.");
    }
    if (!CCompetition(record.Shape).Valid()) {
        return tr("Each group needs at least two players, and no more can go on from a group "
                  "than it has.");
    }
    return {};
}

void TNewCompetitionDialog::accept()
{
    const QString problem = Problem();
    m_Problem->setText(problem);
    if (problem.isEmpty()) {
        QDialog::accept();
    }
}
