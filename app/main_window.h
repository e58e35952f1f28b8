// Whether the main window exists (error boxes need an owner).
#pragma once

bool main_window_exists();
void set_main_window_exists(bool exists);
