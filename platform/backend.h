// The window-system backend behind the platform interfaces: a real SDL window, a browser page, or none (headless).
#pragma once
#include <cstdint>
#include <deque>
#include <memory>
#include "platform/events.h"
#include "platform/platform.h"

class Backend {
public:
    virtual ~Backend() = default;
    virtual bool init(const PlatformConfig& config) = 0;
    virtual void shutdown() = 0;
    virtual bool open_window() = 0;
    virtual void close_window() = 0;
    // Shows a 240 x 320 RGB565 image; with waitForDisplay then waits for the display (vsync or the sleep cap).
    virtual void present(const uint16_t* pixels, bool waitForDisplay) = 0;
    // Appends what the window system has to the queue.
    virtual void pump(std::deque<Message>& queue) = 0;
    virtual void wait_for_event() = 0;
    virtual int message_box(const char* text, const char* caption, int style) = 0;
    virtual void raise() = 0;
    // A window system that calls the game once per display frame takes the loop here (and returns true);
    // the others leave the loop to the caller.
    virtual bool schedule_frames(bool (*)(), void (*)()) { return false; }
};

std::unique_ptr<Backend> make_sdl_backend();
std::unique_ptr<Backend> make_headless_backend();
std::unique_ptr<Backend> make_web_backend();
Backend& backend();
