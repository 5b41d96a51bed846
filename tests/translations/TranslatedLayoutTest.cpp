// Nothing is cut off in a longer language: in each translation, and in a pseudo-translation that
// makes every text 40 % longer and accented, every window is shown at its default size and every
// label's, button's, cell's, heading's and side card's text is measured against the room its
// widget gives it (and its widget against what its parents leave in view); in the
// pseudo-translation, no visible text may have escaped it. With VTX_LAYOUT_SHOTS set to a folder,
// each window is also saved there as a picture to look at.

#include "app/RoomLink.h"
#include "session/ComputerThrower.h"
#include "store/MatchStore.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/board/BoardWindow.h"
#include "ui/charts/ChartLoader.h"
#include "ui/entry/LegCorrectionDialog.h"
#include "ui/history/HistoryDialog.h"
#include "ui/panels/SideCards.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QRegularExpression>
#include <QStyle>
#include <QTableView>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QToolBar>
#include <QTranslator>
#include <QTreeView>

namespace {

// What a label shows: its mnemonic marks are not drawn.
QString Shown(QString text)
{
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(u'&')
        .replace(u'\x01', u'&');
}

int TextWidth(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (const QString& line : Shown(text).split(u'\n')) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest;
}

// The part of `widget`'s width (from its left edge) that its parents leave in view, up to
// `window`.
std::pair<int, int> InView(const QWidget& widget, const QWidget& window)
{
    int left = 0;
    int right = widget.width();
    QPoint offset;
    for (const QWidget* at = &widget; at != &window && at->parentWidget() != nullptr;
         at = at->parentWidget()) {
        offset += at->pos();
        left = std::max(left, -offset.x());
        right = std::min(right, at->parentWidget()->width() - offset.x());
    }
    return {left, right};
}

// The cells and column headers of a list or table that are cut to "…" (a view elides the text
// it has no room for), added to `cut`.
void CutCells(const QAbstractItemView& view, const QString& name, QStringList& cut)
{
    const QAbstractItemModel* model = view.model();
    if (model == nullptr || qobject_cast<const QListView*>(&view) != nullptr) {
        return;
    }
    const QFontMetrics metrics(view.font());
    const int margin =
        2 * (view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1);
    const auto* tree = qobject_cast<const QTreeView*>(&view);
    const QHeaderView* header = tree != nullptr ? tree->header() : nullptr;
    if (const auto* table = qobject_cast<const QTableView*>(&view)) {
        header = table->horizontalHeader();
    }
    for (int column = 0; column < model->columnCount(); ++column) {
        if (header != nullptr && header->isSectionHidden(column)) {
            continue;
        }
        if (header != nullptr && header->isVisible()) {
            const QString title = model->headerData(column, Qt::Horizontal).toString();
            const int headerMargin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin);
            if (header->fontMetrics().horizontalAdvance(title) + headerMargin >
                header->sectionSize(column)) {
                cut << QStringLiteral("%1: %2's heading \"%3\" is cut")
                           .arg(name, view.objectName(), title);
            }
        }
        for (int row = 0; row < std::min(model->rowCount(), 60); ++row) {
            const QModelIndex index = model->index(row, column);
            const QString text = index.data().toString();
            const QRect cell = view.visualRect(index);
            if (!text.isEmpty() && cell.width() > 0 &&
                metrics.horizontalAdvance(text) + margin > cell.width()) {
                cut << QStringLiteral("%1: %2's cell \"%3\" is cut")
                           .arg(name, view.objectName(), text);
            }
        }
    }
}

