// The SDL backend: a scaled 240 x 320 window, keyboard, mouse and game controllers, modal boxes.
#include <SDL.h>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>
#include "platform/backend.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/keys.h"
#include "platform/message_box.h"
#include "platform/screenshots.h"
#include "platform/window_settings.h"
#include "util/log.h"

namespace {
constexpr int kW = 240;
constexpr int kH = 320;
constexpr int kStickThreshold = 16000;

class SdlBackend : public Backend {
public:
    bool init(const PlatformConfig& config) override
    {
        config_ = config;
        if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
            std::fprintf(stderr, "vorlaine: cannot start the window system: %s\n", SDL_GetError());
            return false;
        }
        // Controllers are welcome but not needed.
        SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
        const std::string controls = sys_controls_path();
        if (controls_.load(controls)) log_msg("Controls read from %s.", controls.c_str());
        return true;
    }

    void shutdown() override
    {
        close_window();
        for (auto* c : controllers_) SDL_GameControllerClose(c);
        controllers_.clear();
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER | SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    }

    bool open_window() override
    {
        // The scale and fullscreen the player last left, unless the command line says otherwise.
        WindowSettings saved;
        sys_window_settings_load(&saved);
        int scale = config_.scale > 0 ? config_.scale : saved.scale;
        SDL_Rect usable;
        const bool fits_known = SDL_GetDisplayUsableBounds(0, &usable) == 0;
        if (scale <= 0 || config_.scale <= 0) {
            if (scale <= 0) scale = 3;
            while (fits_known && scale > 1 && (kW * scale > usable.w || kH * scale > usable.h)) scale--;
        }
        fullscreen_ = config_.fullscreen >= 0 ? config_.fullscreen == 1 : saved.fullscreen;
        windowed_scale_ = scale;
        window_ = SDL_CreateWindow("Vorlaine", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kW * scale, kH * scale,
                                   SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI |
                                       (fullscreen_ ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0));
        if (!window_) return false;
        log_msg("Window %d x %d (scale %d)%s.", kW * scale, kH * scale, scale, fullscreen_ ? ", fullscreen" : "");
        SDL_SetWindowMinimumSize(window_, kW, kH);
        uint32_t flags = SDL_RENDERER_ACCELERATED;
        if (!config_.uncapped) flags |= SDL_RENDERER_PRESENTVSYNC;
        renderer_ = SDL_CreateRenderer(window_, -1, flags);
        if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, 0);
        if (!renderer_) return false;
        SDL_RendererInfo info;
        vsync_ = SDL_GetRendererInfo(renderer_, &info) == 0 && (info.flags & SDL_RENDERER_PRESENTVSYNC);
        vsync_possible_ = vsync_;
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING, kW, kH);
        if (!texture_) return false;
        SDL_DisplayMode mode;
        refresh_hz_ = (SDL_GetCurrentDisplayMode(0, &mode) == 0 && mode.refresh_rate > 0) ? mode.refresh_rate : 60;
        last_present_ms_ = sys_real_tick_count();
        return true;
    }

    void close_window() override
    {
        if (window_ && !sys_window_settings_save({windowed_scale_, fullscreen_}))
            log_msg("Couldn't keep the window settings in %s.", sys_window_settings_path().c_str());
        if (texture_) SDL_DestroyTexture(texture_);
        if (renderer_) SDL_DestroyRenderer(renderer_);
        if (window_) SDL_DestroyWindow(window_);
        texture_ = nullptr;
        renderer_ = nullptr;
        window_ = nullptr;
        shown_ = false;
    }

    void present(const uint16_t* pixels, bool waitForDisplay) override
    {
        if (!renderer_) return;
        // An unchanged frame need not be drawn again: the window keeps it, or repaints it on expose.
        if (!shown_ || !std::equal(pixels, pixels + kW * kH, last_.begin())) {
            std::copy(pixels, pixels + kW * kH, last_.begin());
            shown_ = true;
            set_vsync(waitForDisplay && !config_.uncapped);
            show_last();
        }
        if (waitForDisplay) pace_to_display();
    }

    void pump(std::deque<Message>& queue) override
    {
        SDL_Event e;
        while (SDL_PollEvent(&e)) translate(e, queue);
    }

    void wait_for_event() override { SDL_WaitEventTimeout(nullptr, 100); }

    int message_box(const char* text, const char* caption, int style) override
    {
        SDL_MessageBoxButtonData ok[] = {{SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, ANSWER_OK, "OK"}};
        SDL_MessageBoxButtonData yes_no[] = {{SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, ANSWER_YES, "Yes"},
                                             {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, ANSWER_NO, "No"}};
        SDL_MessageBoxData data{};
        data.flags = message_box_warns(style) ? SDL_MESSAGEBOX_WARNING : SDL_MESSAGEBOX_INFORMATION;
        data.window = window_;
        data.title = caption;
        data.message = text;
        const bool yesNo = message_box_asks_yes_no(style);
        if (yesNo) {
            data.numbuttons = 2;
            data.buttons = yes_no;
        } else {
            data.numbuttons = 1;
            data.buttons = ok;
        }
        int answer = yesNo ? ANSWER_NO : ANSWER_OK;
        if (SDL_ShowMessageBox(&data, &answer) != 0 || answer < 0)
            answer = yesNo ? ANSWER_NO : ANSWER_OK;
        return answer;
    }

    void raise() override
    {
        if (!window_) return;
        SDL_RestoreWindow(window_);
        SDL_RaiseWindow(window_);
    }

