#include "app/record.h"

#include <cstdio>

#include "game/game_state.h"
#include "app/events.h"

namespace {
std::FILE* recording = nullptr;

// A pointer coordinate as the script reads it: the 16 bits of lParam, signed.
int Coordinate(uint32_t bits) { return static_cast<int16_t>(static_cast<uint16_t>(bits & 0xFFFF)); }
}  // namespace

bool StartRecording(const std::string& path) {
    recording = std::fopen(path.c_str(), "w");
    if (!recording) return false;
    std::fputs("# zapbrik recording: replay with --script\n", recording);
    return true;
}

void RecordInput(uint32_t message, uint32_t wParam, uint32_t lParam) {
    if (!recording) return;
    const int x = Coordinate(lParam), y = Coordinate(lParam >> 16);
    const unsigned tick = tickCounter;
    switch (message) {
        case MsgKeyDown:
        case MsgKeyUp:
            std::fprintf(recording, "%u key %s 0x%02x\n", tick, message == MsgKeyDown ? "down" : "up",
                         static_cast<unsigned>(wParam & 0xFF));
            break;
        case MsgMouseMove:
            std::fprintf(recording, "%u mouse move %d %d\n", tick, x, y);
            break;
        case MsgLeftDown:
        case MsgLeftUp:
        case MsgRightDown:
        case MsgRightUp: {
            const bool down = message == MsgLeftDown || message == MsgRightDown;
            const bool left = message == MsgLeftDown || message == MsgLeftUp;
            std::fprintf(recording, "%u mouse %s %s %d %d\n", tick, down ? "down" : "up", left ? "left" : "right", x,
                         y);
            break;
        }
        default:
            break;
    }
}

void RecordFocusLost() {
    if (recording) std::fprintf(recording, "%u focus lost\n", static_cast<unsigned>(tickCounter));
}

void StopRecording() {
    if (!recording) return;
    std::fprintf(recording, "%u quit\n", static_cast<unsigned>(tickCounter));
    std::fclose(recording);
    recording = nullptr;
}
