#pragma once

// Helpers for driving the real widgets: everything is found by objectName, actions are
// triggered only when enabled, and the modal New Game dialog is answered from a timer.

#include "ui/hints/UnitHintDlg.h"
#include "ui/main/UnitMain.h"
#include "ui/newgame/UnitGameDlg.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <functional>
#include <memory>

template <typename T = QWidget>
T* Find(const QObject& root, const QString& name)
{
    T* found = root.findChild<T*>(name);
    if (found == nullptr) {
        qWarning("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    }
    return found;
}

// Answers the next modal dialog: `fill` sets its controls, then `button` is clicked.
inline void AnswerNextDialog(std::function<void(QDialog&)> fill, const QString& button)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, fill, button, tries] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) {
            if (++*tries > 1000) {
                qWarning("no modal dialog appeared");
                timer->deleteLater();
                timer->stop();
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        if (fill) {
            fill(*dialog);
        }
        if (auto* push = dialog->findChild<QPushButton*>(button)) {
            push->click();
        } else {
            qWarning("dialog has no button %s", qPrintable(button));
            dialog->reject();
        }
    });
    timer->start();
}

struct TGameChoice
{
    int Game = 1;
    bool TwoPlayers = true;
    bool Player1Starts = true;
    QString Name1 = QStringLiteral("Anna");
    QString Name2 = QStringLiteral("Ben");
    int LegsToWin = 0;
    int SetsToWin = 0;
    int Players = 0; // more than two: the Players box (names "Player N" beyond the second)
    bool Pairs = false;
    int Computer2 = 0; // the average of the computer as the second player; 0: a person
    bool EnterDarts = false;
};

inline void FillDialog(QDialog& dialog, const TGameChoice& choice)
{
    dialog.findChild<QComboBox*>(QStringLiteral("ComboBoxGame"))->setCurrentIndex(choice.Game);
    dialog.findChild<QCheckBox*>(QStringLiteral("CheckBox2Players"))->setChecked(choice.TwoPlayers);
    dialog
        .findChild<QRadioButton*>(choice.Player1Starts ? QStringLiteral("RadioButtonPlayer1")
                                                       : QStringLiteral("RadioButtonPlayer2"))
        ->setChecked(true);
    dialog.findChild<QLineEdit*>(QStringLiteral("EditPlayer1Name"))->setText(choice.Name1);
    dialog.findChild<QLineEdit*>(QStringLiteral("EditPlayer2Name"))->setText(choice.Name2);
    dialog.findChild<QSpinBox*>(QStringLiteral("SpinBoxLegsToWin"))->setValue(choice.LegsToWin);
    dialog.findChild<QSpinBox*>(QStringLiteral("SpinBoxSetsToWin"))->setValue(choice.SetsToWin);
    if (choice.Players >= 2) {
        dialog.findChild<QSpinBox*>(QStringLiteral("SpinPlayers"))->setValue(choice.Players);
    }
    dialog.findChild<QCheckBox*>(QStringLiteral("CheckBoxPairs"))->setChecked(choice.Pairs);
    dialog.findChild<QCheckBox*>(QStringLiteral("CheckBoxComputer2"))
        ->setChecked(choice.Computer2 > 0);
    dialog.findChild<QCheckBox*>(QStringLiteral("CheckBoxDarts"))->setChecked(choice.EnterDarts);
    if (choice.Computer2 > 0) {
        dialog.findChild<QSpinBox*>(QStringLiteral("SpinComputerAverage2"))
            ->setValue(choice.Computer2);
    }
}

// The main window and its dialog as the program creates them, shown and active.
class TScoreboard
{
public:
    TScoreboard()
    {
        Dialog = new TNewGameDialog(&Window);
        Window.SetNewGameDialog(Dialog);
        HintWindow = new TFormHint(&Window);
        Window.SetHintWindow(HintWindow);
        Window.show();
        QApplication::setActiveWindow(&Window);
        Window.activateWindow();
        if (!QTest::qWaitForWindowActive(&Window)) {
            qWarning("main window did not become active");
        }
        for (const char* name : {"ListViewScores1", "ListViewScores2"}) {
            Testers.push_back(std::make_unique<QAbstractItemModelTester>(
                Find<QTreeView>(Window, QString::fromLatin1(name))->model(),
                QAbstractItemModelTester::FailureReportingMode::QtTest));
        }
    }

    QAction* Action(const char* name) const
    {
        return Find<QAction>(Window, QString::fromLatin1(name));
    }

    // Triggers an action the way a user can: it must exist and be enabled.
    bool TriggerAction(const char* name)
    {
        QAction* action = Action(name);
        if (action == nullptr || !action->isEnabled()) {
            qWarning("action %s is %s", name, action ? "disabled" : "missing");
            return false;
        }
        action->trigger();
        QCoreApplication::processEvents();
        return true;
    }

    bool StartGame(const TGameChoice& choice = {})
    {
        AnswerNextDialog([choice](QDialog& dialog) { FillDialog(dialog, choice); },
                         QStringLiteral("ButtonStart"));
        return TriggerAction("ActionNew");
    }

    QLineEdit* Thrown(int player) const
    {
        return Find<QLineEdit>(Window, QStringLiteral("EditThrown%1").arg(player + 1));
    }
    QString Label(const char* name, int player) const
    {
        return Find<QLabel>(Window,
                            QStringLiteral("Label%1%2").arg(QLatin1String(name)).arg(player + 1))
            ->text();
    }

    // Types a turn into the box of the player to throw and presses Enter.
    void Type(const QString& keys)
    {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClicks(focus, keys);
        QTest::keyClick(focus, Qt::Key_Return);
    }
    void TypeTurns(std::initializer_list<int> scores)
    {
        for (int score : scores) {
            Type(QString::number(score));
        }
    }

    const CLeg& Leg() { return *Window.Game().CurrentLeg(); }
    int32_t Remainder(int player) { return Leg().GetSheet(player)->LastEntry()->Remainder; }

    TFormVTX Window;
    TNewGameDialog* Dialog = nullptr;
    TFormHint* HintWindow = nullptr;
    std::vector<std::unique_ptr<QAbstractItemModelTester>> Testers;
};
