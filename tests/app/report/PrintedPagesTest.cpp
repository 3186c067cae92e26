// How printed pages fill: a block that does not fit goes to a new page (and
// the new page's heading comes first), a block taller than a page stays on
// an empty one instead of breaking forever, and breaking an empty page does
// nothing. Counted without a painter, as the report counts before it paints.
#include "app/ui/PrintedPages.h"

#include <QBuffer>
#include <QPdfWriter>

#include <gtest/gtest.h>

namespace {

using app::ui::PrintedPages;

struct FillCase
{
    const char *name;
    std::vector<double> blocks; // heights, as fractions of the usable page
    int pages;
    int headings; // onNewPage calls
};

const FillCase FillCases[] = {
    {"OneSmallBlock", {0.3}, 1, 0},
    {"ThreeThirdsFillOnePage", {0.3, 0.3, 0.3}, 1, 0},
    {"FourthThirdBreaks", {0.3, 0.3, 0.3, 0.3}, 2, 1},
    {"TallerThanAPageStaysOnTheEmptyOne", {1.5}, 1, 0},
    {"TallAfterASmallBreaksOnce", {0.2, 1.5}, 2, 1},
};

class PrintedPagesTest : public ::testing::TestWithParam<FillCase>
{
};

TEST_P(PrintedPagesTest, BlocksBreakWhereTheyDoNotFit)
{
    const FillCase &c = GetParam();
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QPdfWriter writer(&bytes);
    PrintedPages pages(nullptr, writer);
    int headings = 0;
    pages.onNewPage = [&headings] { ++headings; };
    const qreal usable = pages.bottom() - pages.top();
    for (const double block : c.blocks) {
        pages.need(block * usable);
        pages.y += block * usable;
    }
    pages.breakPage(); // the last page is not empty: a new one
    pages.breakPage(); // that one is: nothing
    EXPECT_EQ(pages.number(), c.pages + 1);
    EXPECT_EQ(headings, c.headings);
}

INSTANTIATE_TEST_SUITE_P(Fill, PrintedPagesTest, ::testing::ValuesIn(FillCases),
                         [](const auto &param) { return std::string(param.param.name); });

} // namespace
