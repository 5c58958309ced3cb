#include "common/ImageSurface.h"
#include "common/PrintColumns.h"
#include "common/RecordingSurface.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QtTest>

Q_DECLARE_METATYPE(ColumnPage)

namespace {

// A fixed-width test metric: every character is as many pixels wide as the
// font has points, and a line twice that high. So one column is one
// character, and a size-10 line is 20 pixels.
class MetricSurface : public RecordingSurface
{
public:
    explicit MetricSurface(const QSizeF &area = QSizeF(400, 1000)) : RecordingSurface(area) {}

protected:
    QSizeF textPixels(const QString &text) const override
    {
        const double points = font().pointSizeF();
        return QSizeF(points * text.size(), 2 * points);
    }
};

// Each text as "text@x,y".
QStringList placed(const RecordingSurface &s)
{
    QStringList out;
    for (const RecordingSurface::Call &c : s.calls(RecordingSurface::Call::Text))
        out << QStringLiteral("%1@%2,%3").arg(c.text).arg(c.from.x()).arg(c.from.y());
    return out;
}

MetricSurface &sized(MetricSurface &s, double points)
{
    QFont f = s.font();
    f.setPointSizeF(points);
    s.setFont(f);
    return s;
}

} // namespace

// The rules of the print-column engine, with a metric where one column is
// one character.
class TestPrintColumns : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void columnRules_data();
    void columnRules();
    void paperBeginsPagesByItself();
    void screenRunsBelowItsEdge();
    void pictureLeavesThePositionAlone();
    void followsAFlippedScale();
    void averageWidthOfARealFont();
};

void TestPrintColumns::columnRules_data()
{
    QTest::addColumn<ColumnPage>("page");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("transcript");

    QTest::newRow("column n lies n - 1 characters in") << ColumnPage().text(5, "ab") << QStringList{"ab@40,0"}
                                                      << "ab";
    QTest::newRow("a text without a column follows directly")
        << ColumnPage().text(3, "ab").text("cd") << QStringList{"ab@20,0", "cd@40,0"} << "ab cd";
    QTest::newRow("past the column goes to the next line")
        << ColumnPage().text(1, "abcdefgh").text(5, "x") << QStringList{"abcdefgh@0,0", "x@40,20"}
        << "abcdefgh\nx";
    QTest::newRow("ending on the column is not past it")
        << ColumnPage().text(1, "abcd").text(5, "x") << QStringList{"abcd@0,0", "x@40,0"} << "abcd x";
    QTest::newRow("a line end goes to the left edge of the next line")
        << ColumnPage().text(3, "a").lineEnd().text("b") << QStringList{"a@20,0", "b@0,20"} << "a\nb";
    QTest::newRow("two empty lines at the start of a line leave two")
        << ColumnPage().twoEmptyLines().text(1, "a") << QStringList{"a@0,40"} << "\n\na";
    QTest::newRow("two empty lines after text end it and leave one")
        << ColumnPage().text(1, "a").twoEmptyLines().text(1, "b") << QStringList{"a@0,0", "b@0,40"} << "a\n\nb";
    QTest::newRow("numbers with a blank before and after")
        << ColumnPage().number(1, 300).number(-2.5).number(0).number(0.05)
        << QStringList{" 300 @0,0", "-2.5 @50,0", " 0 @100,0", " 0.05 @130,0"} << " 300  -2.5   0   0.05 ";
    QTest::newRow("a number at a column")
        << ColumnPage().text(2, "07-Dec-26").number(19, 45).text("min")
        << QStringList{"07-Dec-26@10,0", " 45 @180,0", "min@220,0"} << "07-Dec-26  45  min";
    QTest::newRow("columns are as wide as the current font's characters")
        << ColumnPage().size(20).text(3, "x").lineEnd().size(5).text(3, "y")
        << QStringList{"x@40,0", "y@10,40"} << "x\ny";
    QTest::newRow("runs of other sizes stand on the line's top; the line ends by the current size")
        << ColumnPage().size(20).text(1, "A").size(10).text("b").lineEnd().text(1, "c")
        << QStringList{"A@0,0", "b@20,0", "c@0,20"} << "A b\nc";
    QTest::newRow("a page end on the screen is passed over")
        << ColumnPage().text(1, "a").newPage().text(1, "b") << QStringList{"a@0,0", "b@0,20"} << "a\nb";
}

