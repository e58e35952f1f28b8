// The first-start unpacking of the creature archives, behind the "decompressing" picture.
#pragma once

// When the gmean archive is present: shows the decompressing picture and unpacks the ant, snow, zombie
// and gmean archives into their folders, deleting each archive after. Otherwise does nothing.
void decompress_graphics();
