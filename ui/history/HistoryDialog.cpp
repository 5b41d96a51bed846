#include "ui/history/HistoryDialog.h"

#include "games/GamesMatch.h"
#include "store/MatchQueries.h"
#include "store/MatchStore.h"
#include "store/PlayerRecords.h"
#include "ui/charts/ChartLoader.h"
#include "ui/common/WidgetHelpers.h"
#include "ui/newgame/UnitGameDlg.h"
#include "ui/stats/StatsPage.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QSqlQueryModel>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kWidestColumn = 320;
// The columns before the sides' averages (the hidden id, Date, Players, Game, Result).
constexpr int kFirstAverage = 5;
constexpr int kMaxSides = CMatchQueries::kMaxSides;

// The list's words in the language shown.
TMatchListWords ListWords()
{
    TMatchListWords words{THistoryDialog::tr(" v "),
                          THistoryDialog::tr(" · first to "),
                          THistoryDialog::tr(" set of "),
                          THistoryDialog::tr(" sets of "),
                          THistoryDialog::tr(" leg"),
                          THistoryDialog::tr(" legs"),
                          THistoryDialog::tr(" won, "),
                          THistoryDialog::tr("in play, "),
                          THistoryDialog::tr("abandoned, "),
                          QCoreApplication::translate("Describe", "Sets "),
                          QCoreApplication::translate("Describe", ", Legs "),
                          QLocale().decimalPoint(),
                          {}};
    for (int kind = 0; kind < TNewGameDialog::kGameCount; ++kind) {
        const QString name = TNewGameDialog::GameTitleOf(kind);
        words.GameNames.emplace_back(name, GameNameShown(name));
    }
    return words;
}

} // namespace

void ExportMatchAsCsv(QWidget* parent, const QByteArray& csv, const QString& suggestedName)
{
    // The documents folder first, then the folder of the last export while the program runs.
    static QString lastFolder;
    QString folder = lastFolder;
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    QString name = suggestedName;
    name.replace(u'/', u'-');
    const QString path = QFileDialog::getSaveFileName(
        parent, QCoreApplication::translate("THistoryDialog", "Export match as CSV"),
        QDir(folder).filePath(name),
        QCoreApplication::translate("THistoryDialog", "CSV files (*.csv)"));
    if (!path.isEmpty()) {
        lastFolder = QFileInfo(path).absolutePath();
    }
    if (path.isEmpty()) {
        return;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit()) {
        QMessageBox::warning(
            parent, QCoreApplication::translate("THistoryDialog", "Export match as CSV"),
            QCoreApplication::translate("THistoryDialog", "%1 could not be written: %2")
                .arg(path, file.errorString()));
    }
}

