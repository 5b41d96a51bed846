// Vantorix, a darts scoreboard.

#include "app/ProgramStart.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    return RunProgram(application);
}