// The visible texts of `window` that did not come through the pseudo-translation (which
// brackets every text): besides the players' names, the pages' addresses, the languages' own
// names, the dart notation's "Miss", cricket's "MPR" and Qt's own buttons, none should be left.
QStringList Untranslated(const QWidget& window, const QString& name)
{
    static const QRegularExpression kKept(QStringLiteral(
        "\\[[^\\]]*\\]|Anna|Ben|https?://"
        "\\S+|^(English|Deutsch|Nederlands|Français|Español)$|\\bMiss\\b|\\bMPR\\b|^Close$|<br>"));
    static const QRegularExpression kWord(QStringLiteral("[A-Za-z]{2}"));
    QStringList left;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            text = label->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            text = button->text();
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            text = edit->placeholderText();
        }
        if (widget->window() == &window && widget->isVisibleTo(&window) &&
            QString(text).remove(kKept).contains(kWord)) {
            left << QStringLiteral("%1: %2 \"%3\" is not translated")
                        .arg(name, widget->objectName(), text);
        }
    }
    // The actions' names and help (menus, tool tips, status tips), seen or not.
    for (const QAction* action : window.findChildren<QAction*>()) {
        for (const QString& text : {action->text(), action->toolTip(), action->statusTip()}) {
            if (QString(text).remove(kKept).contains(kWord)) {
                left << QStringLiteral("%1: %2's \"%3\" is not translated")
                            .arg(name, action->objectName(), text);
            }
        }
    }
    return left;
}

// Every visible text of `window` that does not fit its widget, as "<window>: <widget> "<text>"
// needs N px, has M".
QStringList CutOff(QWidget& window, const QString& name)
{
    QStringList cut;
    // The text, `needs` wide and placed by `alignment` in `room` (the widget's from its left
    // edge), must lie within the room and within what the parents leave in view.
    const auto report = [&](const QWidget& widget, const QString& text, int needs,
                            std::pair<int, int> room, Qt::Alignment alignment) {
        auto [left, right] = InView(widget, window);
        left = std::max(left, room.first);
        right = std::min(right, room.second);
        int from = room.first;
        if (alignment & Qt::AlignRight) {
            from = room.second - needs;
        } else if (alignment & Qt::AlignHCenter) {
            from = (room.first + room.second - needs) / 2;
        }
        if (from < left || from + needs > right) {
            cut << QStringLiteral("%1: %2 \"%3\" needs %4 px, has %5")
                       .arg(name, widget.objectName(), text)
                       .arg(needs)
                       .arg(std::max(right - left, 0));
        }
    };
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->window() != &window || !widget->isVisibleTo(&window) || widget->width() <= 0) {
            continue;
        }
        if (auto* cards = qobject_cast<TSideCards*>(widget)) {
            for (int side = 0; side < TSideCards::kMaxSides; ++side) {
                const QStringList texts = cards->Texts(side);
                const QStringList shown = cards->Shown(side);
                for (qsizetype line = 0; line < texts.size(); ++line) {
                    if (shown.value(line) != texts[line]) {
                        cut << QStringLiteral("%1: side %2's card shows \"%3\" of \"%4\"")
                                   .arg(name)
                                   .arg(side + 1)
                                   .arg(shown.value(line), texts[line]);
                    }
                }
            }
        } else if (auto* view = qobject_cast<QAbstractItemView*>(widget)) {
            CutCells(*view, name, cut);
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            const QString text = label->text();
            if (text.isEmpty() || label->wordWrap() || !label->pixmap().isNull()) {
                continue;
            }
            const bool rich = label->textFormat() == Qt::RichText ||
                              (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
            int needs = TextWidth(label->fontMetrics(), text);
            if (rich) {
                QTextDocument document;
                document.setDefaultFont(label->font());
                document.setHtml(text);
                document.setDocumentMargin(0);
                needs = static_cast<int>(std::ceil(document.idealWidth()));
            }
            const int inset = label->margin() + std::max(label->indent(), 0);
            const QRect room = label->contentsRect();
            report(*label, text, needs, {room.left() + inset, room.right() + 1 - inset},
                   QStyle::visualAlignment(label->layoutDirection(), label->alignment()));
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (!button->text().isEmpty()) {
                report(*button, button->text(), button->sizeHint().width(), {0, button->width()},
                       Qt::AlignHCenter);
            }
        } else if (auto* bar = qobject_cast<QToolBar*>(widget)) {
            // Buttons that do not fit the bar go into its extension menu.
            for (QAction* action : bar->actions()) {
                QWidget* shown = bar->widgetForAction(action);
                if (shown != nullptr && !action->isSeparator() && action->isVisible() &&
                    !shown->isVisible()) {
                    cut << QStringLiteral("%1: the tool bar has no room for \"%2\"")
                               .arg(name, action->text());
                }
            }
        }
    }
    return cut;
}

