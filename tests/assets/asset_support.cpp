#include "asset_support.h"

#include "gfx/picture.h"
#include "shell/paths.h"
#include "shell/platform.h"

namespace {
int boxes = 0;
}

Surface* LoadGenerated(const std::string& name, int gamma, int* complaints) {
    SetBaseFolder(ZAPBRIK_BUILD_DIR);
    UseHeadlessPlatform();
    platform.messageBox = [](const char*, const char*, MessageButtons) {
        boxes++;
        return static_cast<int>(AnswerOk);
    };
    boxes = 0;
    int saved = getGamma();
    setGamma(gamma);
    Surface* s = nullptr;
    loadPicture(name, s);
    setGamma(saved);
    if (complaints) *complaints = boxes;
    return s;
}

Components At(const Surface* s, int x, int y) {
    int r, g, b;
    unpackColour(getPixel(s, x, y), r, g, b);
    return {r, g, b};
}
