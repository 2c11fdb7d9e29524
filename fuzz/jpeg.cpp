// JPEG pictures: any bytes decode into a surface or fail cleanly.
#include "fuzz_support.h"
#include "gfx/picture.h"
#include "shell/paths.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzUseTempFolder();
    FuzzWriteFile(dataFolder + "fuzz.jpg", data, size);
    Surface* picture = nullptr;
    loadPicture("fuzz.jpg", picture);
    removeSurface(picture);
    return 0;
}