// The key a text's mnemonic puts on Alt ("Thr&ow": o), lower case; none without one.
QChar MnemonicOf(const QString& text)
{
    for (qsizetype at = text.indexOf(u'&'); at >= 0 && at + 1 < text.size();
         at = text.indexOf(u'&', at + 2)) {
        if (text[at + 1] != u'&') {
            return text[at + 1].toLower();
        }
    }
    return {};
}

// Two controls of one window on one Alt+letter (Qt then only moves the focus between them, and
// neither acts), or a control on a letter the window's own Alt shortcut has: each is a key that
// does nothing. The controls are those shown; a drop-down's entries are checked among
// themselves.
QStringList MnemonicClashes(const QWidget& window, const QString& name)
{
    QMultiMap<QChar, QString> keys;
    const auto add = [&keys](const QString& text, const QString& who) {
        if (const QChar key = MnemonicOf(text); !key.isNull() && !keys.contains(key, who)) {
            keys.insert(key, who);
        }
    };
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        // A disabled control's key does nothing, as the Thrown box of the side not to throw.
        if (widget->window() != &window || !widget->isVisibleTo(&window) || !widget->isEnabled()) {
            continue;
        }
        const QString who =
            widget->objectName().isEmpty() ? Shown(widget->accessibleName()) : widget->objectName();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            add(button->text(), who);
        } else if (const auto* label = qobject_cast<const QLabel*>(widget);
                   label != nullptr && label->buddy() != nullptr) {
            add(label->text(), label->buddy()->objectName());
        } else if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
            add(box->title(), who);
        }
    }
    QList<QAction*> actions = window.actions();
    actions << window.findChildren<QAction*>();
    for (const QAction* action : actions) {
        for (const QKeySequence& sequence : action->shortcuts()) {
            const QKeyCombination combination = sequence[0];
            if (sequence.count() == 1 && combination.keyboardModifiers() == Qt::AltModifier &&
                combination.key() >= Qt::Key_A && combination.key() <= Qt::Key_Z) {
                add(QStringLiteral("&") + QChar(u'a' + (combination.key() - Qt::Key_A)),
                    action->objectName() + QStringLiteral(" (shortcut)"));
            }
        }
    }
    QStringList clashes;
    for (const QChar key : keys.uniqueKeys()) {
        if (keys.count(key) > 1) {
            clashes << QStringLiteral("%1: Alt+%2 is on %3")
                           .arg(name, key.toUpper(), keys.values(key).join(QStringLiteral(", ")));
        }
    }
    for (const QMenu* menu : window.findChildren<QMenu*>()) {
        QMultiMap<QChar, QString> entries;
        for (const QAction* action : menu->actions()) {
            if (const QChar key = MnemonicOf(action->text());
                !key.isNull() && action->isVisible()) {
                entries.insert(key, Shown(action->text()));
            }
        }
        for (const QChar key : entries.uniqueKeys()) {
            if (entries.count(key) > 1) {
                clashes << QStringLiteral("%1: %2 in the drop-down %3 is on %4")
                               .arg(name, key.toUpper(), menu->objectName(),
                                    entries.values(key).join(QStringLiteral(", ")));
            }
        }
    }
    return clashes;
}

} // namespace

class TestTranslatedLayout : public QObject
{
    Q_OBJECT

private slots:
    void NothingIsCutOffInAnyWindow_data();
    void NothingIsCutOffInAnyWindow();

private:
    // Shows `window` at its default size, then measures it and keeps its picture.
    void Check(QWidget& window, const QString& name);

