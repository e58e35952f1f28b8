// Names of the strips and pictures the creature generator writes, for the level scripts and the archive packer.
#pragma once

// Creature folders under "graphics\": the hero and every monster kind's frames.
inline constexpr const char* kCreatureFolders[] = {"goddess", "alian", "zombie", "wolf", "ant", "vamp",
                                                   "snow",    "gmean", "plall",  "frog", "dfly"};

// Projectiles (single strips shown at any heading).
inline constexpr const char* kStripFireball = "graphics\\misc\\fire_ball_";
inline constexpr const char* kStripSuperFireball = "graphics\\misc\\super_fire_ball_";
inline constexpr const char* kStripLightning = "graphics\\misc\\blue_star_";
inline constexpr const char* kStripExplosion = "graphics\\explosion\\explod";
inline constexpr const char* kStripDragonFly = "graphics\\dfly\\dfly_fly_6_00";
inline constexpr const char* kPictureShadowSmall = "graphics\\misc\\shadow_small.tga";
inline constexpr const char* kPictureShadowBig = "graphics\\misc\\shadow_big.tga";
inline constexpr const char* kStripSmoke = "graphics\\misc\\smokesmall";

// Pickups: the health pickup (ping-pong) and the time gate (played once, holds its last frame).
inline constexpr const char* kStripHealth = "graphics\\misc\\health_2_00";
inline constexpr const char* kStripTimeGate = "graphics\\interface\\pod_";

// The cannon emplacement: frame 1 is the cannon at rest, then the shot (flash, recoil, smoke) and back
// to rest on the last frame, so the same strip serves as the still picture and as the firing strip.
// The muzzle is at the top left of the frame; the carriage stands on the bottom centre.
inline constexpr const char* kStripCannon = "graphics\\cannon\\cannon_fire_00";
