// The fuzz targets' shared ground: one temporary program folder per process, whole-file writes, tree listings.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The game's program folder (AppState.programDir) for this process, with a trailing '/': "game/" inside a
// fresh temporary folder (the outer folder: in $TMPDIR, else /dev/shm, else /tmp), both made on the first
// call and removed at exit. A file that escapes the program folder shows up in the outer one. The debug
// output goes to /dev/null on the same call: the refusals of hostile files come by the thousand.
const std::string& fuzz_program_folder();
const std::string& fuzz_outer_folder();
// Program folder + relative ('/' separated), after making its folders.
std::string fuzz_file(const std::string& relative);
// Replaces the file at path with exactly these bytes; false when it cannot be written.
bool fuzz_write_file(const std::string& path, const uint8_t* data, size_t size);
// A valid 8-bit colour-mapped TGA of w x h pixels (palette entry i is grey i, pixel (x, y) is index x + y).
std::vector<uint8_t> fuzz_small_tga(int w, int h);
// A valid 24-bit PNG of w x h pixels.
std::vector<uint8_t> fuzz_small_png(int w, int h);
// Writes the bytes to program folder + relative and makes each of links a symbolic link to it, so that one
// write per input serves several file names.
std::string fuzz_input_file(const std::string& relative, const std::vector<std::string>& links);
// Every file, folder and link below folder, relative and sorted: what a target compares before and after.
std::vector<std::string> fuzz_list_tree(const std::string& folder);
// Reports (on stderr) and aborts when the tree below folder differs from before, so the fuzzer keeps the input.
void fuzz_expect_tree(const std::string& folder, const std::vector<std::string>& before, const char* what);
