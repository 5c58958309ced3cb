#include "Program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    createProgram();
    return app.exec();
}
