// Whatever the language, the files the program writes read the same everywhere: the settings
// and the CSV keep the dot, though what is shown takes the language's decimal mark. The desktop
// is German here (its C library locale too, as QApplication sets it from LANG), which is what
// once put a comma into the games' figures.

#include "app/Language.h"
#include "app/SettingsFile.h"
#include "games/GamesFigures.h"
#include "games/GamesMatch.h"
#include "model/DartNotation.h"
#include "store/MatchExport.h"
#include "store/MatchStore.h"
#include "ui/common/WidgetHelpers.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <clocale>
#include <cstdio>

namespace {

std::string Printed(double value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// The files and figures of one match, as written with the language installed.
QByteArrayList Written()
{
    TGameParams params;
    params.PlayerCount = 2;
    params.StartScore = 101;
    params.CheckOutRule = true;
    params.Player1Name = "Zoë";
    params.Player2Name = "Ben";
    params.LegsToWin = 2;
    TStoredMatch match;
    match.GameName = QStringLiteral("Standard 101");
    match.Params = params;
    match.Started = QDateTime(QDate(2026, 12, 10), QTime(20, 15));
    match.Operations = {{TOperationKind::Turn, 0, 0, 60, 0},
                        {TOperationKind::Turn, 1, 0, 45, 0},
                        {TOperationKind::Turn, 0, 0, -1, 2}};
    QByteArrayList written{MatchCsv(match), CsvFileName(match).toUtf8()};

    CGamesMatch cricket(TGameKind::Cricket, params);
    for (const char* turn : {"T20 T20 19", "S20 miss miss", "T19 D18 miss", "S19 S19 miss"}) {
        std::vector<TDart> darts;
        if (!ParseDarts(turn, darts) || !cricket.AddTurn(darts)) {
            return {};
        }
    }
    for (const TFigureRow& row : GamesFigures(cricket)) {
        for (const std::string& value : row.Values) {
            written << QByteArray::fromStdString(row.Caption + " " + value);
        }
    }
    TSettings settings;
    settings.Player1Name = QStringLiteral("Zoë");
    settings.ComputerAverages[1] = 65;
    settings.Language = QStringLiteral("de");
    written << WriteSettings(settings);
    return written;
}

} // namespace

class TestLanguageFiles : public QObject
{
    Q_OBJECT

private slots:
    void FilesAreTheSameInEveryLanguage();
};

void TestLanguageFiles::FilesAreTheSameInEveryLanguage()
{
    // A German desktop's C locale, built here: Debian generates only the locales asked for.
    QTemporaryDir locales;
    QCOMPARE(QProcess::execute(QStringLiteral("localedef"),
                               {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
                                QStringLiteral("UTF-8"),
                                locales.filePath(QStringLiteral("de_DE.utf8"))}),
             0);
    qputenv("LOCPATH", locales.path().toLocal8Bit());
    QVERIFY(std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr);
    QCOMPARE(Printed(2.5), std::string("2,50")); // the fault's condition holds

    // What is said is in the language: a settings value refused, the store's reason, a stored
    // score with sets.
    const struct
    {
        const char* Code;
        const char* Shown;    // 45.666 in the statistics
        const char* Figure;   // a games figure "2.33" as shown
        const char* Settings; // part of a refused settings value's notice
        const char* Store;    // part of the reason a store cannot be made
        const char* Score;    // "Sets 1-0, Legs 1-1" as shown
    } kLanguages[] = {
        {"en", "45.67", "2.33", "is not a usable value", "cannot make the folder",
         "Sets 1-0, Legs 1-1"},
        {"de", "45,67", "2,33", "ist kein nutzbarer Wert", "kann nicht angelegt werden",
         "Sets 1-0, Legs 1-1"},
        {"nl", "45,67", "2,33", "is geen bruikbare waarde", "kan niet worden gemaakt",
         "Sets 1-0, legs 1-1"},
        {"fr", "45,67", "2,33", "n'est pas une valeur utilisable", "impossible de créer le dossier",
         "Sets 1-0, manches 1-1"},
        {"es", "45,67", "2,33", "no es un valor utilizable", "no se puede crear la carpeta",
         "Sets 1-0, legs 1-1"},
    };
    QTemporaryDir blocked;
    QFile file(blocked.filePath(QStringLiteral("file")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QByteArrayList english;
    for (const auto& language : kLanguages) {
        QVERIFY(InstallLanguage(*QCoreApplication::instance(), QString::fromLatin1(language.Code)));
        QCOMPARE(Printed(2.5), std::string("2.50"));
        QCOMPARE(Decimal2(45.666), QString::fromLatin1(language.Shown));
        QCOMPARE(LocalDecimals("2.33"), QString::fromLatin1(language.Figure));
        const QByteArrayList written = Written();
        QVERIFY(written.size() > 3);
        QVERIFY(written.join('\n').contains("Marks Per Round (MPR) 1.50"));
        if (english.isEmpty()) {
            english = written;
        }
        QCOMPARE(written, english);
        QVERIFY(ReadSettings("<VTXSettings><NewGame><GameType>99</GameType></NewGame>"
                             "</VTXSettings>")
                    .Problems.join(u' ')
                    .contains(QString::fromUtf8(language.Settings)));
        CMatchStore store(file.fileName() + QStringLiteral("/matches.sqlite"));
        QVERIFY(!store.Open());
        QVERIFY2(store.Problem().contains(QString::fromUtf8(language.Store)),
                 qPrintable(store.Problem()));
        TStoredMatch stored;
        stored.Params.Player1Name = "Anna";
        stored.Score = QStringLiteral("Sets 1-0, Legs 1-1");
        QVERIFY(Describe(stored).endsWith(QString::fromUtf8(language.Score)));
    }
}

QTEST_GUILESS_MAIN(TestLanguageFiles)
#include "LanguageFilesTest.moc"
