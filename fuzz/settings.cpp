// The settings file: any bytes are applied or refused, and what was applied is
// shown by the options screen and saved again.
#include "fuzz_support.h"
#include "game/game_state.h"
#include "game/flow/settings.h"
#include "app/events.h"
#include "shell/paths.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzUseTempFolder();
    FuzzWriteFile(dataFolder + "settings.dat", data, size);
    SetDefaultSettings();
    if (LoadSettings()) {
        for (int32_t code : keyBindings) KeyName(code).size();
        for (int d = 0; d <= kDifficulties + 1; ++d) LevelProgressRow(d)[levelCount - 1]++;
        SaveSettings();
    }
    return 0;
}
