#include "common/InParts.h"

#include <QtTest>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

// A file's bytes split at line starts and gone over on several threads.
class TestInParts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void partsStartAtLines_data();
    void partsStartAtLines();
    void everyPartRunsOnce();
    void startedWorkRunsOnce();
    void abandonedWorkRunsWholeOrNot();
    void waiterHelpsWithTheStartedWorksParts();
};

void TestInParts::partsStartAtLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qsizetype>("least");
    QTest::addColumn<bool>("split"); // whether a machine of several processors splits them
    QByteArray lines;
    for (int i = 0; i < 20000; ++i)
        lines += "\"09-Dec-26\"," + QByteArray::number(i) + "\r\n";
    QTest::newRow("many lines") << lines << qsizetype(4096) << true;
    QTest::newRow("smaller than two parts") << lines << qsizetype(lines.size() / 2 + 1) << false;
    QTest::newRow("just smaller than four parts") << lines << qsizetype(lines.size() / InParts::kFewestParts + 1)
                                                  << false;
    QTest::newRow("four parts") << lines << qsizetype(lines.size() / InParts::kFewestParts) << true;
    QTest::newRow("no line feed") << QByteArray(100000, 'x') << qsizetype(1000) << false;
    QTest::newRow("a line feed only at the end") << QByteArray(100000, 'x') + '\n' << qsizetype(1000) << false;
    QTest::newRow("two long lines") << QByteArray(60000, 'x') + '\n' + QByteArray(60000, 'y') + '\n'
                                    << qsizetype(1000) << true;
}

void TestInParts::partsStartAtLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qsizetype, least);
    QFETCH(bool, split);
    const QList<qsizetype> starts = InParts::lineStarts(bytes, least);
    QVERIFY(!starts.isEmpty());
    QCOMPARE(starts.first(), 0);
    if (std::thread::hardware_concurrency() > 1)
        QCOMPARE(starts.size() > 1, split);
    QByteArray joined;
    for (qsizetype i = 0; i < starts.size(); ++i) {
        const QByteArrayView part = InParts::part(bytes, starts, i);
        QVERIFY(!part.isEmpty());
        if (i > 0)
            QCOMPARE(bytes[starts[i] - 1], '\n');
        if (i + 1 < starts.size())
            QVERIFY(part.size() >= least);
        joined += part;
    }
    QCOMPARE(joined, bytes);
}

// Every index runs once, also when two threads run jobs at the same time
// and share the threads kept for them.
void TestInParts::everyPartRunsOnce()
{
    constexpr qsizetype count = 64;
    std::vector<std::atomic<int>> runs(2 * count);
    const auto job = [&](qsizetype offset) {
        for (int round = 0; round < 50; ++round) {
            InParts::run(count, [&](qsizetype i) {
                runs[size_t(offset + i)]++;
                volatile int spin = 0;
                for (int k = 0; k < 1000 * int(i % 7); ++k)
                    spin = spin + k;
            });
        }
    };
    std::thread other(job, count);
    job(0);
    other.join();
    for (size_t i = 0; i < runs.size(); ++i)
        QCOMPARE(runs[i].load(), 50);
    int ran = 0;
    InParts::run(1, [&](qsizetype) { ++ran; });
    InParts::run(0, [&](qsizetype) { ++ran; });
    QCOMPARE(ran, 1);
}

// Work started ahead runs once, whether its caller finishes it at once (and
// may run it itself), later or only as it goes, and its own parts each run
// once on the threads it finds: also while another thread runs jobs.
void TestInParts::startedWorkRunsOnce()
{
    constexpr qsizetype count = 32;
    constexpr int rounds = 60;
    std::vector<std::atomic<int>> parts(size_t(rounds * count));
    std::vector<std::atomic<int>> works(rounds);
    std::atomic<bool> stop{false};
    std::thread other([&] {
        while (!stop)
            InParts::run(16, [](qsizetype) {});
    });
    for (int round = 0; round < rounds; ++round) {
        InParts::Started started([&, round] {
            works[size_t(round)]++;
            InParts::run(count, [&](qsizetype i) { parts[size_t(round * count + i)]++; });
        });
        if (round % 3 == 1)
            std::this_thread::sleep_for(std::chrono::microseconds(300));
        if (round % 3 != 2)
            started.finish();
        // Done once finished: what it wrote is seen here.
        if (round % 3 != 2)
            QCOMPARE(works[size_t(round)].load(), 1);
    }
    stop = true;
    other.join();
    for (int round = 0; round < rounds; ++round)
        QCOMPARE(works[size_t(round)].load(), 1);
    for (size_t i = 0; i < parts.size(); ++i)
        QCOMPARE(parts[i].load(), 1);
}

// Work given up before a kept thread takes it never runs; work given up
// after is waited for: given up, it has run whole or not at all.
void TestInParts::abandonedWorkRunsWholeOrNot()
{
    // Behind work that keeps the first kept thread busy, it is not taken.
    std::atomic<bool> release{false};
    InParts::Started busy([&] {
        while (!release)
            std::this_thread::yield();
    });
    std::atomic<int> ran{0};
    {
        InParts::Started waiting([&] { ran++; });
        waiting.abandon();
    }
    release = true;
    busy.finish();
    QCOMPARE(ran.load(), 0);

    for (int round = 0; round < 40; ++round) {
        std::atomic<bool> begun{false};
        std::atomic<bool> ended{false};
        InParts::Started work([&] {
            begun = true;
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            ended = true;
        });
        std::this_thread::sleep_for(std::chrono::microseconds(25 * (round % 8)));
        work.abandon();
        QCOMPARE(ended.load(), begun.load());
        work.finish(); // nothing more once given up
        QCOMPARE(ended.load(), begun.load());
    }
}

// The one who waits for started work that a kept thread took helps with
// the parts that work goes over, rather than wait for the kept threads to
// wake for them: here the parts the kept threads take hold them until the
// waiter has run one.
void TestInParts::waiterHelpsWithTheStartedWorksParts()
{
    if (std::thread::hardware_concurrency() < 2)
        QSKIP("no thread is kept on a machine of one processor");
    const auto waiter = std::this_thread::get_id();
    constexpr qsizetype count = 64;
    std::atomic<bool> waiterRan{false};
    std::atomic<bool> partsBegun{false};
    std::atomic<int> ran{0};
    InParts::Started started([&] {
        InParts::run(count, [&](qsizetype) {
            if (std::this_thread::get_id() == waiter) {
                waiterRan = true;
            } else {
                partsBegun = true;
                const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
                while (!waiterRan && std::chrono::steady_clock::now() < until)
                    std::this_thread::yield();
            }
            ran++;
        });
    });
    while (!partsBegun)
        std::this_thread::yield();
    started.finish();
    QVERIFY(waiterRan);
    QCOMPARE(ran.load(), int(count));
}

QTEST_GUILESS_MAIN(TestInParts)
#include "tst_inparts.moc"
