// Checking pictures and animation strips through the game's own loaders, and reporting them against their use.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "resources/archive_listing.h"

class CheckReport;

// How a picture is drawn, for the checks that depend on it.
struct PictureUse {
    bool keyed = false;               // transparent where it has its top-left pixel's colour
    bool mirrored = false;            // also drawn flipped, keyed then on the first pixel of its second row
    int padWidth = 0, padHeight = 0;  // the scratch pad it is scaled into; 0 when drawn as it is
    float scale = 1.0f;               // its thing's scale factor, at full depth scale
    bool screen = false;              // a whole-screen picture (menu or story background)
    bool playfield = false;           // a level background, at least as large as the screen
};

// What the files of one picture or strip hold.
struct PictureFacts {
    bool found = false;     // the game finds its file, or its first frame (loose, packed, or in a creature archive)
    bool readable = false;  // every file reads with the game's readers
    int width = 0, height = 0, frames = 0;
    std::string firstFile;  // data name of the file, or of the first frame
    std::vector<std::string> errors, warnings;  // about the files themselves, whatever their use
    int keylessFrame = 0;   // first frame whose four corners do not all have the key colour (0: none)
    int mirrorKeyFrame = 0; // first frame whose second row starts in another colour than its key
};

class PictureChecker {
public:
    // A single picture, as load_picture_file reads it.
    const PictureFacts& picture(const std::string& name);
    // An animation strip of numbered frames, found the way CGraphicStrip finds them. A strip in a creature
    // folder whose frames are still packed in the folder's archive (unpacked on the first start) is read
    // from there, without unpacking it into the data folder.
    const PictureFacts& strip(const std::string& name);

    int pictures_read() const { return int(pictures_.size()); }
    int strips_read() const { return int(strips_.size()); }
    int frames_read() const;

private:
    PictureFacts read_strip(const std::string& name);
    const ArchiveListing* creature_archive(const std::string& name, std::string* archive);

    std::map<std::string, PictureFacts> pictures_;
    std::map<std::string, PictureFacts> strips_;
    std::map<std::string, ArchiveListing> archives_;
};

// Reports the facts, and what they mean for this use, at file:line. what names the use
// ("background_graphic", "walk strip of monster kind 100, direction 6") and kind is "picture" or "strip".
void report_picture(CheckReport& report, const std::string& file, int line, const std::string& what,
                    const std::string& name, const PictureFacts& facts, const PictureUse& use);
