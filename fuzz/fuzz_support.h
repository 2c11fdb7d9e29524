// What the fuzz targets share: a private base folder for the files a reader is
// handed, and a headless game set up as the program sets it up, with the
// generated assets of the normal build.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// A fresh base folder under /tmp with empty Data/ and Sound/, made once per
// process; the player's files are kept in its Data/ as with --data. Message
// boxes are answered silently.
void FuzzUseTempFolder();
// Replaces the file at path with the bytes (a link there is replaced, not
// written through).
void FuzzWriteFile(const std::string& path, const uint8_t* data, size_t size);
// The headless game, with Data/ and Sound/ linked to the generated assets
// (ZAPBRIK_ASSETS, else the normal build's folders), loaded up to the menu.
void FuzzStartGame();

// The modes a player can be in, short of the program's own conversion run.
extern const int32_t kFuzzStartModes[];
extern const int kFuzzStartModeCount;
// One pass of the main loop, then the rest the headless clock takes.
void FuzzPass();
// One input event from three bytes: op % 8 picks a key press or release (code a,
// shifted when b is odd), a pointer move, a button press or release at
// (a * 5 / 2, b * 15 / 8), or (7) nothing. Returns the ticks to wait after it:
// a for op 7, else 0.
int FuzzInputEvent(uint8_t op, uint8_t a, uint8_t b);
