#include "gfx/screenshot.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "shell/log.h"
#include "shell/paths.h"

int32_t screenshotCounter = 0;

namespace {
void Put16(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    out[at] = static_cast<uint8_t>(v);
    out[at + 1] = static_cast<uint8_t>(v >> 8);
}
void Put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

bool WriteAll(int fd, const std::vector<uint8_t>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}
}  // namespace

std::vector<uint8_t> EncodeBmp(const Surface* surface) {
    const uint32_t w = static_cast<uint32_t>(surface->width), h = static_cast<uint32_t>(surface->height);
    const uint32_t pad = (4 - (w * 3) % 4) % 4;
    const uint32_t imageSize = (w * 3 + pad) * h;
    std::vector<uint8_t> out(54 + static_cast<size_t>(imageSize), 0);
    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, 0);  // file size: left 0
    Put32(out, 10, 54);
    Put32(out, 14, 40);
    Put32(out, 18, w);
    Put32(out, 22, h);
    Put16(out, 26, 1);
    Put16(out, 28, 24);
    Put32(out, 30, 0);
    Put32(out, 34, imageSize);
    Put32(out, 38, 2952);
    Put32(out, 42, 2952);
    size_t at = 54;
    for (uint32_t r = 0; r < h; ++r) {
        const int y = static_cast<int>(h - 1 - r);
        for (uint32_t x = 0; x < w; ++x) {
            int red, green, blue;
            unpackColour(getPixel(surface, static_cast<int>(x), y), red, green, blue);
            out[at++] = static_cast<uint8_t>(blue * 8);
            out[at++] = static_cast<uint8_t>(green * 8);
            out[at++] = static_cast<uint8_t>(red * 8);
        }
        at += pad;
    }
    return out;
}

std::string saveScreenshot() {
    const std::string folder = ScreenshotFolder();
    if (!MakeFolders(folder)) return "";
    // Find the first number not yet taken; an existing file is never replaced.
    for (int tries = 0; tries < 100000; ++tries) {
        std::string path = StrFormat("%sZapbrik%d.BMP", folder.c_str(), screenshotCounter);
        int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (fd < 0) {
            if (errno != EEXIST) return "";
            ++screenshotCounter;
            continue;
        }
        ++screenshotCounter;
        bool ok = WriteAll(fd, EncodeBmp(backSurface));
        ok = close(fd) == 0 && ok;
        if (!ok) {
            std::printf("Error writing bitmap data\n");
            unlink(path.c_str());
            return "";
        }
        LogMessage(1, "Screenshot " + path + "\n");
        return path;
    }
    return "";
}
