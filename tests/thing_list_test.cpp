// CThingList: ids, draw order, the two-pass think, re-sorting, taps, messages and the cursor walk.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "game/thing_list.h"

namespace {

struct Journal {
    std::vector<uint32_t> thought, drawn, hits, tapped, messages;
    std::vector<int32_t> amounts, flags;
    int deleted = 0;
};

// A thing that writes down what the list does to it; it covers a rectangle for taps.
class Probe : public CThing {
public:
    Probe(Journal& j, int32_t key, int l = 0, int t = 0, int r = 0, int b = 0) : journal(j), box{l, t, r, b}
    {
        sortKey = key;
    }
    ~Probe() override { ++journal.deleted; }
    void think() override
    {
        journal.thought.push_back(id);
        if (removeOnThink)
            removeFlag = 1;
        if (spawnKey)
            ownerList->add_thing(new Probe(journal, *spawnKey));
        spawnKey.reset();
    }
    void draw() override { journal.drawn.push_back(id); }
    void hit(int32_t amount, int32_t flag) override
    {
        journal.hits.push_back(id);
        journal.amounts.push_back(amount);
        journal.flags.push_back(flag);
    }
    bool contains_point(int32_t x, int32_t y) override
    {
        return x >= box[0] && y >= box[1] && x < box[2] && y < box[3];
    }
    int32_t message(int32_t code, AttackRecord*, int32_t) override
    {
        if (code == MSG_TAPPED)
            journal.tapped.push_back(id);
        else
            journal.messages.push_back(id);
        return 1;
    }

    Journal& journal;
    int box[4];
    bool removeOnThink = false;
    std::optional<int32_t> spawnKey;
};

std::vector<uint32_t> draw_order(CThingList& list, Journal& j)
{
    j.drawn.clear();
    list.draw_all();
    return j.drawn;
}

} // namespace

TEST(ThingList, IdsStartAtOneAndAreNeverReused)
{
    Journal j;
    CThingList list;
    auto* first = new Probe(j, 0);
    EXPECT_EQ(list.add_thing(first), 1u);
    EXPECT_EQ(first->id, 1u);
    EXPECT_EQ(first->ownerList, &list);
    EXPECT_EQ(list.add_thing(new Probe(j, 0)), 2u);
    first->removeFlag = 1;
    list.think_all();
    EXPECT_EQ(list.find_thing(1), nullptr);
    EXPECT_EQ(list.add_thing(new Probe(j, 0)), 3u);
    list.clear();
    EXPECT_EQ(j.deleted, 3);
    EXPECT_EQ(list.add_thing(new Probe(j, 0)), 4u);
    EXPECT_EQ(list.add_thing(nullptr), kNoThing);
    // adopt numbers the same way and answers 0, not kNoThing, for what it cannot take.
    EXPECT_EQ(list.adopt(new Probe(j, 0)), 5u);
    EXPECT_EQ(list.adopt(nullptr), 0u);
}

TEST(ThingList, DrawsAndMessagesByAscendingKeyWithTheLaterOfEqualKeysBeneath)
{
    Journal j;
    CThingList list;
    uint32_t a = list.add_thing(new Probe(j, 10));
    uint32_t b = list.add_thing(new Probe(j, 5));
    uint32_t c = list.add_thing(new Probe(j, 10));
    uint32_t d = list.add_thing(new Probe(j, 20));
    EXPECT_EQ(draw_order(list, j), (std::vector<uint32_t>{b, c, a, d}));
    EXPECT_EQ(list.highest_sort_key(), 20);
    EXPECT_EQ(list.broadcast(MSG_AREA_ATTACK, nullptr, 0), 0);   // messages go in the same order
    EXPECT_EQ(j.messages, (std::vector<uint32_t>{b, c, a, d}));
}

TEST(ThingList, ResortMovesChangedThingsOnly)
{
    Journal j;
    CThingList list;
    uint32_t a = list.add_thing(new Probe(j, 1));
    uint32_t b = list.add_thing(new Probe(j, 2));
    uint32_t c = list.add_thing(new Probe(j, 3));
    list.find_thing(a)->set_sort_key(5);
    list.find_thing(c)->set_sort_key(2);   // now equal to b: re-inserted beneath it
    EXPECT_EQ(list.highest_sort_key(), 5);   // known before the resort
    list.resort();
    EXPECT_EQ(draw_order(list, j), (std::vector<uint32_t>{c, b, a}));
    EXPECT_EQ(list.find_thing(a)->resortFlag, 0);
    list.find_thing(b)->set_sort_key(2);   // unchanged key: no flag, no move
    list.resort();
    EXPECT_EQ(draw_order(list, j), (std::vector<uint32_t>{c, b, a}));
}

TEST(ThingList, ThingRemovedDuringThinkIsGoneBeforeTheDraw)
{
    Journal j;
    CThingList list;
    uint32_t a = list.add_thing(new Probe(j, 1));
    auto* leaving = new Probe(j, 2);
    uint32_t b = list.add_thing(leaving);
    uint32_t c = list.add_thing(new Probe(j, 3));
    leaving->removeOnThink = true;
    list.think_all();
    EXPECT_EQ(j.thought, (std::vector<uint32_t>{a, b, c}));   // it finished its own think
    EXPECT_EQ(j.deleted, 1);
    EXPECT_EQ(list.find_thing(b), nullptr);
    EXPECT_EQ(draw_order(list, j), (std::vector<uint32_t>{a, c}));
    EXPECT_EQ(list.count(), 2);
}

