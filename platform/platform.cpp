// Chooses the backend once at start-up and hands it to the platform interfaces.
#include "platform/platform.h"
#include "platform/backend.h"
#include "platform/quit_signals.h"

static PlatformConfig g_config;
static std::unique_ptr<Backend> g_backend;

bool platform_init(const PlatformConfig& config)
{
    g_config = config;
    quit_signals_install();
#ifdef __EMSCRIPTEN__
    // A page has one way to show the game: its canvas.
    g_backend = make_web_backend();
#else
    g_backend = config.headless ? make_headless_backend() : make_sdl_backend();
#endif
    return g_backend->init(config);
}

const PlatformConfig& platform_config() { return g_config; }

void platform_shutdown()
{
    if (g_backend) g_backend->shutdown();
    g_backend.reset();
    quit_signals_restore();
}

Backend& backend()
{
    // Before platform_init (unit tests of single pieces) everything runs headless.
    if (!g_backend) {
        g_backend = make_headless_backend();
        g_backend->init(g_config);
    }
    return *g_backend;
}
