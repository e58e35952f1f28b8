// The first-start unpacking of the creature archives, behind the "decompressing" picture.
#pragma once
#include <cstddef>

// The creature folders whose archives are unpacked, in the order they are unpacked (gmean last).
constexpr int kCreatureArchiveCount = 4;
extern const char* const kCreatureFolders[kCreatureArchiveCount];
// The picture shown while unpacking.
extern const char* const kDecompressPicture;

// "graphics\<folder>\<folder>.zip", the archive of a creature folder, relative to the program folder.
void creature_archive_name(const char* folder, char* out, size_t outSize);

// When the gmean archive is present: shows the decompressing picture and unpacks the ant, snow, zombie
// and gmean archives into their folders, deleting each archive after. Otherwise does nothing.
void decompress_graphics();
