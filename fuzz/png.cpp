// PNG pictures: any bytes decode into a surface or fail cleanly.
#include "fuzz_support.h"
#include "gfx/picture.h"
#include "shell/paths.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzUseTempFolder();
    FuzzWriteFile(dataFolder + "fuzz.png", data, size);
    Surface* picture = nullptr;
    loadPicture("fuzz.png", picture);
    // The same picture drawn centred into a surface smaller than itself.
    Surface* small = createSurface(7, 5);
    loadPngPicture(dataFolder + "fuzz.png", small);
    removeSurface(small);
    removeSurface(picture);
    return 0;
}
