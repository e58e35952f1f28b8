// CThingList: ordered insertion, the two-pass think, re-sorting, taps, messages and the cursor walk.
#include "game/thing_list.h"

#include <climits>
#include <new>

#include "util/log.h"

CThingList::~CThingList()
{
    clear();
}

void CThingList::insert_sorted(Node* node)
{
    // In front of the first thing with an equal or greater key: the newcomer is drawn beneath its equals.
    Node** link = &head;
    while (*link && (*link)->thing->sortKey < node->thing->sortKey)
        link = &(*link)->next;
    node->next = *link;
    *link = node;
    node->thing->resortFlag = 0;
}

uint32_t CThingList::add_thing(CThing* thing)
{
    if (!thing)
        return kNoThing;
    Node* node = new (std::nothrow) Node{nullptr, thing};
    if (!node) {
        log_error("Error creating new thing.");
        return kNoThing;
    }
    ++lastId;
    if (lastId == kNoThing)
        ++lastId;   // wrapped after four billion things: skip the "none" value and 0
    if (lastId == 0)
        ++lastId;
    thing->id = lastId;
    thing->ownerList = this;
    insert_sorted(node);
    return lastId;
}

uint32_t CThingList::adopt(CThing* thing)
{
    const uint32_t id = add_thing(thing);
    if (id != kNoThing)
        return id;
    delete thing;
    return 0;
}

CThing* CThingList::find_thing(uint32_t id) const
{
    for (Node* n = head; n; n = n->next)
        if (n->thing->id == id)
            return n->thing;
    return nullptr;
}

void CThingList::think_all()
{
    // The next node is read only after think() returns, so a thing inserted right behind it is reached.
    for (Node* n = head; n; n = n->next)
        n->thing->think();

    Node* prev = nullptr;
    Node** link = &head;
    while (*link) {
        Node* n = *link;
        if (!n->thing->removeFlag) {
            prev = n;
            link = &n->next;
            continue;
        }
        *link = n->next;
        if (cursor == n) {
            // Keep the walk going from the thing before; next_thing then reaches the one after.
            cursor = prev;
            if (!prev)
                restart = 1;
        }
        delete n->thing;
        delete n;
    }
}

void CThingList::draw_all()
{
    for (Node* n = head; n; n = n->next)
        n->thing->draw();
}

void CThingList::resort()
{
    bool moved = true;
    while (moved) {
        moved = false;
        for (Node** link = &head; *link; link = &(*link)->next) {
            Node* n = *link;
            if (n->thing->resortFlag) {
                *link = n->next;
                insert_sorted(n);
                moved = true;
                break;
            }
        }
    }
}

uint32_t CThingList::thing_at_point(int32_t x, int32_t y, int32_t all, int32_t amount)
{
    if (all) {
        uint32_t last = kNoThing;
        for (Node* n = head; n; n = n->next) {
            if (n->thing->contains_point(x, y)) {
                n->thing->hit(amount, all);
                last = n->thing->id;
            }
        }
        return last;
    }
    CThing* top = nullptr;
    for (Node* n = head; n; n = n->next)
        if (n->thing->contains_point(x, y))
            top = n->thing;
    if (!top)
        return kNoThing;
    top->hit(amount, 0);
    top->message(MSG_TAPPED, nullptr, 0);
    if (top->noClickFlag)
        return kNoThing;
    if (top->clickResult != kNoClickResult)
        return top->clickResult;
    return top->id;
}

int32_t CThingList::broadcast(int32_t code, AttackRecord* record, int32_t value)
{
    for (Node* n = head; n; n = n->next)
        n->thing->message(code, record, value);
    return 0;
}

int32_t CThingList::highest_sort_key() const
{
    // Not simply the tail: a thing whose key changed this frame waits for resort.
    int32_t highest = -1;
    bool any = false;
    for (Node* n = head; n; n = n->next) {
        if (!any || n->thing->sortKey > highest)
            highest = n->thing->sortKey;
        any = true;
    }
    return highest;
}

CThing* CThingList::first_thing()
{
    restart = 1;
    return next_thing();
}

CThing* CThingList::next_thing()
{
    if (restart) {
        cursor = head;
        restart = 0;
    } else {
        cursor = cursor ? cursor->next : nullptr;
    }
    if (!cursor) {
        restart = 1;
        return nullptr;
    }
    return cursor->thing;
}

void CThingList::clear()
{
    while (head) {
        Node* n = head;
        head = n->next;
        delete n->thing;
        delete n;
    }
    cursor = nullptr;
    restart = 1;
}

int CThingList::count() const
{
    int total = 0;
    for (Node* n = head; n; n = n->next)
        ++total;
    return total;
}

void CThing::move_to_top()
{
    if (!ownerList) {
        log_msg("ERROR:  move_to_top can't be called in constructor!");
        return;
    }
    int32_t highest = ownerList->highest_sort_key();
    set_sort_key(highest == INT32_MAX ? INT32_MAX : highest + 1);
}
