#pragma once

#include "common/FileBatch.h"
#include "common/RecordFileError.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <optional>

#include <QtTest>

// Saves `saves` times into the contents `now` (a file as one save left it),
// each save made both ways: with the form the contents came in, and read and
// checked anew (no form). Both must give the same bytes and the same form;
// the next save goes into what they gave. `save(contents, form, i)` is the
// i-th save, from 1 on. The contents the last save left; a failure is
// reported to the running test (QTest::currentTestFailed()).
template <typename Save>
FileBatch::Checked saveBothWays(FileBatch::Checked now, int saves, Save save)
{
    for (int i = 1; i <= saves; ++i) {
        const FileBatch::Checked checked = save(now.bytes, QByteArrayView(), i);
        const FileBatch::Checked known = save(now.bytes, QByteArrayView(now.form), i);
        if (!QTest::qCompare(known.bytes, checked.bytes, "known.bytes", "checked.bytes", __FILE__, __LINE__)
            || !QTest::qCompare(known.form, checked.form, "known.form", "checked.form", __FILE__, __LINE__))
            break;
        now = known;
    }
    return now;
}

// What a save makes of a file that holds `bytes` and whose form it did not
// keep, running `make` as FileBatch::transformChecked() takes it: the file's
// bytes after the save, and the error it refused with (the file then as it
// was). A make run by a save may leave its check of the whole file until the
// new file goes to the disk (FileBatch::deferCheck()), which a make called
// on its own never does; both must come to the same. A file left beside
// the saved one is reported to the running test.
struct Saved
{
    QByteArray bytes;
    std::optional<RecordFileError> error;
};
inline Saved savedInFolder(const QByteArray &bytes, const FileBatch::MakeChecked &make)
{
    const QString folder = TestEnvironment::freshFolder(QStringLiteral("saved"));
    const QString name = QStringLiteral("Saved.txt");
    TestEnvironment::writeFile(folder, name, bytes);
    Saved saved;
    try {
        FileBatch batch;
        batch.transformChecked(QDir(folder).filePath(name), make);
        batch.commit();
    } catch (const RecordFileError &e) {
        saved.error = e;
    }
    saved.bytes = TestEnvironment::readFile(folder, name);
    QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    left.removeAll(name);
    left.removeAll(FileBatch::kLockFileName);
    (void)QTest::qCompare(left, QStringList(), "left", "QStringList()", __FILE__, __LINE__);
    return saved;
}
