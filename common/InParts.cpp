#include "InParts.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#include <pthread.h>

namespace InParts {

namespace {

// How long a caller whose parts are all taken looks for their end before
// it sleeps.
constexpr std::chrono::microseconds kLookingFor{1000};

inline void relax()
{
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#else
    std::this_thread::yield();
#endif
}

} // namespace

// One run() or Started: its work and how far it has gone. Shared with the threads
// that take part, so that one that comes to it late finds it still there.
struct Job
{
    std::function<void(qsizetype)> work;
    qsizetype count = 0;
    std::atomic<qsizetype> next{0};
    std::mutex mutex;
    std::condition_variable finished;
    qsizetype done = 0; // guarded by `mutex`
    std::atomic<bool> over{false}; // done == count
    // The last run() the work of a Started went over its parts with, for
    // the one who waits for the Started to help with them; guarded by
    // `mutex`.
    std::shared_ptr<Job> inner;

    std::shared_ptr<Job> innerJob()
    {
        const std::lock_guard lock(mutex);
        return inner;
    }

    // Takes parts until none is left.
    void help()
    {
        qsizetype ran = 0;
        for (qsizetype i = next++; i < count; i = next++) {
            work(i);
            ++ran;
        }
        if (ran == 0)
            return;
        bool all;
        {
            const std::lock_guard lock(mutex);
            done += ran;
            all = done == count;
            if (all)
                over.store(true, std::memory_order_release);
        }
        if (all)
            finished.notify_all();
    }

    // Waits until every part has run. A thread put to sleep takes 50 to
    // 150 µs to wake again here, more than the last parts usually need:
    // it looks again for a while before it sleeps.
    void wait()
    {
        const auto until = std::chrono::steady_clock::now() + kLookingFor;
        while (!over.load(std::memory_order_acquire) && std::chrono::steady_clock::now() < until) {
            for (int i = 0; i < 64 && !over.load(std::memory_order_relaxed); ++i)
                relax();
        }
        std::unique_lock lock(mutex);
        finished.wait(lock, [&] { return done == count; });
    }
};

namespace {

// The Started whose work runs on this thread, if any.
thread_local Job *t_started = nullptr;

// At most this many threads go over one file's parts, the caller's among
// them: past it the disk and memory, not the processors, set the pace.
constexpr unsigned kMostThreads = 8;

// A file goes into up to this many parts for each thread.
constexpr qsizetype kPartsPerThread = 4;

unsigned threadCount()
{
    static const unsigned count = std::clamp(std::thread::hardware_concurrency(), 1u, kMostThreads);
    return count;
}

// The threads kept for the parts: started at the first run that needs them,
// they wait for jobs until the program ends. A thread that sleeps takes 50
// to 150 µs to wake here, and a thread that wakes another pays for it itself,
// so a job wakes them as a tree: the caller wakes the first thread only, each
// thread the next two, and the caller starts its own part at once. Between
// jobs they sleep: threads kept looking for work slowed the caller's own
// reading, writing and checking more than they saved.
class Crew
{
public:
    static Crew &instance()
    {
        // A child process made by fork() has none of the threads: it
        // starts its own.
        static const bool forgetInChild = [] {
            ::pthread_atfork(nullptr, nullptr, [] { s_crew = nullptr; });
            return true;
        }();
        Q_UNUSED(forgetInChild);
        const std::lock_guard lock(s_starting);
        if (!s_crew)
            s_crew = new Crew(threadCount() - 1);
        return *s_crew;
    }

    // Lets `helpers` of the threads take parts of `job`. Given on the first
    // of them (work Started on it), it wakes the next ones itself; given on
    // any other, it has no helpers.
    void give(const std::shared_ptr<Job> &job, qsizetype helpers)
    {
        if (helpers <= 0 || m_members.empty())
            return;
        if (t_member) {
            if (t_member->index == 0)
                t_member->wakeBelow(job, std::min<qsizetype>(helpers + 1, qsizetype(m_members.size())));
            return;
        }
        m_members.front()->give(job, std::min<qsizetype>(helpers, qsizetype(m_members.size())));
    }

private:
    struct Member
    {
        Crew *crew = nullptr;
        qsizetype index = 0;
        std::mutex mutex;
        std::condition_variable ready;
        // A job and how many threads it wakes.
        std::deque<std::pair<std::shared_ptr<Job>, qsizetype>> jobs;

        void give(const std::shared_ptr<Job> &job, qsizetype wakes)
        {
            {
                const std::lock_guard lock(mutex);
                jobs.emplace_back(job, wakes);
            }
            ready.notify_one();
        }

