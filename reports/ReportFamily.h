#pragma once

#include "ReportChoice.h"

#include "common/PrintColumns.h"

#include <QDate>
#include <QString>

#include <memory>

class Settings;

// What a report family is given at every page and printout: the report
// choice as it stands, the data folder, the settings and today's date.
struct ReportInput
{
    ReportChoice choice;
    QString dataFolder;
    const Settings *settings = nullptr;
    QDate today;
};

// How the report window came to draw a page.
enum class PageWay {
    Opening,  // page 1, when the window opens
    Next,     // the Next button
    Previous, // the Previous button
};

// One screen page: what the page box shows, and a message for the user
// (a file that could not be read whole, a day without foods) shown once
// the page is drawn; empty for none.
struct ReportPage
{
    ColumnPage page;
    QString message;
};

// The whole report on paper.
struct ReportPrintout
{
    // Every printed page; the printer begins a new page by itself where the
    // text reaches the foot of a page.
    ColumnPage pages;
    // Shown after printing (or, when nothing is printed, instead of it).
    QString message;
    // False sends nothing to the printer.
    bool print = true;
    // The report sounds its own click before it prints.
    bool clickSound = false;
};

// A report family: the pages and the printout of one kind of report, made
// from the report choice and the data files alone. A family holds no
// widgets and keeps nothing between calls; every call reads its files
// afresh, so a page always shows the files as they are.
//
// Screen pages are drawn on the cleared page box in the page box's font
// (kScreenFont), whose size and style the page sets. The printout starts in
// kPaperFont, 10 points, plain and black, on pages whose units are twips
// (1440 to the inch) from the top left of the printable area.
class ReportFamily
{
public:
    virtual ~ReportFamily();

    // Screen page `page` (1 and up) of the report.
    virtual ReportPage page(const ReportInput &input, int page, PageWay way) const = 0;
    // The whole report for the printer.
    virtual ReportPrintout printout(const ReportInput &input) const = 0;
};

namespace ReportFamilies {

inline const QString kScreenFont = QStringLiteral("Helvatica");
inline const QString kPaperFont = QStringLiteral("MS Sans Serif");
inline constexpr double kPaperFontSize = 10;

// The logo at the top of the exercise-log, template and description
// printouts, shipped in the data folder.
inline const QString kLogoFile = QStringLiteral("smallglobe.jpg");

// The family of a report type.
std::unique_ptr<ReportFamily> make(ReportType type);

// Adds the logo of the data folder at its own size with its top left
// corner 10 twips from the top left of the page. A missing or unreadable
// picture adds nothing: the printout goes without it.
void addLogo(ColumnPage &page, const QString &dataFolder);

} // namespace ReportFamilies
