// CThing: the base of everything on screen that thinks, draws or is tapped, kept in a CThingList.
#pragma once
#include <cstdint>

class CThingList;
struct AttackRecord;

// Message codes sent between things (message()).
enum ThingMessage : int32_t {
    MSG_AREA_ATTACK = 1,
    MSG_DIRECT_DAMAGE = 2,
    MSG_PICKUP_PROBE = 3,
    MSG_TAPPED = 5,
    MSG_SHRINK_AWAY = 6,
};

constexpr uint32_t kNoClickResult = 0xFFFFFFFFu;

class CThing {
public:
    CThing() = default;
    CThing(const CThing&) = delete;
    CThing& operator=(const CThing&) = delete;

    // The six operations, in this slot order.
    virtual void think() {}
    virtual void draw() {}
    virtual void hit(int32_t amount, int32_t flag) { (void)amount; (void)flag; }
    virtual bool contains_point(int32_t x, int32_t y) { (void)x; (void)y; return false; }
    virtual int32_t message(int32_t code, AttackRecord* record, int32_t value)
    {
        (void)code; (void)record; (void)value;
        return 0;
    }
    virtual ~CThing() = default;

    // A changed key makes the list re-insert the thing at the next resort.
    void set_sort_key(int32_t key)
    {
        if (key != sortKey) {
            sortKey = key;
            resortFlag = 1;
        }
    }
    // Sort key = the list's highest key + 1; defined beside the list (thing_list.cpp), which it asks.
    void move_to_top();

    int32_t sortKey = 0;                 // ascending draw order; larger is drawn later (on top)
    uint32_t id = 0;                     // given by the list on insertion, never reused
    int32_t kindNumber = 0;              // a monster keeps its kind number here
    uint32_t clickResult = kNoClickResult;  // returned by thing_at_point when this is tapped
    int32_t value = 0;                   // free for the owner's use
    uint8_t removeFlag = 0;              // deleted by the list after the think pass
    uint8_t resortFlag = 1;
    uint8_t noClickFlag = 0;
    CThingList* ownerList = nullptr;
};
