#include "eval/VariableTable.h"
#include "eval/EEValError.h"
#include "eval/Evaluator.h"
#include "numeric/Failure.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Fills all 101 slots with V0 ... V100, holding 0 ... 100.
void fill(eval::VariableTable &table)
{
    for (int i = 0; i < static_cast<int>(eval::VariableTable::Capacity); ++i)
        ASSERT_TRUE(table.assign("V" + std::to_string(i), i));
}

TEST(VariableTable, LookUpIgnoresTheCaseOfAsciiLetters)
{
    eval::VariableTable table;
    EXPECT_FALSE(table.find("x"));
    EXPECT_TRUE(table.assign("Flow", 1.5L));
    const char *spellings[] = {"flow", "FLOW", "fLoW"};
    for (const char *name : spellings) {
        SCOPED_TRACE(name);
        EXPECT_EQ(table.find(name), 1.5L);
    }
    EXPECT_TRUE(table.assign("FLOW", 2.5L)); // the same variable
    EXPECT_EQ(table.find("flow"), 2.5L);
    EXPECT_EQ(table.size(), 1u);
}

TEST(VariableTable, HoldsOneHundredAndOneNames)
{
    eval::VariableTable table;
    fill(table);
    EXPECT_TRUE(table.full());
    EXPECT_EQ(table.find("v100"), 100.0L);
    EXPECT_TRUE(table.assign("v50", -1)); // an existing name still takes a value
    EXPECT_EQ(table.find("V50"), -1.0L);
    EXPECT_FALSE(table.assign("V101", 1)); // a new one does not
    EXPECT_FALSE(table.find("V101"));
    EXPECT_EQ(table.size(), eval::VariableTable::Capacity);
}

TEST(VariableTable, AssignmentsThroughTheEvaluatorWhenFull)
{
    eval::VariableTable table;
    fill(table);
    EXPECT_EQ(eval::Evaluate("v7=3*4", table), 12);
    EXPECT_EQ(table.find("V7"), 12.0L);
    try {
        eval::Evaluate("(NEW=5)*2", table);
        ADD_FAILURE() << "stored a 102nd name";
    } catch (const eval::EEValError &e) {
        // Context after the assigned expression.
        EXPECT_STREQ(e.what(), "変数を確保できません。)*2");
    }
    EXPECT_FALSE(table.find("NEW"));
}

TEST(VariableTable, AssignmentsBeforeAFailureStay)
{
    // Each text fails; the table shows what the evaluator stored on the way.
    const struct
    {
        const char *text;
        const char *name;
        bool stored;
        long double value;
    } cases[] = {
        {"(X=5)+Y", "X", true, 5},        // Y undefined after X was stored
        {"(S=1))", "S", true, 1},         // end check after the assignment
        {"A=(B=2)+LN(0)", "B", true, 2},  // inner assignment done, outer not
        {"A=(B=2)+LN(0)", "A", false, 0}, // right side failed: nothing stored
        {"Q=1/0", "Q", false, 0},         {"R=(1", "R", false, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.text) + " / " + c.name);
        eval::VariableTable table;
        EXPECT_THROW(eval::Evaluate(c.text, table), numeric::Failure);
        const auto value = table.find(c.name);
        EXPECT_EQ(value.has_value(), c.stored);
        if (c.stored && value) {
            EXPECT_EQ(*value, c.value);
        }
    }
}

} // namespace
