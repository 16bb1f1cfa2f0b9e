// A bare Qt main window of the game's size, for comparison with the game.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

#include "FirstPaintProbe.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu("&File");
    auto* client = new QWidget(&window);
    client->setFixedSize(633, 486);
    window.setCentralWidget(client);
    // With --stay it keeps running, for measuring the idle window.
    const bool stay = argc > 1 && QString(argv[1]) == "--stay";
    pelmora::FirstPaintProbe probe(stay ? nullptr : client);
    window.show();
    return QApplication::exec();
}
