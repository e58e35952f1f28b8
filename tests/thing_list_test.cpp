// CThingList: ids, draw order, the two-pass think, re-sorting, taps, messages and the cursor walk.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "game/thing_list.h"

namespace {

struct Journal {
    std::vector<uint32_t> thought, drawn, hits, tapped, messages;
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
        if (removeOnThink) removeFlag = 1;
        if (spawnKey) ownerList->add_thing(new Probe(journal, *spawnKey));
        spawnKey.reset();
    }
    void draw() override { journal.drawn.push_back(id); }
    void hit(int32_t, int32_t) override { journal.hits.push_back(id); }
    bool contains_point(int32_t x, int32_t y) override
    {
        return x >= box[0] && y >= box[1] && x < box[2] && y < box[3];
    }
    int32_t message(int32_t code, AttackRecord*, int32_t) override
    {
        (code == MSG_TAPPED ? journal.tapped : journal.messages).push_back(id);
        return 1;
    }

    Journal& journal;
    int box[4];
    bool removeOnThink = false;
    std::optional<int32_t> spawnKey;
};

class ThingList : public ::testing::Test {
protected:
    // A probe with this key (and tap rectangle) added to the list; its id.
    uint32_t add(int32_t key, int l = 0, int t = 0, int r = 0, int b = 0)
    {
        return list.add_thing(new Probe(j, key, l, t, r, b));
    }
    Probe* probe(uint32_t id) { return static_cast<Probe*>(list.find_thing(id)); }
    std::vector<uint32_t> draw_order()
    {
        j.drawn.clear();
        list.draw_all();
        return j.drawn;
    }

    Journal j;  // outlives the list, which deletes its probes
    CThingList list;
};

}  // namespace

TEST_F(ThingList, IdsStartAtOneAndAreNeverReused)
{
    EXPECT_EQ(add(0), 1u);
    EXPECT_EQ(add(0), 2u);
    probe(1)->removeFlag = 1;
    list.think_all();
    EXPECT_EQ(add(0), 3u);
    list.clear();
    EXPECT_EQ(j.deleted, 3);
    EXPECT_EQ(add(0), 4u);
    EXPECT_EQ(list.add_thing(nullptr), kNoThing);
    // adopt numbers the same way and answers 0, not kNoThing, for what it cannot take.
    EXPECT_EQ(list.adopt(new Probe(j, 0)), 5u);
    EXPECT_EQ(list.adopt(nullptr), 0u);
}

TEST_F(ThingList, DrawsAndMessagesByAscendingKeyWithTheLaterOfEqualKeysBeneathAndResortMovesChangedThingsOnly)
{
    uint32_t a = add(10), b = add(5), c = add(10), d = add(20);
    EXPECT_EQ(draw_order(), (std::vector<uint32_t>{b, c, a, d}));
    EXPECT_EQ(list.broadcast(MSG_AREA_ATTACK, nullptr, 0), 0);   // messages go in the same order
    EXPECT_EQ(j.messages, (std::vector<uint32_t>{b, c, a, d}));

    probe(b)->set_sort_key(30);
    probe(d)->set_sort_key(10);   // now equal to a and c: re-inserted beneath them
    EXPECT_EQ(list.highest_sort_key(), 30);   // known before the resort
    list.resort();
    EXPECT_EQ(draw_order(), (std::vector<uint32_t>{d, c, a, b}));
    EXPECT_EQ(probe(b)->resortFlag, 0);
    probe(a)->set_sort_key(10);   // unchanged key: no flag, no move
    list.resort();
    EXPECT_EQ(draw_order(), (std::vector<uint32_t>{d, c, a, b}));

    probe(d)->move_to_top();
    list.resort();
    EXPECT_EQ(probe(d)->sortKey, 31);
    EXPECT_EQ(draw_order(), (std::vector<uint32_t>{c, a, b, d}));
    Probe loose(j, 4);
    testing::internal::CaptureStderr();
    loose.move_to_top();
    EXPECT_NE(testing::internal::GetCapturedStderr().find("ERROR:  move_to_top can't be called in constructor!"),
              std::string::npos);
    EXPECT_EQ(loose.sortKey, 4);
}

TEST_F(ThingList, ThingsRemovedDuringThinkAreGoneBeforeTheDrawAndThoseAddedThinkOnlyWhenBehind)
{
    uint32_t a = add(10), b = add(20), c = add(30);
    probe(b)->removeOnThink = true;
    probe(a)->spawnKey = 40;   // lands behind its parent: thinks this pass
    list.think_all();
    EXPECT_EQ(j.thought, (std::vector<uint32_t>{a, b, c, 4}));   // b finished its own think
    EXPECT_EQ(j.deleted, 1);
    EXPECT_EQ(list.find_thing(b), nullptr);
    EXPECT_EQ(draw_order(), (std::vector<uint32_t>{a, c, 4}));
    j.thought.clear();
    probe(c)->spawnKey = 0;    // lands in front: waits for the next pass
    list.think_all();
    EXPECT_EQ(j.thought, (std::vector<uint32_t>{a, c, 4}));
    EXPECT_EQ(list.count(), 4);
}

TEST_F(ThingList, TapReachesTheTopThingAndNoClickWithholdsOnlyItsAnswer)
{
    // Which of the things under a point is hit is VisualTest's; here the list's part.
    EXPECT_EQ(list.thing_at_point(5, 5, 0, 0), kNoThing);   // empty list
    uint32_t low = add(1, 0, 0, 100, 100);
    uint32_t high = add(2, 50, 50, 150, 150);
    EXPECT_EQ(list.thing_at_point(60, 60, 0, 0), high);
    EXPECT_EQ(j.hits, (std::vector<uint32_t>{high}));
    EXPECT_EQ(j.tapped, (std::vector<uint32_t>{high}));
    EXPECT_EQ(list.thing_at_point(10, 10, 0, 0), low);   // outside the top thing: the one below
    probe(low)->noClickFlag = 1;
    EXPECT_EQ(list.thing_at_point(1, 1, 0, 0), kNoThing);
    EXPECT_EQ(j.hits.size(), 3u);   // still hit and told, only its answer is withheld
    EXPECT_EQ(j.tapped.size(), 3u);
}

TEST_F(ThingList, CursorWalkRestartsAtTheEndAndSurvivesRemoval)
{
    EXPECT_EQ(list.first_thing(), nullptr);
    CThing* a = probe(add(1));
    CThing* b = probe(add(2));
    CThing* c = probe(add(3));
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
