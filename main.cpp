#include "Program.h"

#include "common/MemoryTuning.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    MemoryTuning::keepLargeBuffers();
    QApplication app(argc, argv);
    createProgram();
    return app.exec();
}