        void serve()
        {
            t_member = this;
            for (;;) {
                std::shared_ptr<Job> job;
                qsizetype wakes = 0;
                {
                    std::unique_lock lock(mutex);
                    ready.wait(lock, [this] { return !jobs.empty(); });
                    std::tie(job, wakes) = std::move(jobs.front());
                    jobs.pop_front();
                }
                wakeBelow(job, wakes);
                job->help();
            }
        }

        // Gives `job` to the next two threads of the tree of the first
        // `wakes`, while parts are left.
        void wakeBelow(const std::shared_ptr<Job> &job, qsizetype wakes)
        {
            for (qsizetype child = 2 * index + 1; child <= 2 * index + 2 && child < wakes; ++child) {
                if (job->next.load() < job->count)
                    crew->m_members[size_t(child)]->give(job, wakes);
            }
        }
    };

    explicit Crew(unsigned threads)
    {
        for (unsigned i = 0; i < threads; ++i) {
            m_members.push_back(std::make_unique<Member>());
            m_members.back()->crew = this;
            m_members.back()->index = qsizetype(i);
        }
        for (const auto &member : m_members)
            std::thread([member = member.get()] { member->serve(); }).detach();
    }

    // The member this thread is, on the kept threads.
    inline static thread_local Member *t_member = nullptr;
    inline static Crew *s_crew = nullptr;
    inline static std::mutex s_starting;

    std::vector<std::unique_ptr<Member>> m_members;
};

} // namespace

QList<qsizetype> lineStarts(QByteArrayView bytes, qsizetype least)
{
    QList<qsizetype> starts{0};
    if (threadCount() < 2 || !splits(bytes.size(), least))
        return starts;
    // Several parts a thread: a thread that wakes late finds parts left,
    // and one that comes early takes more of them.
    const qsizetype parts = std::min<qsizetype>(kPartsPerThread * threadCount(),
                                                bytes.size() / std::max<qsizetype>(least, 1));
    if (parts <= 1)
        return starts;
    const qsizetype step = bytes.size() / parts;
    for (qsizetype i = 1; i < parts; ++i) {
        const qsizetype from = std::max(i * step, starts.last() + least);
        if (from >= bytes.size())
            break;
        const qsizetype feed = bytes.indexOf('\n', from);
        if (feed < 0 || feed + 1 >= bytes.size())
            break;
        starts.append(feed + 1);
    }
    return starts;
}

QByteArrayView part(QByteArrayView bytes, const QList<qsizetype> &starts, qsizetype index)
{
    const qsizetype begin = starts[index];
    const qsizetype end = index + 1 < starts.size() ? starts[index + 1] : bytes.size();
    return bytes.sliced(begin, end - begin);
}

void run(qsizetype count, const std::function<void(qsizetype)> &work)
{
    if (count <= 1) {
        if (count == 1)
            work(0);
        return;
    }
    auto job = std::make_shared<Job>();
    job->work = work;
    job->count = count;
    if (t_started) {
        const std::lock_guard lock(t_started->mutex);
        t_started->inner = job;
    }
    Crew::instance().give(job, std::min<qsizetype>(count - 1, threadCount() - 1));
    job->help();
    job->wait();
}

Started::Started(std::function<void()> work)
    : m_job(std::make_shared<Job>())
{
    m_job->work = [work = std::move(work), job = m_job.get()](qsizetype) {
        struct Current
        {
            Job *outer;
            ~Current() { t_started = outer; }
        } current{std::exchange(t_started, job)};
        work();
    };
    m_job->count = 1;
    Crew::instance().give(m_job, 1);
}

Started::~Started()
{
    finish();
}

void Started::finish()
{
    if (std::exchange(m_finished, true))
        return;
    // Run here when no kept thread has taken it yet.
    m_job->help();
    // Taken: the parts its work goes over are helped with here, while the
    // kept threads it wakes are still waking; a run() that begins after
    // the looking ends is waited for only.
    const auto until = std::chrono::steady_clock::now() + kLookingFor;
    std::shared_ptr<Job> helped;
    while (!m_job->over.load(std::memory_order_acquire) && std::chrono::steady_clock::now() < until) {
        if (std::shared_ptr<Job> inner = m_job->innerJob(); inner && inner != helped) {
            inner->help();
            helped = std::move(inner);
            continue;
        }
        for (int i = 0; i < 64 && !m_job->over.load(std::memory_order_relaxed); ++i)
            relax();
    }
    m_job->wait();
}

void Started::abandon()
{
    if (std::exchange(m_finished, true))
        return;
    // Its one part taken here and counted as run, for nobody to run.
    if (m_job->next++ < m_job->count) {
        const std::lock_guard lock(m_job->mutex);
        m_job->done = m_job->count;
        m_job->over.store(true, std::memory_order_release);
        return;
    }
    m_job->wait();
}

} // namespace InParts
