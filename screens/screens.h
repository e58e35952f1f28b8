// Entry and frame routines of every screen, as the screen-state dispatch calls them.
#pragma once

void enter_title();
void title_frame();
void game_frame();
void story_frame();
void level_select_frame();
void options_frame();
void ending_frame();