    QString m_Language;
    QStringList m_Cut;
    int m_Windows = 0;
};

void TestTranslatedLayout::NothingIsCutOffInAnyWindow_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("newGame");
    QTest::newRow("en") << QString() << QStringLiteral("New Game");
    QTest::newRow("pseudo") << QStringLiteral(VTX_PSEUDO_QM) << QStringLiteral("[Ñéw Gàmé àé]");
    QTest::newRow("de") << QStringLiteral(":/i18n/vantorix_de.qm") << QStringLiteral("Neues Spiel");
    QTest::newRow("nl") << QStringLiteral(":/i18n/vantorix_nl.qm") << QStringLiteral("Nieuw spel");
    QTest::newRow("fr") << QStringLiteral(":/i18n/vantorix_fr.qm")
                        << QStringLiteral("Nouvelle partie");
    QTest::newRow("es") << QStringLiteral(":/i18n/vantorix_es.qm")
                        << QStringLiteral("Nueva partida");
}

void TestTranslatedLayout::Check(QWidget& window, const QString& name)
{
    if (!window.isVisible()) {
        window.show();
    }
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    ++m_Windows;
    m_Cut << CutOff(window, name);
    m_Cut << MnemonicClashes(window, name);
    if (m_Language == QLatin1String("pseudo")) {
        m_Cut << Untranslated(window, name);
    }
    if (const QString folder = qEnvironmentVariable("VTX_LAYOUT_SHOTS"); !folder.isEmpty()) {
        QDir().mkpath(folder);
        window.grab().save(
            QDir(folder).filePath(m_Language + u'-' + name + QStringLiteral(".png")));
    }
}

