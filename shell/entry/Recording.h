// lumaris --record OUT.gif --seconds N [--size WxH] [--box WxH] /s|/p
// Runs the real saver on the headless display with the real frame pacing on a virtual clock
// and writes what its window showed as an animated GIF. /p records a preview box of --box
// size (152x112 unless given) over a desktop of --size (1024x768 unless given).
#pragma once

// The process exit code: 0 when the recording was written, 2 on bad arguments.
int RunRecording(int argc, char** argv);
