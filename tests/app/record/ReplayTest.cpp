// Reading a journal back: notes, deletions, clear-all, the cap, and damaged
// lines, in every order they can come in.
#include "app/record/journal/Replay.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace j = app::record::journal;

namespace {

std::string rec(const std::string &id, const std::string &note = "")
{
    j::Record r;
    r.id = id;
    r.time = {1717200000000, 0};
    r.page = "配管計算";
    r.note = note;
    r.fields = {{"P_Flow", "流量", id, "L/min", j::Role::Input, false}};
    return j::EncodeLine(r);
}

std::string note(const std::string &id, const std::string &text)
{
    return j::EncodeLine(j::NoteChange{id, text});
}

std::string del(std::vector<std::string> ids)
{
    return j::EncodeLine(j::Deletion{std::move(ids)});
}

std::string clear()
{
    return j::EncodeLine(j::ClearAll{});
}

// "id" or "id:note" for each record kept, oldest first.
std::vector<std::string> kept(const j::ReadBack &back)
{
    std::vector<std::string> out;
    for (const j::Record &r : back.records)
        out.push_back(r.note.empty() ? r.id : r.id + ":" + r.note);
    return out;
}

struct ReplayCase
{
    const char *name;
    std::string journal;
    std::size_t cap;
    std::vector<std::string> expected;
};

class ReplayCaseTest : public ::testing::TestWithParam<ReplayCase>
{
};

TEST_P(ReplayCaseTest, KeepsWhatTheLinesSay)
{
    EXPECT_EQ(kept(j::Replay(GetParam().journal, GetParam().cap)), GetParam().expected);
}

// Each expectation follows from applying the lines in file order.
INSTANTIATE_TEST_SUITE_P(
    Journals, ReplayCaseTest,
    ::testing::Values(
        ReplayCase{"Empty", "", 10, {}},
        ReplayCase{"InOrder", rec("a") + rec("b") + rec("c"), 10, {"a", "b", "c"}},
        ReplayCase{"CapKeepsTheNewest", rec("a") + rec("b") + rec("c") + rec("d"), 2, {"c", "d"}},
        ReplayCase{
            "NoteApplies", rec("a") + rec("b") + note("a", "系統A-3"), 10, {"a:系統A-3", "b"}},
        ReplayCase{"LatestNoteWins", rec("a") + note("a", "1") + note("a", "2"), 10, {"a:2"}},
        ReplayCase{"NoteCanBeEmptied", rec("a", "x") + note("a", ""), 10, {"a"}},
        ReplayCase{"NoteBeforeItsRecordChangesNothing", note("a", "early") + rec("a"), 10, {"a"}},
        ReplayCase{"Deletion", rec("a") + rec("b") + rec("c") + del({"a", "c"}), 10, {"b"}},
        ReplayCase{"DeletionOfUnknownIdIsHarmless", rec("a") + del({"zz"}), 10, {"a"}},
        ReplayCase{"DeletedRecordsMakeRoomUnderTheCap",
                   rec("a") + rec("b") + rec("c") + del({"c"}),
                   2,
                   {"a", "b"}},
        ReplayCase{
            "ClearRemovesEverythingBefore", rec("a") + rec("b") + clear() + rec("c"), 10, {"c"}},
        ReplayCase{"NoteAfterClearFindsNothing", rec("a") + clear() + note("a", "x"), 10, {}},
        ReplayCase{"RepeatedIdKeepsTheLaterCopy",
                   rec("a", "old") + rec("b") + rec("a", "new"),
                   10,
                   {"b", "a:new"}},
        ReplayCase{"BlankAndWindowsLines",
                   "\n" + rec("a") + "\r\n\n" + rec("b").substr(0, rec("b").size() - 1) + "\r\n",
                   10,
                   {"a", "b"}},
        ReplayCase{"LastLineWithoutNewline",
                   rec("a") + rec("b").substr(0, rec("b").size() - 1),
                   10,
                   {"a", "b"}}),
    [](const auto &p) { return std::string(p.param.name); });

TEST(ReplayTest, DamagedLinesAreSetAsideInFileOrder)
{
    const std::string truncated = rec("t").substr(0, 30);
    const std::string future = "{\"v\":4,\"type\":\"record\",\"shape\":\"oval\"}";
    const std::string unknown =
        "{\"v\":1,\"type\":\"note\",\"id\":\"a\",\"note\":\"x\",\"by\":\"me\"}";
    const std::string garbage("\x00\x01\xff\xfe", 4);
    const std::string journal = garbage + "\n" + rec("a") + future + "\n" + unknown + "\n" +
                                rec("b") + truncated; // a crash cut the last line short
    const j::ReadBack back = j::Replay(journal, 10);
    EXPECT_EQ(kept(back), (std::vector<std::string>{"a", "b"}));
    ASSERT_EQ(back.damaged.size(), 4u);
    EXPECT_EQ(back.damaged[0], garbage);
    EXPECT_EQ(back.damaged[1], future);
    EXPECT_EQ(back.damaged[2], unknown);
    EXPECT_EQ(back.damaged[3], truncated);
    EXPECT_EQ(back.futureLines, 1u);
    EXPECT_EQ(back.lines, 6u);
    EXPECT_EQ(j::DamagedText(back.damaged),
              garbage + "\n" + future + "\n" + unknown + "\n" + truncated + "\n");
}

TEST(ReplayTest, CountsWhatTheCapLeftOut)
{
    const j::ReadBack back = j::Replay(rec("a") + rec("b") + rec("c") + del({"b"}), 1);
    EXPECT_EQ(kept(back), std::vector<std::string>{"c"});
    EXPECT_EQ(back.beyondCap, 1u); // "a"; "b" was deleted
    EXPECT_EQ(back.lines, 4u);
}

TEST(ReplayTest, RewrittenJournalReadsTheSame)
{
    const std::string journal =
        rec("a") + rec("b") + note("b", "系統A-3") + rec("c") + del({"a"}) + rec("d");
    const j::ReadBack back = j::Replay(journal, 10);
    const std::string compact = j::JournalText(back.records);
    EXPECT_EQ(kept(j::Replay(compact, 10)), kept(back));
    EXPECT_EQ(j::Replay(compact, 10).lines, 3u);
}

struct CompactionCase
{
    const char *name;
    std::string journal;
    std::string compacted;
};

class CompactionTest : public ::testing::TestWithParam<CompactionCase>
{
};

// Written anew while the program runs, the journal keeps the lines this
// version cannot read (a later version's, appended by another running copy,
// or a damaged one) where they stood among the records, for the next start
// to set aside with a notice; what a clear-all removed goes, readable or not.
TEST_P(CompactionTest, KeepsUnreadableLinesInTheirPlace)
{
    const std::string &journal = GetParam().journal;
    const j::ReadBack back = j::Replay(journal, 2);
    EXPECT_EQ(j::CompactedText(journal, back), GetParam().compacted);
}

const std::string Future = "{\"v\":4,\"type\":\"record\",\"id\":\"z\",\"shape\":\"oval\"}";
const std::string Garbage = "\x01\x02 not json";

INSTANTIATE_TEST_SUITE_P(
    Journals, CompactionTest,
    ::testing::Values(
        CompactionCase{"OnlyRecords", rec("a") + rec("b") + note("b", "x") + del({"a"}),
                       rec("b", "x")},
        CompactionCase{"UnreadableLinesBetweenRecords",
                       rec("a") + Future + "\n" + rec("b") + Garbage + "\n" + rec("c"),
                       Future + "\n" + rec("b") + Garbage + "\n" + rec("c")},
        CompactionCase{"UnreadableLinesAtBothEnds", Garbage + "\n" + rec("a") + Future + "\r\n",
                       Garbage + "\n" + rec("a") + Future + "\r\n"},
        CompactionCase{"CutOffLastLine", rec("a") + rec("b").substr(0, 20),
                       rec("a") + rec("b").substr(0, 20) + "\n"},
        CompactionCase{"ClearAllTakesEverythingBefore",
                       Future + "\n" + rec("a") + clear() + Garbage + "\n" + rec("b"),
                       Garbage + "\n" + rec("b")}),
    [](const auto &p) { return std::string(p.param.name); });

TEST(ReplayTest, BinaryGarbageWithoutLineBreaksIsOneDamagedLine)
{
    std::string garbage(1 << 20, '\0');
    for (std::size_t i = 0; i < garbage.size(); ++i) {
        const auto byte = static_cast<char>((i * 7919) % 251);
        garbage[i] = byte == '\n' ? 'x' : byte;
    }
    const j::ReadBack back = j::Replay(garbage, 10);
    EXPECT_TRUE(back.records.empty());
    EXPECT_EQ(back.damaged.size(), 1u);
}

} // namespace
