#include "KorvelLinux.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/ioctl.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// Null means "no device" to callers, so descriptor 0 (possible when the
// process closed its standard input) is moved to a higher number first.
void* HandleFromFd(int fd)
{
    if (fd == 0) {
        const int moved = fcntl(fd, F_DUPFD_CLOEXEC, 1);
        close(fd);
        if (moved < 0)
            return nullptr;
        fd = moved;
    }
    return reinterpret_cast<void*>(static_cast<std::intptr_t>(fd));
}

int FdFromHandle(void* device)
{
    const auto value = reinterpret_cast<std::intptr_t>(device);
    return value > 0 && value <= INT_MAX ? static_cast<int>(value) : -1;
}

} // namespace

KorvelLinuxServices::KorvelLinuxServices(std::string devRoot)
    : m_devRoot(std::move(devRoot))
{
}

KorvelServices::InterfaceLookup KorvelLinuxServices::FindFirstInterface()
{
    const std::string folder = m_devRoot + "/korvel";
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return {};
    std::vector<std::string> names;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] != '.')
            names.emplace_back(entry->d_name);
    }
    closedir(dir);
    InterfaceLookup lookup;
    lookup.haveDeviceSet = true;
    if (!names.empty())
        lookup.firstPath = folder + "/" + *std::min_element(names.begin(), names.end());
    return lookup;
}

void* KorvelLinuxServices::OpenPath(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDWR | O_CLOEXEC);
    return fd < 0 ? nullptr : HandleFromFd(fd);
}

int KorvelLinuxServices::Control(void* device, std::uint32_t code, KorvelTransferFrame& frame,
                                 std::uint32_t outSize, std::uint32_t* bytesReturned)
{
    *bytesReturned = 0;
    const int fd = FdFromHandle(device);
    if (fd < 0) {
        errno = EBADF;
        return 0;
    }
    int count;
    do {
        count = ioctl(fd, static_cast<unsigned long>(code), &frame);
    } while (count < 0 && errno == EINTR);
    if (count < 0)
        return 0;
    *bytesReturned = std::min(static_cast<std::uint32_t>(count), outSize);
    return 1;
}

KorvelServices& SystemKorvelServices()
{
    static KorvelLinuxServices services("/dev");
    return services;
}