void TestPrintColumns::columnRules()
{
    QFETCH(ColumnPage, page);
    QFETCH(QStringList, texts);
    QFETCH(QString, transcript);
    MetricSurface s;
    sized(s, 10);
    ColumnPainter painter(s);
    painter.run(page);
    QCOMPARE(placed(s), texts);
    QCOMPARE(painter.transcript(), transcript);
    QCOMPARE(painter.pages(), 1);
}

// On paper a text that would reach below the foot starts a new page, in its
// column; the report's own page end starts one at the left edge, but never
// an empty page.
void TestPrintColumns::paperBeginsPagesByItself()
{
    MetricSurface s(QSizeF(400, 100)); // five 20-pixel lines a page
    sized(s, 10);
    QStringList pageStarts;
    ColumnPainter painter(s);
    painter.setNewPage([&] {
        pageStarts << QString::number(s.calls(RecordingSurface::Call::Text).size());
        s.setCurrent({0, 0});
    });
    ColumnPage page;
    for (int i = 1; i <= 6; ++i)
        page.text(3, QString::number(i)).lineEnd();
    page.newPage().newPage().text(2, "x");
    painter.run(page);

    QCOMPARE(placed(s), (QStringList{"1@20,0", "2@20,20", "3@20,40", "4@20,60", "5@20,80", "6@20,0", "x@10,0"}));
    QCOMPARE(pageStarts, (QStringList{"5", "6"}));
    QCOMPARE(painter.pages(), 3);
    QCOMPARE(painter.transcript(), QStringLiteral("1\n2\n3\n4\n5\n\f6\n\fx"));
}

void TestPrintColumns::screenRunsBelowItsEdge()
{
    MetricSurface s(QSizeF(400, 100));
    sized(s, 10);
    ColumnPainter painter(s);
    ColumnPage page;
    for (int i = 1; i <= 7; ++i)
        page.text(1, QString::number(i)).lineEnd();
    painter.run(page);
    QCOMPARE(placed(s).last(), QStringLiteral("7@0,120"));
    QCOMPARE(painter.pages(), 1);
}

void TestPrintColumns::pictureLeavesThePositionAlone()
{
    MetricSurface s;
    sized(s, 10);
    ColumnPainter painter(s);
    QImage logo(8, 8, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    painter.run(ColumnPage().picture(logo, QRectF(10, 10, 90, 90)).text(3, "t"));
    const QList<RecordingSurface::Call> pictures = s.calls(RecordingSurface::Call::Picture);
    QCOMPARE(pictures.size(), 1);
    QCOMPARE(pictures.first().from, QPointF(10, 10));
    QCOMPARE(pictures.first().to, QPointF(100, 100));
    QCOMPARE(placed(s), QStringList{"t@20,0"});

    // On a real image the picture is drawn where its box says.
    ImageSurface image(QSize(100, 100));
    ColumnPainter(image).run(ColumnPage().picture(logo, QRectF(10, 10, 20, 20)));
    QCOMPARE(image.image().pixelColor(20, 20), QColor(Qt::blue));
    QCOMPARE(image.image().pixelColor(40, 40), QColor(Qt::white));
}

// With y growing upwards (a graph's printed page), lines go down as seen.
void TestPrintColumns::followsAFlippedScale()
{
    MetricSurface s(QSizeF(400, 400));
    sized(s, 10);
    s.scale(0, 400, 400, 0);
    s.setCurrent({0, 400});
    ColumnPainter painter(s);
    painter.run(ColumnPage().text(2, "a").lineEnd().text(2, "b"));
    QCOMPARE(placed(s), (QStringList{"a@10,400", "b@10,380"}));
}

// The average character width of a proportional font lies between its
// narrow and its wide letters, and grows with the size.
void TestPrintColumns::averageWidthOfARealFont()
{
    ImageSurface s(QSize(800, 200));
    QFont f(QStringLiteral("Nimbus Sans"));
    f.setPointSizeF(9);
    s.setFont(f);
    const double nine = ColumnPainter::columnWidth(s);
    QVERIFY(nine > s.textWidth("i") && nine < s.textWidth("M"));
    f.setPointSizeF(18);
    s.setFont(f);
    QVERIFY(qAbs(ColumnPainter::columnWidth(s) - 2 * nine) < 1.0);
}

PULSAR_TEST_MAIN(TestPrintColumns)
#include "tst_printcolumns.moc"
