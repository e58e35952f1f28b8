// Entry and frame routines of every screen, as the screen-state dispatch and the screens call them.
#pragma once

void enter_title();
void enter_options();
void enter_level_select();
// backgroundPath: the picture behind the text; text: the story with its line breaks already CR LF.
void enter_story(const char* backgroundPath, const char* text);
void enter_ending();

void title_frame();
void game_frame();
void story_frame();
void level_select_frame();
void options_frame();
void ending_frame();
