#include <gtest/gtest.h>

#include "htmlview/ids.h"
#include "htmlview/indents.h"

using namespace htmlview;

namespace {

struct Place : TIDObject {
    explicit Place(int y) : y(y) {}
    int GetYPosition() override { return y; }
    int y;
};

// A document whose sections hold source positions 0..999, 10 pixels a position.
struct Document : TChPosDocument {
    bool YOfSourcePosition(int pos, int& y) override {
        if (pos < 0 || pos >= 1000) return false;
        y = pos * 10;
        return true;
    }
};

TEST(IDNameList, NamesAreCaseBlindAndTheLastOneWins) {
    Document doc;
    TIDNameList ids(&doc);
    Place first(5), second(7);
    ids.AddObject("Top", &first);
    ids.AddObject("TOP", &second);
    ids.AddChPosObject("chapter", 12);
    ids.AddChPosObject("lost", 5000);
    EXPECT_EQ(ids.Count(), 3);
    EXPECT_EQ(ids.Find("top"), &second);
    EXPECT_EQ(ids.Find("Chapter")->GetYPosition(), 120);
    EXPECT_EQ(ids.Find("lost")->GetYPosition(), 0); // no section holds it
    EXPECT_EQ(ids.Find("nowhere"), nullptr);
    ids.AddObject("chapter", &first); // replaces (and frees) the owned place
    EXPECT_EQ(ids.Find("CHAPTER"), &first);
    ids.Clear();
    EXPECT_EQ(ids.Find("top"), nullptr);
}

// Two floats of no owner at 0..99 (left, 50 wide) and 20..59 (right at 300),
// and one left float of another cell's owner.
class Indents : public ::testing::Test {
  protected:
    void SetUp() override {
        m.Reset(10, 400);
        m.AddLeft(50, 0, 100);
        m.AddRight(300, 20, 60);
        m.CurrentID = &other;
        m.AddLeft(200, 0, 500);
        m.CurrentID = nullptr;
    }
    IndentManagerBasic m;
    int other = 0;
};

TEST_F(Indents, EdgesSeeOnlyTheirOwnersFloats) {
    EXPECT_EQ(m.LeftIndent(0), 60);   // 50 + left edge; the other owner's 200 unseen
    EXPECT_EQ(m.LeftIndent(100), 10); // ended
    EXPECT_EQ(m.RightSide(19), 400);  // not started: the right edge
    EXPECT_EQ(m.RightSide(20), 310);
    m.CurrentID = &other;
    EXPECT_EQ(m.LeftIndent(0), 210);
    EXPECT_EQ(m.LeftIndent(300), 210);
}

TEST_F(Indents, DeletingARecordLeavesTheOthersOfTheSameBottom) {
    const int wider = m.AddLeft(70, 0, 100);
    EXPECT_EQ(m.LeftIndent(50), 80);
    m.DeleteLeft(0); // the 50 wide one, ending at 100 too
    EXPECT_EQ(m.LeftIndent(50), 80);
    m.DeleteLeft(wider - 1);
    EXPECT_EQ(m.LeftIndent(50), 10);
    EXPECT_EQ(m.ImageBottom(), 60); // the right float is left
    m.DeleteLeft(5);                // no such record
    m.CurrentID = &other;
    EXPECT_EQ(m.LeftIndent(50), 210);
}

TEST_F(Indents, BottomsCountOnlyFloatsWithoutOwner) {
    EXPECT_EQ(m.ImageBottom(), 100);
    int cl = -1, cr = -1;
    m.GetClearY(cl, cr);
    EXPECT_EQ(cl, 101);
    EXPECT_EQ(cr, 61);
    EXPECT_EQ(m.GetNextWiderY(10), 60);
    EXPECT_EQ(m.GetNextWiderY(60), 100);
    EXPECT_EQ(m.GetNextWiderY(100), 100); // nothing ends below
    m.DeleteLeft(0);
    m.DeleteRight(0);
    m.GetClearY(cl, cr);
    EXPECT_EQ(cl, 0);
    EXPECT_EQ(cr, 0);
    EXPECT_EQ(m.ImageBottom(), 0);
}

} // namespace
