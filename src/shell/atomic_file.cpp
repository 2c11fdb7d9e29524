#include "shell/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace {
bool WriteAll(int fd, const char* bytes, size_t size) {
    while (size > 0) {
        ssize_t n = write(fd, bytes, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The rename itself reaches the disk only when the folder is flushed.
bool SyncFolder(const std::string& folder) {
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = fsync(fd) == 0;
    return close(fd) == 0 && ok;
}
}  // namespace

bool WriteFileAtomically(const std::string& path, const void* data, size_t size) {
    std::vector<char> name(path.begin(), path.end());
    const char suffix[] = ".tmp-XXXXXX";
    name.insert(name.end(), suffix, suffix + sizeof suffix);  // with the terminator
    int fd = mkstemp(name.data());
    if (fd < 0) return false;
    const std::string temporary = name.data();
    // A new file gets the usual permissions rather than mkstemp's private ones.
    const mode_t mask = umask(0);
    umask(mask);
    bool ok = fchmod(fd, 0666 & ~mask) == 0;
    ok = ok && WriteAll(fd, static_cast<const char*>(data), size);
    ok = ok && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        unlink(temporary.c_str());
        return false;
    }
    return SyncFolder(FolderOf(path));
}

std::string MoveAside(const std::string& path, const std::string& suffix) {
    for (int n = 1; n < 1000; ++n) {
        const std::string aside = path + suffix + (n == 1 ? "" : "." + std::to_string(n));
        // A link is never made over an existing file, unlike a rename.
        if (link(path.c_str(), aside.c_str()) == 0) {
            if (unlink(path.c_str()) == 0) return aside;
            unlink(aside.c_str());
            return "";
        }
        if (errno != EEXIST) return "";
    }
    return "";
}