private:
    // The largest whole scale that fits the window, centred; the rest is letterbox.
    SDL_Rect viewport() const
    {
        int w = kW, h = kH;
        SDL_GetRendererOutputSize(renderer_, &w, &h);
        int scale = std::max(1, std::min(w / kW, h / kH));
        return SDL_Rect{(w - kW * scale) / 2, (h - kH * scale) / 2, kW * scale, kH * scale};
    }

    // Window pixels to the game's 240 x 320 points; false inside the letterbox bars.
    bool to_logical(int wx, int wy, int* x, int* y) const
    {
        int ww = 1, wh = 1, ow = 1, oh = 1;
        SDL_GetWindowSize(window_, &ww, &wh);
        SDL_GetRendererOutputSize(renderer_, &ow, &oh);
        // Mouse events come in window points; the viewport is in output pixels (they differ on high-DPI).
        int px = ww > 0 ? wx * ow / ww : wx;
        int py = wh > 0 ? wy * oh / wh : wy;
        SDL_Rect vp = viewport();
        if (px < vp.x || py < vp.y || px >= vp.x + vp.w || py >= vp.y + vp.h) return false;
        *x = (px - vp.x) * kW / vp.w;
        *y = (py - vp.y) * kH / vp.h;
        return true;
    }

    // The last presented frame, drawn into the window again.
    void show_last()
    {
        SDL_UpdateTexture(texture_, nullptr, last_.data(), kW * 2);
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
        SDL_Rect dst = viewport();
        SDL_RenderCopy(renderer_, texture_, nullptr, &dst);
        SDL_RenderPresent(renderer_);
    }

    // Presents inside one frame (the loading indicator's) must not wait for the display's refresh.
    void set_vsync(bool on)
    {
        if (on == vsync_ || !vsync_possible_) return;
        if (SDL_RenderSetVSync(renderer_, on ? 1 : 0) == 0) vsync_ = on;
    }

    void pace_to_display()
    {
        if (config_.uncapped) return;
        // Where vsync is not honoured, sleep to the display's rate so the game does not burn a core.
        uint32_t frame_ms = uint32_t(1000 / std::max(1, refresh_hz_));
        uint32_t now = sys_real_tick_count();
        uint32_t spent = now - last_present_ms_;
        if (spent < frame_ms) sys_sleep_ms(frame_ms - spent);
        last_present_ms_ = sys_real_tick_count();
    }

    void push(std::deque<Message>& queue, MessageType type, uint32_t w = 0, uint32_t l = 0)
    {
        Message m;
        m.type = type;
        m.wParam = w;
        m.lParam = l;
        if (type == MSG_MOUSEMOVE && !queue.empty() && queue.back().type == MSG_MOUSEMOVE) {
            queue.back() = m;
            return;
        }
        queue.push_back(m);
    }

    void toggle_fullscreen()
    {
        fullscreen_ = !fullscreen_;
        SDL_SetWindowFullscreen(window_, fullscreen_ ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    }

    void stick(std::deque<Message>& queue, int axis_value, uint32_t neg_code, uint32_t pos_code, int& state)
    {
        int now = axis_value < -kStickThreshold ? -1 : axis_value > kStickThreshold ? 1 : 0;
        if (now == state) return;
        if (state < 0) push(queue, MSG_KEYUP, neg_code);
        if (state > 0) push(queue, MSG_KEYUP, pos_code);
        if (now < 0) push(queue, MSG_KEYDOWN, neg_code);
        if (now > 0) push(queue, MSG_KEYDOWN, pos_code);
        state = now;
    }

    void translate(const SDL_Event& e, std::deque<Message>& queue)
    {
        int x = 0, y = 0;
        switch (e.type) {
        case SDL_QUIT:
            push(queue, MSG_DESTROY);
            break;
        case SDL_KEYDOWN:
            if (e.key.keysym.sym == SDLK_F11 ||
                (e.key.keysym.sym == SDLK_RETURN && (e.key.keysym.mod & KMOD_ALT))) {
                if (!e.key.repeat) toggle_fullscreen();
                break;
            }
            if (e.key.keysym.sym == SDLK_F12) {
                if (!e.key.repeat) sys_save_screenshot();
                break;
            }
            if (uint32_t code = controls_.key_code(e.key.keysym.sym)) push(queue, MSG_KEYDOWN, code);
            break;
        case SDL_KEYUP:
            if (uint32_t code = controls_.key_code(e.key.keysym.sym)) push(queue, MSG_KEYUP, code);
            break;
        case SDL_MOUSEMOTION:
            if (to_logical(e.motion.x, e.motion.y, &x, &y)) push(queue, MSG_MOUSEMOVE, 0, pack_point(x, y));
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (e.button.button == SDL_BUTTON_LEFT && to_logical(e.button.x, e.button.y, &x, &y)) {
                pen_down_ = true;
                push(queue, MSG_LBUTTONDOWN, 1, pack_point(x, y));
            }
            break;
        case SDL_MOUSEBUTTONUP:
            // A release always counts, even in the bars, so the stylus never sticks down.
            if (e.button.button == SDL_BUTTON_LEFT && pen_down_) {
                pen_down_ = false;
                if (!to_logical(e.button.x, e.button.y, &x, &y)) x = y = 0;
                push(queue, MSG_LBUTTONUP, 0, pack_point(x, y));
            }
            break;
        case SDL_CONTROLLERDEVICEADDED:
            if (SDL_GameController* c = SDL_GameControllerOpen(e.cdevice.which)) controllers_.push_back(c);
            break;
        case SDL_CONTROLLERBUTTONDOWN:
            if (uint32_t code = controls_.pad_code(e.cbutton.button)) push(queue, MSG_KEYDOWN, code);
            break;
        case SDL_CONTROLLERBUTTONUP:
            if (uint32_t code = controls_.pad_code(e.cbutton.button)) push(queue, MSG_KEYUP, code);
            break;
        case SDL_CONTROLLERAXISMOTION:
            if (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) stick(queue, e.caxis.value, KEY_LEFT, KEY_RIGHT, stick_x_);
            if (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) stick(queue, e.caxis.value, KEY_UP, KEY_DOWN, stick_y_);
            break;
        case SDL_WINDOWEVENT:
            switch (e.window.event) {
            // Only a change of focus is told: the game starts active, and the focus a new window (or a page)
            // gets at some moment of its first frames would otherwise queue messages ahead of the input of
            // those frames, so the same run would play differently from one start to the next.
            case SDL_WINDOWEVENT_FOCUS_GAINED:
                if (!focused_) {
                    push(queue, MSG_ACTIVATE, 1);
                    push(queue, MSG_SETFOCUS);
                }
                focused_ = true;
                break;
            case SDL_WINDOWEVENT_FOCUS_LOST:
                if (focused_) {
                    push(queue, MSG_ACTIVATE, 0);
                    push(queue, MSG_KILLFOCUS);
                }
                focused_ = false;
                break;
            case SDL_WINDOWEVENT_MINIMIZED:
                push(queue, MSG_ACTIVATE, 0x10000u);
                break;
            case SDL_WINDOWEVENT_RESTORED:
                push(queue, MSG_ACTIVATE, 1);
                break;
            case SDL_WINDOWEVENT_RESIZED:
                // A size the player gave the window comes back next time, as its whole scale; the sizes that
                // going fullscreen and back bring are not the player's.
                if (!(SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) && !fullscreen_)
                    windowed_scale_ = std::max(1, std::min(e.window.data1 / kW, e.window.data2 / kH));
                break;  // the size change that comes with it repaints
            case SDL_WINDOWEVENT_EXPOSED:
            case SDL_WINDOWEVENT_SIZE_CHANGED:
                // The window lost its picture (uncovered, resized): show the last frame again now, since a
                // suspended game presents nothing until it has the focus back.
                if (renderer_ && shown_) {
                    set_vsync(false);
                    show_last();
                }
                push(queue, MSG_PAINT);
                break;
            default:
                break;
            }
            break;
        default:
            break;
        }
    }

    PlatformConfig config_;
    Controls controls_ = Controls::defaults();
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    std::vector<SDL_GameController*> controllers_;
    int refresh_hz_ = 60;
    uint32_t last_present_ms_ = 0;
    std::vector<uint16_t> last_ = std::vector<uint16_t>(size_t(kW) * kH);
    bool shown_ = false;  // last_ holds a presented frame
    bool vsync_ = false;
    bool vsync_possible_ = false;
    bool fullscreen_ = false;
    bool focused_ = true;  // as the game starts: active
    int windowed_scale_ = 1;  // the whole scale of the window when not fullscreen
    bool pen_down_ = false;
    int stick_x_ = 0;
    int stick_y_ = 0;
};
}

std::unique_ptr<Backend> make_sdl_backend() { return std::make_unique<SdlBackend>(); }
