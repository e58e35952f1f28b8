// CActor combat: reach tests, strikes and pickup probes as broadcasts, receiving them, stun, alive checks.
#include <cmath>

#include "game/actor.h"
#include "game/thing_list.h"
#include "util/log.h"

namespace {

// Plain Euclidean distance; doubles, so far-apart points never overflow.
double distance_between(int32_t x0, int32_t y0, int32_t x1, int32_t y1)
{
    const double dx = double(x1) - double(x0);
    const double dy = double(y1) - double(y0);
    return std::sqrt(dx * dx + dy * dy);
}

}  // namespace

bool CActor::possible_to_hit_entity(int32_t reach, int32_t radius, uint32_t thingId) const
{
    const CVisual* other = ownerList ? dynamic_cast<const CVisual*>(ownerList->find_thing(thingId)) : nullptr;
    if (!other) {
        log_msg("possible_to_hit_entity says entity doesn't exist!");
        return false;
    }
    int32_t px = 0, py = 0;
    point_ahead(reach, &px, &py);
    const float within = float(scalePercent) * 0.01f * float(radius);
    return distance_between(px, py, other->x, other->y) <= double(within);
}

void CActor::strike(int32_t reach, int32_t radius, int32_t damage, int32_t owner)
{
    if (!ownerList) return;
    AttackRecord record;
    record.source = int32_t(id);
    record.owner = owner;
    point_ahead(reach, &record.x, &record.y);
    record.radius = radius;
    record.damage = damage;
    ownerList->broadcast(MSG_AREA_ATTACK, &record, 0);
}

void CActor::strike_all(int32_t reach, int32_t radius, int32_t damage) { strike(reach, radius, damage, -1); }

void CActor::probe_pickups(int32_t radius)
{
    if (!ownerList) return;
    AttackRecord record;
    record.source = int32_t(id);
    record.owner = int32_t(id);
    record.x = x;
    record.y = y;
    record.radius = radius;
    ownerList->broadcast(MSG_PICKUP_PROBE, &record, 0);
}

bool CActor::is_alive(uint32_t thingId) const
{
    const CActor* other = ownerList ? dynamic_cast<const CActor*>(ownerList->find_thing(thingId)) : nullptr;
    return other && other->alive;
}

void CActor::stun(uint32_t ms)
{
    stunned = 1;
    stunTimer.set_interval(ms);
}

int32_t CActor::receive_area_attack(const AttackRecord* record)
{
    if (!record || !alive) return 0;
    // Neither the striker nor the one who sent it is hurt by its own blow.
    if (record->source == int32_t(id) || record->owner == int32_t(id)) return 0;
    // Far things are smaller, so the circle shrinks with depth, but only halfway.
    const float reach = float(record->radius) * float((scalePercent + 100) / 2) * 0.01f;
    if (distance_between(record->x, record->y, x, y) > double(reach)) return 0;

    lastHitBy = record->owner;
    message(MSG_DIRECT_DAMAGE, nullptr, record->damage);
    if (ownerList)
        if (auto* source = dynamic_cast<CActor*>(ownerList->find_thing(uint32_t(record->source))))
            source->damageDealt += record->damage;
    return 1;
}

bool CActor::pickup_probe_reaches(const AttackRecord* record) const
{
    if (!record || record->source == int32_t(id)) return false;
    const float within = float(scalePercent) * 0.01f * float(record->radius);
    return distance_between(record->x, record->y, x, y) <= double(within);
}

int32_t CActor::combat_message(int32_t code, AttackRecord* record, int32_t value)
{
    if (code == MSG_DIRECT_DAMAGE) {
        hit(value, 0);
        return 0;
    }
    if (code == MSG_AREA_ATTACK && alive) return receive_area_attack(record);
    return 0;
}
