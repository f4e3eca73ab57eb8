#include <QApplication>
#include <QMainWindow>

#include "app/Cli.h"

int main(int argc, char** argv) {
    // The command-line tools need no display: they run before any window exists.
    if (const int status = vantrel::RunCommandLine(argc, argv); status != vantrel::kNotACommand) return status;
    QApplication app(argc, argv);
    QMainWindow w;
    w.show();
    return app.exec();
}
