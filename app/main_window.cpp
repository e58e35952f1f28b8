// Whether the main window exists (error boxes need an owner).
#include "app/main_window.h"

static bool g_window_exists = false;

bool main_window_exists() { return g_window_exists; }
void set_main_window_exists(bool exists) { g_window_exists = exists; }