TEST(ThingList, ThingsAddedDuringThinkThinkOnlyWhenBehind)
{
    Journal j;
    CThingList list;
    auto* parent = new Probe(j, 10);
    list.add_thing(parent);
    parent->spawnKey = 20;   // lands behind the parent: thinks this pass
    list.think_all();
    EXPECT_EQ(j.thought, (std::vector<uint32_t>{1, 2}));
    j.thought.clear();
    parent->spawnKey = 0;    // lands in front: waits for the next pass
    list.think_all();
    EXPECT_EQ(j.thought, (std::vector<uint32_t>{1, 2}));
    EXPECT_EQ(list.count(), 3);
}

TEST(ThingList, TapReachesTheTopThingOnly)
{
    Journal j;
    CThingList list;
    EXPECT_EQ(list.thing_at_point(5, 5, 0, 0), kNoThing);   // empty list
    uint32_t low = list.add_thing(new Probe(j, 1, 0, 0, 100, 100));
    uint32_t high = list.add_thing(new Probe(j, 2, 50, 50, 150, 150));
    EXPECT_EQ(list.thing_at_point(60, 60, 0, 7), high);
    EXPECT_EQ(j.hits, (std::vector<uint32_t>{high}));
    EXPECT_EQ(j.amounts, (std::vector<int32_t>{7}));
    EXPECT_EQ(j.flags, (std::vector<int32_t>{0}));
    EXPECT_EQ(j.tapped, (std::vector<uint32_t>{high}));
    EXPECT_EQ(list.thing_at_point(10, 10, 0, 0), low);   // outside the top thing: the one below
    EXPECT_EQ(list.thing_at_point(500, 500, 0, 0), kNoThing);
}

TEST(ThingList, TapAnswersClickResultOrNothingForNoClickThings)
{
    Journal j;
    CThingList list;
    auto* button = new Probe(j, 1, 0, 0, 10, 10);
    list.add_thing(button);
    button->clickResult = 42;
    EXPECT_EQ(list.thing_at_point(1, 1, 0, 0), 42u);
    button->noClickFlag = 1;
    EXPECT_EQ(list.thing_at_point(1, 1, 0, 0), kNoThing);
    EXPECT_EQ(j.hits.size(), 2u);   // still hit and told, only its answer is withheld
    EXPECT_EQ(j.tapped.size(), 2u);
}

TEST(ThingList, TapOnAllHitsEveryThingUnderThePoint)
{
    Journal j;
    CThingList list;
    uint32_t a = list.add_thing(new Probe(j, 1, 0, 0, 100, 100));
    list.add_thing(new Probe(j, 2, 200, 200, 300, 300));
    uint32_t c = list.add_thing(new Probe(j, 3, 0, 0, 50, 50));
    EXPECT_EQ(list.thing_at_point(10, 10, 1, 9), c);
    EXPECT_EQ(j.hits, (std::vector<uint32_t>{a, c}));
    EXPECT_EQ(j.flags, (std::vector<int32_t>{1, 1}));
    EXPECT_TRUE(j.tapped.empty());
    EXPECT_EQ(list.thing_at_point(150, 150, 1, 0), kNoThing);
}

TEST(ThingList, MoveToTopNeedsAList)
{
    Journal j;
    CThingList list;
    EXPECT_EQ(list.highest_sort_key(), -1);
    Probe loose(j, 4);
    testing::internal::CaptureStderr();
    loose.move_to_top();
    EXPECT_NE(testing::internal::GetCapturedStderr().find("ERROR:  move_to_top can't be called in constructor!"),
              std::string::npos);
    EXPECT_EQ(loose.sortKey, 4);

    uint32_t a = list.add_thing(new Probe(j, -5));
    uint32_t b = list.add_thing(new Probe(j, 30));
    list.find_thing(a)->move_to_top();
    list.resort();
    EXPECT_EQ(list.find_thing(a)->sortKey, 31);
    EXPECT_EQ(draw_order(list, j), (std::vector<uint32_t>{b, a}));
}

TEST(ThingList, CursorWalkRestartsAtTheEndAndSurvivesRemoval)
{
    Journal j;
    CThingList list;
    EXPECT_EQ(list.first_thing(), nullptr);
    CThing* a = list.find_thing(list.add_thing(new Probe(j, 1)));
    CThing* b = list.find_thing(list.add_thing(new Probe(j, 2)));
    CThing* c = list.find_thing(list.add_thing(new Probe(j, 3)));
    EXPECT_EQ(list.first_thing(), a);
    EXPECT_EQ(list.next_thing(), b);
    EXPECT_EQ(list.next_thing(), c);
    EXPECT_EQ(list.next_thing(), nullptr);
    EXPECT_EQ(list.next_thing(), a);   // starts over

    EXPECT_EQ(list.next_thing(), b);
    b->removeFlag = 1;                 // the thing under the cursor goes
    list.think_all();
    EXPECT_EQ(list.next_thing(), c);

    EXPECT_EQ(list.first_thing(), a);
    a->removeFlag = 1;
    list.think_all();
    EXPECT_EQ(list.next_thing(), c);
    list.clear();
    EXPECT_EQ(list.next_thing(), nullptr);
}
