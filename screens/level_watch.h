// Live reload of the running level's script (--watch): an edit shows on the next frames, or its first error does.
#pragma once

// Called once a frame while --watch is on. Every 500 ms of the game clock it looks at the running level's
// script; when the file changed, it checks it: with no errors the level restarts with the new script (its
// pictures read again) and the log tells what changed; with errors the level plays on as it was and the
// message line shows the first one.
void level_watch_frame();
