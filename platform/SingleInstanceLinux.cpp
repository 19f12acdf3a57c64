#include "SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

// The name may carry characters a file name cannot ("Global\Name").
std::string LockFileName(const std::string& name)
{
    std::string fileName;
    for (const char c : name) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                           c == '_' || c == '.';
        fileName += plain ? c : '_';
    }
    return fileName + ".lock";
}

bool IsPrivateDirectory(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid();
}

// $XDG_RUNTIME_DIR is the user's own and vanishes at log-out; without it a
// folder of the user's own under the temp folder serves. A folder there that
// someone else owns, or a link, is not trusted.
std::string LockFolder()
{
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    if (runtimeDir && *runtimeDir && IsPrivateDirectory(runtimeDir)) {
        return runtimeDir;
    }

    std::error_code error;
    const std::filesystem::path tempDir = std::filesystem::temp_directory_path(error);
    if (error) {
        return {};
    }
    const std::string folder = (tempDir / ("solvane-" + std::to_string(::getuid()))).string();
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        return {};
    }
    return IsPrivateDirectory(folder) ? folder : std::string();
}

}

bool ClaimSingleInstance(const std::string& name)
{
    const std::string folder = LockFolder();
    if (folder.empty()) {
        // Nowhere to keep the lock: running unguarded beats refusing to run.
        return true;
    }

    const std::string path = folder + "/" + LockFileName(name);
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        return true;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool heldElsewhere = errno == EWOULDBLOCK;
        ::close(fd);
        return !heldElsewhere;
    }
    // The descriptor stays open, and the lock held, until the process ends;
    // the kernel drops it on any exit, so a crash leaves nothing stale.
    return true;
}
