// Vantorix, a darts scoreboard.

#include "app/ProgramStart.h"
#include "app/StandingsCommand.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // A command for a club's web page: it must work where there is no display.
    if (AsksForStandings(argc, argv)) {
        return RunStandingsCommand(argc, argv);
    }
    QApplication application(argc, argv);
    return RunProgram(application);
}
