// A bare Qt dialog program built the same way, ended when its dialog has been painted: the
// yardstick for the program's start-up time.
#include "bench/StartupProbe.h"

#include <QLabel>
#include <QVBoxLayout>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    TStartupProbe probe;
    application.installEventFilter(&probe);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bare"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Hello"), &dialog));
    return dialog.exec();
}
