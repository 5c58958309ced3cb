#pragma once

#include "ReportFamily.h"

#include <QString>
#include <QStringList>

// The catalogue descriptions of the selected weight-training exercises:
// on the screen one exercise a page with its muscle group, name and
// description; on paper every selected exercise one after another under
// the logo. An exercise the catalogue no longer has shows its name alone.
class DescriptionReport : public ReportFamily
{
public:
    ReportPage page(const ReportInput &input, int page, PageWay way) const override;
    ReportPrintout printout(const ReportInput &input) const override;

    // Where a description's lines break: at character 105 on the screen,
    // 95 on paper.
    static constexpr int kScreenBreak = 105;
    static constexpr int kPaperBreak = 95;

    // The lines of a description, each but the last ending with the first
    // blank at or after character `at` (counted from 1) of what is left; a
    // line break typed into the description also ends a line. An empty
    // description has none.
    static QStringList lines(const QString &description, int at);

    // The muscle group of a catalogue code ("Bi" gives "Biceps"); a code of
    // no group shows as it is stored.
    static QString groupName(const QString &code);
};
