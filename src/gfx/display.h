// The display: a 640 x 480 buffer that presents copy the back surface into and
// that the platform shows on screen. Outside the play screens the whole frame is
// copied; the play screens copy only the playfield and, on request, the score panel.
#pragma once
#include <cstdint>

#include "shell/screen.h"

struct Surface;

struct DisplayInfo {
    int32_t width;
    int32_t height;
    int32_t landscape;
    int32_t memoryVertical;
    int32_t xSpan;
    int32_t ySpan;
    int32_t bitsPerPixel;
    int32_t fullscreenFlag;
    int32_t formatCode;
};


extern DisplayInfo displayInfo;
extern uint16_t displayBuffer[kScreenWidth * kScreenHeight];
extern int32_t scorePanelRefresh;  // 0 none, 1 top 45 rows, 2 all 90 rows of the score panel

void FillDisplayInfo();
int PresentFull(const Surface* surface);
int PresentRegions(const Surface* surface);
