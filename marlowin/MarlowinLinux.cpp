#include "MarlowinLinux.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <linux/hidraw.h>
#include <sstream>
#include <string_view>
#include <sys/ioctl.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// 0 and all bits set mean "no device" to callers, so descriptor 0 (possible
// when the process closed its standard input) is moved to a higher number.
void* HandleFromFd(int fd)
{
    if (fd == 0) {
        const int moved = fcntl(fd, F_DUPFD_CLOEXEC, 1);
        close(fd);
        if (moved < 0)
            return reinterpret_cast<void*>(static_cast<std::intptr_t>(-1));
        fd = moved;
    }
    return reinterpret_cast<void*>(static_cast<std::intptr_t>(fd));
}

int FdFromHandle(void* device)
{
    const auto value = reinterpret_cast<std::intptr_t>(device);
    return value > 0 && value <= INT_MAX ? static_cast<int>(value) : -1;
}

std::optional<std::uint32_t> ParseHexField(std::string_view text)
{
    if (text.empty() || text.size() > 8)
        return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : text) {
        std::uint32_t digit;
        if (c >= '0' && c <= '9')
            digit = static_cast<std::uint32_t>(c - '0');
        else if (c >= 'a' && c <= 'f')
            digit = static_cast<std::uint32_t>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F')
            digit = static_cast<std::uint32_t>(c - 'A' + 10);
        else
            return std::nullopt;
        value = value * 16 + digit;
    }
    return value;
}

// hidraw0, hidraw1, ..., hidraw10: shorter names first keeps the kernel's numbering order.
bool NameOrder(const std::string& a, const std::string& b)
{
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

class HidrawSet final : public HidInterfaceSet {
public:
    HidrawSet(std::string classDir, std::string devRoot, std::vector<std::string> names)
        : m_classDir(std::move(classDir))
        , m_devRoot(std::move(devRoot))
        , m_names(std::move(names))
    {
    }

    HidInterfaceEntry At(std::uint32_t index) override
    {
        HidInterfaceEntry entry;
        if (index >= m_names.size())
            return entry;
        const std::string& name = m_names[index];
        entry.kind = HidInterfaceEntry::Kind::Interface;
        entry.path = m_devRoot + "/" + name;
        std::ifstream uevent(m_classDir + "/" + name + "/device/uevent");
        if (uevent) {
            std::ostringstream text;
            text << uevent.rdbuf();
            entry.identity = ParseHidId(text.str());
        }
        return entry;
    }

private:
    std::string m_classDir;
    std::string m_devRoot;
    std::vector<std::string> m_names;
};

} // namespace

std::optional<HidIdentity> ParseHidId(const std::string& uevent)
{
    std::istringstream lines(uevent);
    std::string line;
    const std::string_view key = "HID_ID=";
    while (std::getline(lines, line)) {
        if (!line.starts_with(key))
            continue;
        const std::string_view fields = std::string_view(line).substr(key.size());
        const std::size_t first = fields.find(':');
        if (first == std::string_view::npos)
            return std::nullopt;
        const std::size_t second = fields.find(':', first + 1);
        if (second == std::string_view::npos)
            return std::nullopt;
        const auto bus = ParseHexField(fields.substr(0, first));
        const auto vendor = ParseHexField(fields.substr(first + 1, second - first - 1));
        const auto product = ParseHexField(fields.substr(second + 1));
        if (!bus || !vendor || !product || *vendor > 0xFFFF || *product > 0xFFFF)
            return std::nullopt;
        return HidIdentity{static_cast<std::uint16_t>(*vendor), static_cast<std::uint16_t>(*product)};
    }
    return std::nullopt;
}

MarlowinLinuxServices::MarlowinLinuxServices(std::string sysfsRoot, std::string devRoot)
    : m_sysfsRoot(std::move(sysfsRoot))
    , m_devRoot(std::move(devRoot))
{
}

std::unique_ptr<HidInterfaceSet> MarlowinLinuxServices::PresentInterfaces()
{
    std::string classDir = m_sysfsRoot + "/class/hidraw";
    DIR* dir = opendir(classDir.c_str());
    if (!dir)
        return nullptr;
    std::vector<std::string> names;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] != '.')
            names.emplace_back(entry->d_name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end(), NameOrder);
    return std::make_unique<HidrawSet>(std::move(classDir), m_devRoot, std::move(names));
}

void* MarlowinLinuxServices::Open(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDWR | O_CLOEXEC);
    return fd < 0 ? reinterpret_cast<void*>(static_cast<std::intptr_t>(-1)) : HandleFromFd(fd);
}

std::optional<HidIdentity> MarlowinLinuxServices::Attributes(void* device)
{
    hidraw_devinfo info{};
    if (ioctl(FdFromHandle(device), HIDIOCGRAWINFO, &info) < 0)
        return std::nullopt;
    return HidIdentity{static_cast<std::uint16_t>(info.vendor), static_cast<std::uint16_t>(info.product)};
}

int MarlowinLinuxServices::Write(void* device, const std::uint8_t* report, std::uint32_t size,
                                 std::uint32_t* written)
{
    ssize_t count;
    do {
        count = write(FdFromHandle(device), report, size);
    } while (count < 0 && errno == EINTR);
    *written = count < 0 ? 0 : static_cast<std::uint32_t>(count);
    return count < 0 ? 0 : 1;
}

int MarlowinLinuxServices::Read(void* device, std::uint8_t* report, std::uint32_t size,
                                std::uint32_t* read)
{
    ssize_t count;
    do {
        count = ::read(FdFromHandle(device), report, size);
    } while (count < 0 && errno == EINTR);
    *read = count < 0 ? 0 : static_cast<std::uint32_t>(count);
    return count < 0 ? 0 : 1;
}

int MarlowinLinuxServices::Close(void* device)
{
    return close(FdFromHandle(device)) == 0 ? 1 : 0;
}

std::uint8_t* MarlowinLinuxServices::AllocateZeroed(std::size_t size)
{
    return static_cast<std::uint8_t*>(std::calloc(size, 1));
}

void MarlowinLinuxServices::Free(std::uint8_t* block)
{
    std::free(block);
}

MarlowinServices& SystemMarlowinServices()
{
    static MarlowinLinuxServices services("/sys", "/dev");
    return services;
}
