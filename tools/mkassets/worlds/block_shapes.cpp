#include "worlds/block_shapes.h"

BlockPlace BlockShapePlace(int kind) {
    int x = 24;
    for (int k = 0; k < kind; ++k) {
        x += kBlockShapes[k].width + 3;
        if (x % 3 == 2) ++x;
    }
    return {x, 15};
}
