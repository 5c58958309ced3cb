#pragma once

#include "ReportFamily.h"

// Blank workout sheets for the selected exercises. The screen lists, four
// exercises further on each page, every selected exercise's column
// headings and name under the category; paper adds the logo, the user's
// first name with " Template", today's date and, under each
// weight-training exercise, a row of blank cells per set to fill in by
// hand.
//
// "Weightlifting" takes the exercises from the weight-training catalogue,
// any other category from the aerobic one. An exercise the catalogue no
// longer has shows its name alone.
class TemplateReport : public ReportFamily
{
public:
    ReportPage page(const ReportInput &input, int page, PageWay way) const override;
    ReportPrintout printout(const ReportInput &input) const override;

    // Page p begins with the selected exercise after the first 4 (p - 1).
    static constexpr int kStep = 4;
    // The printed footer, in blue after the eighth exercise.
    static const QString kFooter;
    // The heading's suffix after the first name: "<FirstName> Template".
    static const QString kTitleSuffix; // " Template"
};
