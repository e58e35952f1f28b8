// Choosing the sound output at start-up and giving it back at exit.
#pragma once

// Starts SDL's audio (the driver from the platform configuration: "dummy" when headless, "disk" when a
// run records its sound) and makes it the mixer's device. Call after platform_init and before anything
// plays or reads the volume. False when there is no audio output; the game runs on silently.
bool sound_startup();
// Ends every channel and closes the device; call before platform_shutdown.
void sound_shutdown();
