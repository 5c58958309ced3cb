#include "ReportPaging.h"

#include <limits>

namespace ReportPaging {

namespace {

Step turned(qint16 page, int by, int limit)
{
    Step s;
    // The counter never passes the limit through the buttons; the sum is
    // kept within 16 bits all the same.
    s.page = qint16(qBound(int(std::numeric_limits<qint16>::min()), int(page) + by, int(std::numeric_limits<qint16>::max())));
    if (s.page < 1) {
        s.page = 1;
        s.previous = Change::Disable;
        return s;
    }
    const bool both = by > 0 ? s.page > 1 && s.page < limit : s.page < limit;
    if (both) {
        s.previous = Change::Enable;
        s.next = Change::Enable;
    } else {
        s.next = Change::Disable;
    }
    return s;
}

} // namespace

Step next(qint16 page, int limit)
{
    return turned(page, 1, limit);
}

Step previous(qint16 page, int limit)
{
    return turned(page, -1, limit);
}

} // namespace ReportPaging
