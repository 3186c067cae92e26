#include "app/report/DecimalColumn.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

using app::report::DecimalColumn;

// Ten units a character: where a text's decimal point stands is plain to see.
qreal Width(const QString &text)
{
    return 10.0 * text.size();
}

// The distance of the text's decimal point (or its end, for a whole number)
// from the cell's right edge.
qreal PointFromRight(const DecimalColumn &column, const QString &text)
{
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const qreal fraction = point < 0 ? 0 : Width(text.mid(point));
    return column.inset(text) + fraction;
}

TEST(DecimalColumn, NumbersStandOnTheirPoints)
{
    struct Case
    {
        const char *name;
        QStringList texts;
        qreal needed; // the widest integer part and the widest fraction
    };
    const Case cases[] = {
        {"same decimals", {"12.3", "1234.5", "-0.7"}, 60},
        {"mixed decimals", {"0.0042", "26.0", "101.325"}, 30 + 50},
        {"whole numbers among fractions", {"8000", "1500.5", "7"}, 40 + 20},
        {"signs", {"-12.25", "+3.5", "0"}, 30 + 30},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        DecimalColumn column(Width);
        for (const QString &t : c.texts)
            column.add(t);
        EXPECT_DOUBLE_EQ(column.needed(), c.needed);
        const qreal first = PointFromRight(column, c.texts.front());
        for (const QString &t : c.texts) {
            SCOPED_TRACE(t.toStdString());
            EXPECT_DOUBLE_EQ(PointFromRight(column, t), first);
            EXPECT_GE(column.inset(t), 0);
            EXPECT_LE(column.inset(t) + Width(t), column.needed());
        }
    }
}

// A text that is no number (empty, a dash, a note) stays at the right edge
// and counts in the width as it is.
TEST(DecimalColumn, OtherTextsStayAtTheEdge)
{
    DecimalColumn column(Width);
    for (const char *t : {"12.345", "", "—", "1e5", "12.3 kW", "abc.def"})
        column.add(QString::fromUtf8(t));
    for (const char *t : {"", "—", "1e5", "12.3 kW", "abc.def"}) {
        SCOPED_TRACE(t);
        EXPECT_EQ(column.inset(QString::fromUtf8(t)), 0);
    }
    EXPECT_DOUBLE_EQ(column.needed(), 70); // "12.3 kW" and "abc.def"
}

} // namespace
