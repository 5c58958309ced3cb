#pragma once

#include <QColor>
#include <QString>
#include <array>

// The legend beside a progress graph: six swatches with their captions. A
// drawing procedure shows an entry and gives it its colour (and, where the
// graph names its own series, its caption); the window shows what it says.
struct GraphLegend
{
    struct Entry
    {
        bool shown = false;
        QColor colour;
        QString caption; // empty: the caption the window was built with
    };
    static constexpr int kEntries = 6;

    std::array<Entry, kEntries + 1> entries; // 1 to 6; 0 is unused

    // Shows entry n (1 to 6) in the colour; nothing for another n.
    void show(int n, const QColor &colour, const QString &caption = QString());
    bool isShown(int n) const;
};

// The drawing state of one progress graph, set by the reader that walks the
// log and read by the drawing procedures. Every graph starts from a fresh
// state, on the screen and on paper alike.
struct GraphState
{
    int groupIndex = 0; // 1 for the newest shown entry
    int step = 1;       // the viewing period's sampling step
    QString dateText;   // of the entry being drawn
    bool dateShown = false; // the group's date label is drawn
    int setCounter = 0;     // calls of a line procedure within a group

    // The last point of each line series (1 to 5); a previous X of 0 means
    // the series has no point yet.
    std::array<int, 6> previousX{};
    std::array<int, 6> previousY{};

    bool viewValues = false; // print the weight or repetitions on the bars

    GraphLegend legend;
    // The caption under the graph; empty keeps "Sets Grouped By Date".
    QString groupCaption;
};
