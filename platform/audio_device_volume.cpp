// The device master volume: kept per user in a small settings file, and applied to the output samples.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include "platform/audio_device.h"
#include "platform/file_paths.h"
#include "platform/user_folders.h"

using namespace files;

std::string sys_audio_volume_path()
{
    std::string folder = sys_user_config_folder();
    return folder.empty() ? folder : folder + "audio.conf";
}

bool sys_audio_volume_load(uint32_t* volume)
{
    const std::string path = sys_audio_volume_path();
    if (path.empty()) return false;
    FILE* f = std::fopen(path.c_str(), "r");
    if (!f) return false;
    char line[128];
    bool found = false;
    while (std::fgets(line, sizeof line, f)) {
        unsigned long value = 0;
        char* end = nullptr;
        if (std::strncmp(line, "volume=", 7) != 0) continue;
        value = std::strtoul(line + 7, &end, 16);
        if (end == line + 7 || value > 0xFFFFFFFFul) continue;
        *volume = uint32_t(value);
        found = true;
    }
    std::fclose(f);
    return found;
}

bool sys_audio_volume_save(uint32_t volume)
{
    const std::string folder = sys_user_config_folder();
    if (folder.empty() || !make_folders(folder, 0755)) return false;
    char text[128];
    std::snprintf(text, sizeof text,
                  "# Vorlaine sound output: master volume word, right channel high, left low\nvolume=%08X\n",
                  unsigned(volume));
    return files::write_text_file(folder + "audio.conf", text);
}

void sys_audio_apply_volume(uint8_t* samples, int length, int channels, uint32_t volume)
{
    const int32_t left = int32_t(volume & 0xFFFF);
    const int32_t right = channels == 2 ? int32_t(volume >> 16) : left;
    if (left == 0xFFFF && right == 0xFFFF) return;
    for (int i = 0; i < length; i++) {
        const int32_t v = (channels == 2 && (i & 1)) ? right : left;
        samples[i] = uint8_t(128 + (int32_t(samples[i]) - 128) * v / 0xFFFF);
    }
}
