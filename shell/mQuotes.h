#pragma once

#include <QString>

class QLabel;

// The quotations of the start-up page: 39 numbered entries (1 to 39) and a
// default entry, each a quotation and an author line (" - " and the name).
namespace mQuotes {

struct Quote {
    QString text;
    QString author;
};

inline constexpr int kCount = 39;
// Quotations this long or longer are shown a little smaller.
inline constexpr int kLongQuote = 126;
inline constexpr qreal kDesignedSize = 14.25;
inline constexpr qreal kLongSize = 14;
// The draw that greets the reader by first name instead.
inline constexpr int kPersonalDraw = 32;

// Entry n for n from 1 to 39; the default entry for any other n.
Quote entry(int n);
// The personalised entry: the first name followed by a sentence of
// encouragement (which begins with a blank), and its author line.
Quote personal(const QString &firstName);

// Writes entry n into the page's labels: `quotation` gets the text and
// `author` the author line; a quotation of kLongQuote characters or more
// gets the font size kLongSize, a shorter one keeps its size.
void ShowQuote(qint16 &n, QLabel *quotation, QLabel *author);

} // namespace mQuotes
