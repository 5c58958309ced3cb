#pragma once

#include <QtGlobal>

// How the report window's Next and Previous move its page counter and set
// their own enabled states, with the page limit of the report shown.
namespace ReportPaging {

enum class Change { Keep, Enable, Disable };

struct Step
{
    qint16 page = 1; // the page now drawn
    Change previous = Change::Keep;
    Change next = Change::Keep;

    bool operator==(const Step &) const = default;
};

// Next (+1) or Previous (-1) from `page`:
// - below 1 the counter becomes 1 and Previous is disabled;
// - after Next, a page above 1 and below the limit enables both buttons,
//   any other page disables Next;
// - after Previous, a page below the limit enables both, the limit and
//   above disable Next.
// The page the counter names is drawn in every case.
Step next(qint16 page, int limit);
Step previous(qint16 page, int limit);

} // namespace ReportPaging
