// CThingList: owns the things of a screen, keeps them in draw order and runs, draws and taps them.
#pragma once
#include <cstdint>

#include "game/thing.h"

// add_thing and thing_at_point answer this when there is no thing.
constexpr uint32_t kNoThing = 0xFFFFFFFFu;

class CThingList {
public:
    CThingList() = default;
    ~CThingList();
    CThingList(const CThingList&) = delete;
    CThingList& operator=(const CThingList&) = delete;

    // Gives the thing the next id (the first is 1; ids are never reused), takes ownership and inserts it
    // in sort order, beneath older things with the same key. kNoThing when it cannot be inserted.
    uint32_t add_thing(CThing* thing);
    // add_thing that also cleans up: a thing the list refuses is deleted here and 0 comes back (ids start
    // at 1, so callers that keep ids in slots where 0 means none can store the answer as it is).
    uint32_t adopt(CThing* thing);
    CThing* find_thing(uint32_t id) const;
    // Every thing thinks, head to tail (things added behind the current one think in the same pass);
    // then the things that set their remove flag are deleted.
    void think_all();
    void draw_all();
    // Moves every thing whose sort key changed to its place again.
    void resort();
    // all != 0: every thing under the point is hit; the id of the last one. all == 0: the topmost thing
    // under the point is hit and told it was tapped; its click result, else its id, and kNoThing when it
    // refuses clicks. kNoThing when nothing is there.
    uint32_t thing_at_point(int32_t x, int32_t y, int32_t all, int32_t amount);
    int32_t broadcast(int32_t code, AttackRecord* record, int32_t value);
    // The largest sort key, -1 for an empty list.
    int32_t highest_sort_key() const;
    // One thing at a time: first_thing starts over; next_thing gives null at the end and then starts over.
    CThing* first_thing();
    CThing* next_thing();
    // Deletes every thing. Ids go on counting.
    void clear();
    int count() const;

private:
    struct Node {
        Node* next;
        CThing* thing;
    };
    void insert_sorted(Node* node);

    Node* head = nullptr;
    uint32_t lastId = 0;
    Node* cursor = nullptr;
    uint8_t restart = 1;
};

// The game screen's list and the menu screens' list, for the whole run.
extern CThingList GameList;
extern CThingList MenuList;
