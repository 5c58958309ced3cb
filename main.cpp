#include "Program.h"

#include "common/DataFolder.h"
#include "common/FileBatch.h"
#include "common/MemoryTuning.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    MemoryTuning::keepLargeBuffers();
    QApplication app(argc, argv);
    createProgram();
    const int code = app.exec();
    // The forms of the files this run saved, so that the next run's first
    // saves need not check them record by record.
    FileBatch::keepForms(DataFolder::location());
    return code;
}