THistoryDialog::THistoryDialog(CMatchStore& store, QWidget* parent)
    : QDialog(parent), m_Store(store)
{
    setObjectName(QStringLiteral("HistoryDialog"));
    setWindowTitle(tr("History"));
    resize(760, 680);

    m_Model = new QSqlQueryModel(this);
    m_Table = new QTableView(this);
    m_Table->setObjectName(QStringLiteral("TableMatches"));
    m_Table->setModel(m_Model);
    m_Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_Table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_Table->verticalHeader()->hide();
    m_Table->horizontalHeader()->setStretchLastSection(true);
    m_Table->horizontalHeader()->setResizeContentsPrecision(50); // fitted to the first rows
    m_Table->setWordWrap(false);
    connect(m_Table, &QTableView::doubleClicked, this, &THistoryDialog::OpenSelected);

    auto* open = new QPushButton(tr("&Open"), this);
    open->setObjectName(QStringLiteral("ButtonOpen"));
    connect(open, &QPushButton::clicked, this, &THistoryDialog::OpenSelected);
    auto* exportCsv = new QPushButton(tr("&Export as CSV\u2026"), this);
    exportCsv->setObjectName(QStringLiteral("ButtonExport"));
    connect(exportCsv, &QPushButton::clicked, this, &THistoryDialog::ExportSelected);
    auto* remove = new QPushButton(tr("&Delete\u2026"), this);
    remove->setObjectName(QStringLiteral("ButtonDelete"));
    connect(remove, &QPushButton::clicked, this, &THistoryDialog::DeleteSelected);
    m_Resume = new QPushButton(tr("&Resume"), this);
    m_Resume->setObjectName(QStringLiteral("ButtonResume"));
    m_Resume->setToolTip(tr("Go on with the selected match where it stopped"));
    connect(m_Resume, &QPushButton::clicked, this, &THistoryDialog::ResumeSelected);
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("ButtonClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    m_Players = new QComboBox(this);
    m_Players->setObjectName(QStringLiteral("ComboBoxPlayer"));
    m_PlayerFigures = new QLabel(this);
    m_PlayerFigures->setObjectName(QStringLiteral("LabelPlayerFigures"));
    m_PlayerFigures->setTextFormat(Qt::PlainText);
    m_PlayerFigures->setWordWrap(true);
    connect(m_Players, &QComboBox::currentTextChanged, this, &THistoryDialog::ShowPlayer);
    auto* playerLabel = new QLabel(tr("&Player:"), this);
    playerLabel->setBuddy(m_Players);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(open);
    buttons->addWidget(exportCsv);
    buttons->addWidget(remove);
    buttons->addWidget(m_Resume);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* player = new QHBoxLayout;
    player->addWidget(playerLabel);
    player->addWidget(m_Players, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_Table, 1);
    layout->addLayout(buttons);
    layout->addLayout(player);
    layout->addWidget(m_PlayerFigures);
    connect(m_Table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &THistoryDialog::UpdateButtons);
    Reload();
}

bool THistoryDialog::CanResume(int64_t id) const
{
    if (id == 0 || !m_Store.IsWriter() || id == m_Store.CurrentMatch()) {
        return false;
    }
    const std::optional<TMatchState> state = m_Store.Queries().State(id);
    return state && *state != TMatchState::Won;
}

void THistoryDialog::UpdateButtons()
{
    m_Resume->setEnabled(CanResume(SelectedMatch()));
}

void THistoryDialog::ResumeSelected()
{
    if (CanResume(SelectedMatch())) {
        m_ResumeMatch = SelectedMatch();
        accept();
    }
}

void THistoryDialog::Reload()
{
    const CMatchQueries queries = m_Store.Queries();
    const int mostSides = queries.MostSides();
    m_Model->setQuery(queries.MatchList(ListWords()));
    const char* const kHeaders[] = {"", QT_TR_NOOP("Date"), QT_TR_NOOP("Players"),
                                    QT_TR_NOOP("Game"), QT_TR_NOOP("Result")};
    for (int column = 1; column < kFirstAverage; ++column) {
        m_Model->setHeaderData(column, Qt::Horizontal, tr(kHeaders[column]));
    }
    // As many average columns as the most sides any stored match has (two at least).
    for (int side = 0; side < kMaxSides; ++side) {
        m_Model->setHeaderData(kFirstAverage + side, Qt::Horizontal, tr("Avg %1").arg(side + 1));
        m_Table->setColumnHidden(kFirstAverage + side, side >= mostSides);
    }
    m_Table->hideColumn(0);
    m_Table->resizeColumnsToContents();
    // A long name is elided in its column rather than pushing the others out of sight.
    for (int column = 1; column < m_Model->columnCount(); ++column) {
        m_Table->setColumnWidth(column, std::min(m_Table->columnWidth(column), kWidestColumn));
    }
    if (m_Model->rowCount() > 0) {
        SelectRow(0);
    }
    UpdateButtons();
    const QString shown = m_Players->currentText();
    m_Players->clear();
    m_Players->addItems(m_Store.PlayerNames());
    if (!shown.isEmpty()) {
        m_Players->setCurrentText(shown);
    }
}

int64_t THistoryDialog::SelectedMatch() const
{
    const QModelIndex current = m_Table->currentIndex();
    return current.isValid() ? m_Model->index(current.row(), 0).data().toLongLong() : 0;
}

void THistoryDialog::SelectRow(int row)
{
    m_Table->selectRow(row);
}

int THistoryDialog::MatchCount() const
{
    return m_Store.Queries().MatchCount();
}

void THistoryDialog::OpenSelected()
{
    const std::optional<TStoredMatch> match = m_Store.Load(SelectedMatch());
    if (!match) {
        return;
    }
    const std::unique_ptr<CMatch> played = Rebuilt(*match);
    QDialog page(this);
    page.setObjectName(QStringLiteral("HistoryStatsDialog"));
    page.setWindowTitle(Describe(*match));
    page.resize(640, 560);
    auto* stats = new TStatsPage(&page);
    stats->Rebuild(*played);
    auto* layout = new QVBoxLayout(&page);
    layout->addWidget(stats);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &page);
    connect(buttons, &QDialogButtonBox::rejected, &page, &QDialog::reject);
    layout->addWidget(buttons);
    page.exec();
}

