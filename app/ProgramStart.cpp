#include "ProgramStart.h"

#include "UnitGameDlg.h"
#include "UnitHintDlg.h"
#include "UnitMain.h"

#include <QAction>
#include <QApplication>
#include <QTimer>

int RunProgram(QApplication& application)
{
    QApplication::setApplicationName(QStringLiteral("Vantorix"));
    QApplication::setApplicationVersion(QStringLiteral("1.06"));

    TFormVTX mainWindow;
    TNewGameDialog newGameDialog(&mainWindow);
    mainWindow.SetNewGameDialog(&newGameDialog);
    TFormHint hintWindow(&mainWindow);
    mainWindow.SetHintWindow(&hintWindow);
    mainWindow.show();

    // New Game runs as the first thing inside the event loop, so that choosing Exit in the
    // dialog ends the loop like any later close of the main window.
    QTimer::singleShot(0, &mainWindow, [&mainWindow] {
        if (auto* action = mainWindow.findChild<QAction*>(QStringLiteral("ActionNew"))) {
            action->trigger();
        }
    });
    return application.exec();
}
