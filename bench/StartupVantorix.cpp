// The real start sequence, ended when the New Game dialog has been painted.
#include "app/ProgramStart.h"
#include "bench/StartupProbe.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    TStartupProbe probe;
    application.installEventFilter(&probe);
    return RunProgram(application);
}