void THistoryDialog::ExportSelected()
{
    if (const std::optional<TStoredMatch> match = m_Store.Load(SelectedMatch())) {
        ExportMatchAsCsv(this, MatchCsv(*match), CsvFileName(*match));
    }
}

void THistoryDialog::DeleteSelected()
{
    const std::optional<TStoredMatch> match = m_Store.Load(SelectedMatch());
    if (!match) {
        return;
    }
    // Deleting the match in play would stop its recording without a word.
    if (match->Id == m_Store.CurrentMatch() || !m_Store.IsWriter()) {
        QMessageBox refusal(QMessageBox::Information, tr("Delete match"),
                            match->Id == m_Store.CurrentMatch() ? tr("This is the match in play.")
                                                                : m_Store.Problem(),
                            QMessageBox::Ok, this);
        refusal.setTextFormat(Qt::PlainText);
        refusal.exec();
        return;
    }
    // A name is shown as it was typed, never read as markup.
    QMessageBox question(QMessageBox::Question, tr("Delete match"),
                         tr("Delete %1 for good?").arg(Describe(*match)),
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setTextFormat(Qt::PlainText);
    question.setDefaultButton(QMessageBox::No);
    if (question.exec() == QMessageBox::Yes) {
        if (!m_Store.Delete(match->Id)) {
            QMessageBox::warning(this, tr("Delete match"), m_Store.Problem());
        }
        Reload();
    }
}

void THistoryDialog::ShowPlayer(const QString& name)
{
    TChartData history{QStringLiteral("ChartPlayerHistory"),
                       tr("3-Dart Average per Match"),
                       tr("Match started"),
                       tr("Average"),
                       true,
                       {{name, {}}}};
    for (const auto& [started, average] : m_Store.PlayerAverages(name)) {
        history.Lines.front().Points.append(
            QPointF(static_cast<double>(started.toMSecsSinceEpoch()), average));
    }
    // A player without an X01 match has no average to chart (an empty chart's time axis
    // would start in 1970).
    QWidget* chart = history.Lines.front().Points.isEmpty() ? nullptr : NewChart(history, this);
    if (m_PlayerChart != nullptr) {
        if (chart != nullptr) {
            layout()->replaceWidget(m_PlayerChart, chart);
        }
        delete m_PlayerChart;
    } else if (chart != nullptr) {
        layout()->addWidget(chart);
    }
    m_PlayerChart = chart;
    if (name.isEmpty()) {
        m_PlayerFigures->clear();
        return;
    }
    const TPlayerRecord record = m_Store.PlayerRecord(name);
    if (record.X01Darts == 0) {
        m_PlayerFigures->setText(tr("Matches %1 played, %2 won · Legs %3 played, %4 won")
                                     .arg(record.MatchesPlayed)
                                     .arg(record.MatchesWon)
                                     .arg(record.LegsPlayed)
                                     .arg(record.LegsWon));
        return;
    }
    m_PlayerFigures->setText(
        tr("Matches %1 played, %2 won · Legs %3 played, %4 won · 3-dart average %5 · "
           "Highest turn %6 · 180s %7 · Highest checkout %8")
            .arg(record.MatchesPlayed)
            .arg(record.MatchesWon)
            .arg(record.LegsPlayed)
            .arg(record.LegsWon)
            .arg(Decimal2(record.ThreeDartAverage))
            .arg(record.HighestTurn)
            .arg(record.Count180)
            .arg(record.HighestCheckout));
}
