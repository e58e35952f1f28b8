// Told when the game has finished writing a file, so a platform that keeps files elsewhere can store it.
#pragma once

// path: the file as the system knows it (after separator mapping). On a desktop the file is already on disk
// and nothing more happens; a browser copies the player's files into its lasting storage.
void sys_file_saved(const char* path);
