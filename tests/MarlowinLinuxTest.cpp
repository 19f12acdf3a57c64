#include "MarlowinLinux.h"
#include "MarlowinTransfer.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* TunerId = "HID_ID=0003:0000040B:00004100";

// A temporary sysfs and /dev: each hidraw entry has a device/uevent file, and
// its node is a FIFO. Written in packet mode, a FIFO keeps report boundaries
// the way hidraw does.
class MarlowinLinuxTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "marlowin-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root = pattern;
        std::filesystem::create_directories(root / "sys" / "class" / "hidraw");
        std::filesystem::create_directories(root / "dev");
    }
    void TearDown() override { std::filesystem::remove_all(root); }

    void AddHidraw(const std::string& name, const std::string& hidIdLine)
    {
        const auto device = root / "sys" / "class" / "hidraw" / name / "device";
        std::filesystem::create_directories(device);
        std::ofstream(device / "uevent") << "DRIVER=hid-generic\n" << hidIdLine << "\nHID_NAME=Radio\n";
        ASSERT_EQ(mkfifo(Node(name).c_str(), 0600), 0);
    }

    std::filesystem::path Node(const std::string& name) const { return root / "dev" / name; }

    MarlowinLinuxServices Services() const
    {
        return MarlowinLinuxServices((root / "sys").string(), (root / "dev").string());
    }

    static int Fd(void* handle) { return static_cast<int>(reinterpret_cast<std::intptr_t>(handle)); }

    static bool SameFile(int fd, const std::filesystem::path& path)
    {
        struct stat opened, named;
        return fstat(fd, &opened) == 0 && stat(path.c_str(), &named) == 0
            && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
    }

    static std::size_t OpenDescriptors()
    {
        const std::filesystem::directory_iterator fds("/proc/self/fd");
        return static_cast<std::size_t>(std::distance(begin(fds), end(fds)));
    }

    std::filesystem::path root;
};

TEST_F(MarlowinLinuxTest, OpensTheFirstTunerInNumberOrder)
{
    AddHidraw("hidraw0", "HID_ID=0003:0000040B:00004101");
    AddHidraw("hidraw10", TunerId);
    AddHidraw("hidraw2", "HID_ID=0003:0000040b:00004100");
    auto services = Services();
    const std::size_t before = OpenDescriptors();
    void* device = MarlowinOpenDevice(services);
    ASSERT_NE(device, MarlowinNoDevice());
    EXPECT_TRUE(SameFile(Fd(device), Node("hidraw2")));
    EXPECT_EQ(OpenDescriptors(), before + 1) << "only the returned handle stays open";
    EXPECT_EQ(MarlowinCloseDevice(services, device), 1);
}

TEST_F(MarlowinLinuxTest, NoTunerMeansNoDeviceAndNoLeftOverHandles)
{
    AddHidraw("hidraw0", "HID_ID=0003:0000046D:00004100");
    AddHidraw("hidraw1", "HID_NAME=without an id line");
    auto services = Services();
    const std::size_t before = OpenDescriptors();
    EXPECT_EQ(MarlowinOpenDevice(services), MarlowinNoDevice());
    EXPECT_EQ(OpenDescriptors(), before);

    std::filesystem::remove_all(root / "sys" / "class" / "hidraw");
    EXPECT_EQ(MarlowinOpenDevice(services), MarlowinNoDevice());
}

TEST_F(MarlowinLinuxTest, ReportsTravelWithTheirReportId)
{
    AddHidraw("hidraw0", TunerId);
    auto services = Services();
    void* device = MarlowinOpenDevice(services);
    ASSERT_NE(device, MarlowinNoDevice());
    const int tuner = open(Node("hidraw0").c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(tuner, 0);
    ASSERT_EQ(fcntl(tuner, F_SETFL, fcntl(tuner, F_GETFL) | O_DIRECT), 0);

    const std::array<std::uint8_t, 8> data{1, 2, 3, 4, 5, 6, 7, 8};
    std::int32_t count = 0;
    EXPECT_EQ(MarlowinWriteBuffer(services, device, 8, data.data(), &count), 1);
    EXPECT_EQ(count, 8);
    std::array<std::uint8_t, 64> onDevice{};
    ASSERT_EQ(read(tuner, onDevice.data(), onDevice.size()), 9);
    EXPECT_EQ(std::vector<std::uint8_t>(onDevice.begin(), onDevice.begin() + 9),
              (std::vector<std::uint8_t>{0, 1, 2, 3, 4, 5, 6, 7, 8}));

    const std::array<std::uint8_t, 9> first{0, 21, 22, 23, 24, 25, 26, 27, 28};
    const std::array<std::uint8_t, 3> second{0, 31, 32};
    ASSERT_EQ(write(tuner, first.data(), first.size()), 9);
    ASSERT_EQ(write(tuner, second.data(), second.size()), 3);
    std::array<std::uint8_t, 8> buffer{};
    EXPECT_EQ(MarlowinReadBuffer(services, device, 8, buffer.data(), &count), 1);
    EXPECT_EQ(count, 8);
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 8>{21, 22, 23, 24, 25, 26, 27, 28}));
    buffer.fill(0);
    EXPECT_EQ(MarlowinReadBuffer(services, device, 8, buffer.data(), &count), 1);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 8>{31, 32, 0, 0, 0, 0, 0, 0}));

    close(tuner);
    EXPECT_EQ(MarlowinCloseDevice(services, device), 1);
}

TEST(ParseHidIdTest, ReadsVendorAndProductFromTheIdLine)
{
    struct Row {
        const char* uevent;
        bool valid;
        std::uint16_t vendor;
        std::uint16_t product;
    };
    const Row rows[] = {
        {"DRIVER=hid-generic\nHID_ID=0003:0000040B:00004100\n", true, 0x040B, 0x4100},
        {"HID_ID=0005:0000046d:0000b33e", true, 0x046D, 0xB33E},
        {"HID_NAME=no id\n", false, 0, 0},
        {"HID_ID=0003:0000040B\n", false, 0, 0},
        {"HID_ID=0003:0001040B:00004100\n", false, 0, 0},
        {"HID_ID=0003:zz:00004100\n", false, 0, 0},
        {"HID_ID=0003::00004100\n", false, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.uevent);
        const std::optional<HidIdentity> identity = ParseHidId(row.uevent);
        ASSERT_EQ(identity.has_value(), row.valid);
        if (row.valid) {
            EXPECT_EQ(identity->vendorId, row.vendor);
            EXPECT_EQ(identity->productId, row.product);
        }
    }
}

} // namespace
