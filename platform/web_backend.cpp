// The browser backend: the page's canvas through SDL, frames paced by the browser, boxes shown in the page.
#include <emscripten.h>
#include <cstdint>
#include <string>
#include "platform/audio_device.h"
#include "platform/backend.h"
#include "platform/message_box.h"
#include "platform/player_files.h"
#include "util/log.h"

namespace {

class WebBackend : public Backend {
public:
    bool init(const PlatformConfig& config) override
    {
        PlatformConfig page = config;
        // The page scales the canvas, and the browser paces the frames: nothing here may sleep or wait.
        page.scale = 1;
        page.uncapped = true;
        // No thread reports the finished sound buffers: each frame does (frame below).
        sys_audio_report_from_main_loop(true);
        return canvas_->init(page);
    }

    void shutdown() override { canvas_->shutdown(); }

    bool open_window() override
    {
        const bool ok = canvas_->open_window();
        // From now on the page may size the canvas: SDL has taken its 240 x 320.
        EM_ASM({ if (Module.vorlaineCanvasReady) Module.vorlaineCanvasReady($0); }, ok ? 1 : 0);
        return ok;
    }

    void close_window() override { canvas_->close_window(); }

    void present(const uint16_t* pixels, bool waitForDisplay) override
    {
        // Uncapped (init above): the canvas backend never waits here, whatever the frame asks.
        canvas_->present(pixels, waitForDisplay);
        // The page (and its tests) can tell the game has drawn: how many frames so far.
        EM_ASM({ Module.vorlainePresented = $0; }, ++presented_);
    }

    void pump(std::deque<Message>& queue) override { canvas_->pump(queue); }

    // A hidden page gets no frames at all; there is nothing to wait for here.
    void wait_for_event() override {}

    int message_box(const char* text, const char* caption, int style) override
    {
        std::string body = text;
        while (!body.empty() && (body.back() == '\n' || body.back() == '\r')) body.pop_back();
        // Yes/No is asked with the browser's own modal question; a plain box becomes a dialog in the page
        // that does not hold the game. Either way the log keeps a line of it.
        const bool yes_no = message_box_asks_yes_no(style);
        int answer = EM_ASM_INT({
            return Module.vorlaineMessageBox ? Module.vorlaineMessageBox(UTF8ToString($0), UTF8ToString($1), $2) : 0;
        }, body.c_str(), caption, yes_no ? 1 : 0);
        if (yes_no && answer != ANSWER_YES) answer = ANSWER_NO;
        if (!yes_no) answer = ANSWER_OK;
        log_message_box(body.c_str(), caption, style, answer);
        return answer;
    }

    void raise() override { EM_ASM({ window.focus(); }); }

    bool schedule_frames(bool (*step)(), void (*end)()) override
    {
        step_ = step;
        end_ = end;
        // Frame rate 0: the browser's display frames (requestAnimationFrame). This call does not return.
        emscripten_set_main_loop_arg(&WebBackend::frame, this, 0, 1);
        return true;
    }

private:
    static void frame(void* self)
    {
        auto* backend = static_cast<WebBackend*>(self);
        // Sound buffers the device finished since the last frame are refilled before the game runs.
        sys_audio_poll();
        if (backend->step_()) {
            store_player_files();
            return;
        }
        emscripten_cancel_main_loop();
        void (*end)() = backend->end_;
        end();  // shuts the platform down, this backend with it
        store_player_files();
        EM_ASM({ if (Module.vorlaineEnded) Module.vorlaineEnded(); });
    }

    // Whatever the frame wrote into the player's folders (a saved career, unpacked frames, whiteouts,
    // extractions) goes to IndexedDB in one store started now, in the same turn as the writes: a reload
    // right after a save finds it. The page runs one store at a time and one more after it if asked meanwhile.
    static void store_player_files()
    {
        if (sys_player_files_take_changes()) EM_ASM({ if (Module.vorlaineStore) Module.vorlaineStore(); });
    }

    std::unique_ptr<Backend> canvas_ = make_sdl_backend();
    bool (*step_)() = nullptr;
    void (*end_)() = nullptr;
    uint32_t presented_ = 0;
};

}  // namespace

std::unique_ptr<Backend> make_web_backend() { return std::make_unique<WebBackend>(); }
