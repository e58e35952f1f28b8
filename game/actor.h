// CActor: the directional animated body of everything that walks, flies or is thrown.
#pragma once
#include <cstdint>

#include "game/actor_strip_set.h"
#include "game/animation_mode.h"
#include "game/attack.h"
#include "game/visual.h"
#include "util/timer.h"

enum SteeringMode : int32_t {
    STEER_NORMAL = 0,
    STEER_CHASE = 2,  // steer even while standing
};

class CActor : public CVisual {
public:
    // Feet anchor, not tappable, a random facing and a random walkable place in the depth band.
    CActor();

    void set_direction(int d);
    // Turns but keeps the frame number, applied even when the direction is unchanged.
    void set_direction_keep_frame(int d);
    void set_strip_set(CStripSet* set);
    void play_backward_from_end();
    // One frame on in the mode (see AnimationMode); true when a loop wrapped or a single play ended.
    bool step_animation(int32_t mode);
    int32_t frame_count() const;

    void set_move_target(int32_t tx, int32_t ty);
    void set_move_target_thing(uint32_t thingId);
    void clear_move_target();
    // One turn step toward the move target; true on arrival (the target is then cleared).
    bool walk_toward_target();
    void face_target();
    void random_turn();
    // Speed toward the target speed, a step along the facing scaled by depth, walkability, the wrap.
    void move();
    // After a refused step: one turn clockwise. True when it turned.
    bool unblock();
    void stun(uint32_t ms);

    // The point distance ahead along the facing (scaled by depth; diagonals foreshortened).
    void point_ahead(int32_t distance, int32_t* outX, int32_t* outY) const;
    bool possible_to_hit_entity(int32_t reach, int32_t radius, uint32_t thingId) const;
    // Area attack (message 1) at the point reach ahead, to every thing in the list.
    void strike(int32_t reach, int32_t radius, int32_t damage, int32_t owner);
    void strike_all(int32_t reach, int32_t radius, int32_t damage);
    // Pickup probe (message 3) at the own position.
    void probe_pickups(int32_t radius);
    // The thing exists in this actor's list and is an actor with its alive flag set.
    bool is_alive(uint32_t thingId) const;

    // Message 1 received: 1 when it hit (message 2 with the damage was sent to this actor), else 0.
    int32_t receive_area_attack(const AttackRecord* record);
    // Message 3 received: whether the probe reaches this thing (alive or not is the caller's test).
    bool pickup_probe_reaches(const AttackRecord* record) const;
    // For creatures: 2 applies hit(value, 0); 1 is an area attack while alive; other codes give 0.
    int32_t combat_message(int32_t code, AttackRecord* record, int32_t value);

    int32_t frame = 1;  // from 1
    uint8_t reverse = 0;
    int32_t animMode = ANIM_LOOP;
    CTimer frameTimer;
    uint32_t frameDelay = 0;
    CStripSet* stripSet = nullptr;
    int32_t direction = 6;
    int32_t lastDirection = -1;
    float speed = 0.0f;        // pixels per hundredth of a second
    float targetSpeed = 0.0f;
    float acceleration = 0.0f; // speed change per hundredth of a second
    float horizontalMultiplier = 1.0f;
    float verticalMultiplier = 1.0f;
    uint8_t blocked = 0;       // the last step was refused as not walkable
    int32_t moveTargetX = 0;
    int32_t moveTargetY = 0;
    uint8_t moveTargetActive = 0;
    uint8_t tracking = 0;      // the target point follows trackedId
    uint32_t trackedId = 0;
    int32_t arrivalDistance = 20;
    int32_t steeringMode = STEER_NORMAL;
    int32_t health = 1;
    int32_t fullHealth = 1;
    int32_t armour = 0;
    uint8_t alive = 1;
    uint32_t targetId = 0;     // 0 none
    int32_t lastHitBy = -1;
    int32_t damageDealt = 0;   // total of the area attacks this thing delivered
    uint8_t stunned = 0;
    CTimer stunTimer;
    CTimer waitTimer;          // for the creatures' own pacing
    CTimer reactionTimer;

private:
    // Shows the current frame of the current direction's strip and takes its size.
    void show_frame();
    void apply_direction(int d, bool keepFrame);
    bool steer(bool stopOnArrival);
};
