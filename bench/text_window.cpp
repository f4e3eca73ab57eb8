// Opens a main window with a label and a status-bar text and quits as soon as it is shown: the floor for
// start-up of a program that lays out text, so the font database is built and a face is loaded.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.setCentralWidget(new QLabel(QStringLiteral("Battle Armor design"), &w));
    w.statusBar()->showMessage(QStringLiteral("Ready"));
    w.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
