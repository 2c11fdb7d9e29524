// Sample files: any bytes load into a slot at both rates, and the mixer plays them.
#include "fuzz_support.h"
#include "shell/paths.h"
#include "sound/mixer.h"
#include "sound/samples.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool started = false;
    if (!started) {
        FuzzUseTempFolder();
        prepareMixer();
        started = true;
    }
    FuzzWriteFile(soundFolder + "fuzz.raw", data, size);
    loadSound("fuzz.raw", 0, 0);
    loadSoundHalfRate("fuzz.raw", 1, 1);
    playSound(0);
    playSoundEx(1, 1);
    int16_t out[1024];
    for (int i = 0; i < 3; ++i) mixBuffer(out);
    unloadSound(0);
    unloadSound(1);
    return 0;
}
