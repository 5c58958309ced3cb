#pragma once

#include <QByteArrayView>
#include <QList>

#include <functional>
#include <memory>
#include <optional>
#include <type_traits>

// A large file's bytes gone over in parts on several threads at once: a
// save that must check every record of a file it did not write itself
// checks each part on a thread of its own, so that the check costs a part's
// time rather than the whole file's.
namespace InParts {

// The least part worth a thread of its own: a thread woken for a part may
// take about as long to start as checking this many bytes of records does.
inline constexpr qsizetype kLeastPart = 128 * 1024;

// The fewest parts bytes are split into. Waking a kept thread costs the
// caller 20 to 30 µs and the thread starts 50 to 150 µs later, while the
// caller checks about 500 KB of records in that time: bytes of fewer parts
// are gone over sooner whole on the caller's thread. A weighing into a
// history of 314 KB so took 2.9 to 3.0 times its floor in memory, against
// 3.2 to 3.4 in two parts, and 1.15 to 1.2 times on disk, against 1.25 to
// 1.3.
inline constexpr qsizetype kFewestParts = 4;

// Whether `size` bytes are split into parts of at least `least` bytes
// (on a machine of several processors).
constexpr bool splits(qsizetype size, qsizetype least)
{
    return size >= kFewestParts * least;
}

// Where `bytes` splits into parts of at least `least` bytes each, a few for
// each of the threads that can go over them (the caller's and those kept
// for it), every part but the first starting just after a line feed: the
// offsets the parts start at, the first 0. One part (bytes that splits()
// refuses, or a machine of one processor) is the whole of them; a part whose
// line feed comes only at the end of the bytes is left out, so that no part
// is empty.
QList<qsizetype> lineStarts(QByteArrayView bytes, qsizetype least);

// The part `index` of `bytes` that lineStarts() split at `starts`.
QByteArrayView part(QByteArrayView bytes, const QList<qsizetype> &starts, qsizetype index);

// Runs `work(i)` for every i from 0 to `count` - 1, each once, on this
// thread and the threads kept for it; returns when all have run. `work`
// must not throw; it runs on several threads at once, so whatever it
// writes is its own part's.
void run(qsizetype count, const std::function<void(qsizetype)> &work);

struct Job;

// Work started ahead of the one who needs its end: one of the kept threads
// takes it up while the caller goes on with other things, and it may go
// over its own parts with run() on the threads that are left. finish()
// runs it on the caller's thread when no kept thread has taken it yet;
// otherwise it waits for it, taking parts of that run() itself as long as
// parts are left (when the run() begins within a millisecond of finish()),
// then waiting for the rest. The destructor finishes it too. `work` must
// not throw.
class Started
{
public:
    explicit Started(std::function<void()> work);
    ~Started();
    Started(const Started &) = delete;
    Started &operator=(const Started &) = delete;

    void finish();
    // Gives it up: it never runs when no kept thread has taken it yet; one
    // that has is waited for.
    void abandon();

private:
    std::shared_ptr<Job> m_job;
    bool m_finished = false;
};

// Looks at `bytes` in the parts lineStarts() splits them into, on several
// threads: `look(part)`, or `look(part, begin)` for one that needs where
// the part begins in `bytes`, gives each part's result, in the parts'
// order. When the bytes make one part only: none, for the caller to read
// them whole on its own thread in its own way; or, with `onePartToo`, the
// one part's result, looked at on this thread.
template <typename Result, typename Look>
std::optional<QList<Result>> lookAt(QByteArrayView bytes, qsizetype least, Look look, bool onePartToo = false)
{
    const QList<qsizetype> starts = lineStarts(bytes, least);
    if (starts.size() < 2 && !onePartToo)
        return std::nullopt;
    QList<Result> results(starts.size());
    run(starts.size(), [&](qsizetype i) {
        if constexpr (std::is_invocable_v<Look, QByteArrayView, qsizetype>)
            results[i] = look(part(bytes, starts, i), starts[i]);
        else
            results[i] = look(part(bytes, starts, i));
    });
    return results;
}

} // namespace InParts
