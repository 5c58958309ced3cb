#pragma once

#include "common/FileBatch.h"

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
