#include "Flushes.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <utility>

#include <unistd.h>

#if defined(__linux__)
#include <linux/aio_abi.h>
#include <pthread.h>
#include <sys/syscall.h>
#endif

namespace Flushes {

namespace {
Answers g_watch;

void watch(const std::vector<int> &fds, std::vector<int> &errors)
{
    if (g_watch)
        g_watch(fds, errors);
}
} // namespace

void watchForTests(Answers answers)
{
    g_watch = std::move(answers);
}

#if defined(__linux__)
namespace {

// At most this many flushes asked for in one request.
constexpr long kAtOnce = 64;

// Counts the fork()s: a child has none of its parent's contexts.
std::atomic<unsigned> g_forks{0};

// The context a thread asks for flushes through: made at its first
// flushes, kept, and ended as the thread ends (ending one waits for every
// processor; the process's own thread leaves it to the process's end).
struct Context
{
    aio_context_t id = 0; // 0 where the system makes none
    unsigned madeAt = 0;  // g_forks when it was made
    bool tried = false;
    ~Context()
    {
        if (id != 0 && madeAt == g_forks.load() && ::syscall(SYS_gettid) != ::getpid())
            ::syscall(SYS_io_destroy, id);
    }
};

Context &context()
{
    static const bool counted = [] {
        ::pthread_atfork(nullptr, nullptr, [] { g_forks++; });
        return true;
    }();
    (void)counted;
    thread_local Context c;
    const unsigned forks = g_forks.load();
    if (!c.tried || c.madeAt != forks) {
        c.tried = true;
        c.madeAt = forks;
        c.id = 0;
        if (::syscall(SYS_io_setup, kAtOnce, &c.id) != 0)
            c.id = 0;
    }
    return c;
}

} // namespace
#endif

std::vector<int> together(const std::vector<int> &fds)
{
    constexpr int kNotYet = -1;
    std::vector<int> errors(fds.size(), kNotYet);
#if defined(__linux__)
    Context *c = fds.size() > 1 ? &context() : nullptr;
    const aio_context_t ctx = c ? c->id : 0;
    for (size_t from = 0; ctx != 0 && from < fds.size(); from += size_t(kAtOnce)) {
        const size_t count = std::min(fds.size() - from, size_t(kAtOnce));
        std::vector<iocb> requests(count);
        std::vector<iocb *> asked(count);
        for (size_t k = 0; k < count; ++k) {
            requests[k] = iocb{};
            requests[k].aio_fildes = __u32(fds[from + k]);
            requests[k].aio_lio_opcode = IOCB_CMD_FSYNC;
            requests[k].aio_data = __u64(from + k);
            asked[k] = &requests[k];
        }
        std::vector<io_event> events(count); // made first: nothing throws once they are asked
        // Those the system refuses (a file it flushes no such way), and
        // those after them, are flushed one by one below.
        const long submitted = std::max(::syscall(SYS_io_submit, ctx, long(count), asked.data()), 0L);
        for (long got = 0; got < submitted;) {
            const long n = ::syscall(SYS_io_getevents, ctx, 1L, submitted - got, events.data(), nullptr);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                // What was asked cannot be known to be on the disk, and
                // its answers could come to a later call: the context is
                // ended (which waits for them), and this thread asks one by
                // one from now on.
                const int error = n < 0 && errno != 0 ? errno : EIO;
                ::syscall(SYS_io_destroy, std::exchange(c->id, aio_context_t(0)));
                std::fill(errors.begin(), errors.end(), error);
                return errors;
            }
            for (long k = 0; k < n; ++k) {
                const io_event &e = events[size_t(k)];
                if (e.data >= from && e.data < from + count)
                    errors[size_t(e.data)] = e.res < 0 ? int(-e.res) : 0;
            }
            got += n;
        }
    }
#endif
    for (size_t k = 0; k < fds.size(); ++k) {
        if (errors[k] == kNotYet)
            errors[k] = ::fsync(fds[k]) == 0 ? 0 : errno;
    }
    watch(fds, errors);
    return errors;
}

std::vector<int> oneByOne(const std::vector<int> &fds)
{
    std::vector<int> errors(fds.size());
    for (size_t k = 0; k < fds.size(); ++k)
        errors[k] = ::fsync(fds[k]) == 0 ? 0 : errno;
    watch(fds, errors);
    return errors;
}

} // namespace Flushes