void TestTranslatedLayout::NothingIsCutOffInAnyWindow()
{
    QFETCH(QString, file);
    QFETCH(QString, newGame);
    m_Language = QString::fromLatin1(QTest::currentDataTag());
    m_Cut.clear();
    m_Windows = 0;
    SetChartsModulePath(QStringLiteral(VTX_CHARTS_MODULE));
    TRoomLink::SetModulePath(QStringLiteral(VTX_ROOM_MODULE));
    QTranslator translation;
    QVERIFY(file.isEmpty() || translation.load(file));
    QCoreApplication::installTranslator(&translation);
    const auto removed = qScopeGuard([&] { QCoreApplication::removeTranslator(&translation); });
    QCOMPARE(QCoreApplication::translate("TNewGameDialog", "New Game"), newGame);

    TScoreboard board;
    QVERIFY(board.Window.OpenCheckoutTable(QStringLiteral(VTX_SHIPPED_TABLE)));
    board.Dialog->show();
    board.Dialog->SetResumable(QStringLiteral("Anna v Ben"));
    FillDialog(*board.Dialog, {.Players = 4, .Computer2 = 60});
    Check(*board.Dialog, QStringLiteral("new-game"));
    FillDialog(*board.Dialog, {.Players = 4, .Pairs = true});
    Find<QCheckBox>(*board.Dialog, QStringLiteral("CheckBoxHandicap"))->setChecked(true);
    Check(*board.Dialog, QStringLiteral("new-game-pairs"));
    Find<QCheckBox>(*board.Dialog, QStringLiteral("CheckBoxHandicap"))->setChecked(false);
    board.Dialog->SetResumable({});
    board.Dialog->hide();

    QVERIFY(board.StartGame({.LegsToWin = 3, .SetsToWin = 2, .Players = 2}));
    board.TypeTurns({100, 60, 140});
    Check(board.Window, QStringLiteral("main-two"));
    QVERIFY(board.TriggerAction("ActionStats"));
    QVERIFY(QTest::qWaitFor([&] {
        return board.Window.findChild<QWidget*>(QStringLiteral("ChartAverages")) != nullptr;
    }));
    Check(board.Window, QStringLiteral("main-stats"));
    QVERIFY(board.TriggerAction("ActionStats"));
    QVERIFY(board.TriggerAction("ActionQuickShotHints"));
    Check(*board.HintWindow, QStringLiteral("hints"));
    board.HintWindow->hide();
    board.Window.SetBoardShown(true);
    Check(board.Window.Board(), QStringLiteral("board"));
    board.Window.SetBoardShown(false);

    TLegCorrectionDialog correction(
        board.Window.Game(), 0, [](int, int, int, int) { return QString(); }, &board.Window);
    QVERIFY(correction.StartCorrection(0, 1));
    Check(correction, QStringLiteral("leg-correction"));
    correction.hide();

    // The computer's lines: what it throws, and what it waits for with the key that lets it
    // go on; the statistics name it in full.
    board.Window.Computer().SetPause(0);
    QVERIFY(board.StartGame({.Name2 = QString(), .Computer2 = 60}));
    board.TypeTurns({60});
    QVERIFY(QTest::qWaitFor([&] { return board.Leg().PlayerToThrow() == 0; }));
    QVERIFY(board.TriggerAction("ActionUndoThrow"));
    QVERIFY(board.Window.Computer().IsWaiting());
    Check(board.Window, QStringLiteral("main-computer-waits"));
    QVERIFY(board.TriggerAction("ActionPauseBot"));
    Check(board.Window, QStringLiteral("main-computer-paused"));
    QVERIFY(board.TriggerAction("ActionStats"));
    QVERIFY(QTest::qWaitFor([&] {
        return board.Window.findChild<QWidget*>(QStringLiteral("ChartAverages")) != nullptr;
    }));
    Check(board.Window, QStringLiteral("main-computer-stats"));
    QVERIFY(board.TriggerAction("ActionStats"));

    QVERIFY(board.StartGame({.Players = 4}));
    board.TypeTurns({60, 45});
    Check(board.Window, QStringLiteral("main-four"));
    QVERIFY(board.StartGame({.Game = 5, .LegsToWin = 2}));
    board.Type(QStringLiteral("T20 T20 19"));
    Check(board.Window, QStringLiteral("main-cricket"));
    auto* pad = board.Window.findChild<QWidget*>(QStringLiteral("FormDartPad"));
    if (pad == nullptr || !pad->isVisible()) {
        QVERIFY(board.TriggerAction("ActionDartPad"));
        pad = board.Window.findChild<QWidget*>(QStringLiteral("FormDartPad"));
    }
    QVERIFY(pad != nullptr);
    Check(*pad, QStringLiteral("dart-pad"));
    pad->hide();
    QVERIFY(board.StartGame({.Game = 10}));
    board.Type(QStringLiteral("T20 S1 miss"));
    Check(board.Window, QStringLiteral("main-121"));

    QTemporaryDir dir;
    CMatchStore store(dir.filePath(QStringLiteral("matches.sqlite")));
    QVERIFY(store.Open());
    TGameParams params = board.Window.Game().Params();
    params.LegsToWin = 3;
    QVERIFY(store.BeginMatch(QStringLiteral("Standard 501"), params));
    THistoryDialog history(store, &board.Window);
    Check(history, QStringLiteral("history"));
    history.hide();

    // The room's window with its codes, on a port of this computer that is free.
    TRoomLink room(board.Window);
    TSettings settings;
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    settings.RoomPort = probe.serverPort();
    probe.close();
    room.Apply(settings);
    QVERIFY(room.SetOn(true));
    QVERIFY(board.TriggerAction("ActionRoomCodes"));
    auto* codes = board.Window.findChild<QWidget*>(QStringLiteral("FormRoom"));
    QVERIFY(codes != nullptr);
    Check(*codes, QStringLiteral("room"));
    QVERIFY(room.SetOn(false));

    QVERIFY(m_Windows >= 13);
    QVERIFY2(m_Cut.isEmpty(), qPrintable(m_Cut.join(u'\n')));
}

QTEST_MAIN(TestTranslatedLayout)
#include "TranslatedLayoutTest.moc"
