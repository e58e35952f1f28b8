// CLoader: the loading indicator, a small animation kept moving while a level's pictures load.
#pragma once
#include <cstdint>

class CSceneSprite;

class CLoader {
public:
    // The game's one indicator (Loader) hooks itself into strip loading, so every strip that loads while it
    // is shown advances it.
    CLoader();
    ~CLoader();
    CLoader(const CLoader&) = delete;
    CLoader& operator=(const CLoader&) = delete;

    // Plays the strip at (x, y) screen pixels, a new frame at every draw.
    void initialise(int x, int y, const char* stripName);
    void set_position(int x, int y);
    void show(uint8_t flag);
    // When shown: the animation steps and draws straight into the back buffer, which is then presented.
    void draw();

    uint8_t visible = 0;
    CSceneSprite* sprite = nullptr;

private:
    uint8_t drawing = 0;  // its own strip loading from inside draw must not draw again
};

extern CLoader Loader;
