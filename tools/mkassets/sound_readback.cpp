#include "sound_readback.h"

#include <cstdio>

#include "shell/paths.h"
#include "sound/mixer.h"
#include "sound/samples.h"

bool ReadBackSample(const std::string& out, const std::string& name, bool halfRate, size_t fileSamples,
                    bool silentStart) {
    constexpr int kSpareSlot = 0;  // no sound of the game lives in slot 0
    SetBaseFolder(out);
    if (halfRate) loadSoundHalfRate(name, kSpareSlot, 0);
    else loadSound(name, kSpareSlot, 0);
    const SoundSample& slot = sounds[kSpareSlot];
    const long expected = static_cast<long>(halfRate ? 2 * fileSamples : fileSamples);
    bool ok = slot.data && slot.length == expected && slot.data[slot.length] == 0 &&
              (!silentStart || slot.data[0] == 0);
    if (!ok)
        std::fprintf(stderr, "mkassets: %s does not read back as written (%ld samples expected, %ld loaded)\n",
                     name.c_str(), expected, slot.data ? static_cast<long>(slot.length) : -1L);
    unloadSound(kSpareSlot);
    return ok;
}
