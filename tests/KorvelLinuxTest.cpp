#include "KorvelLinux.h"
#include "KorvelTransfer.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A temporary /dev with a korvel/ folder whose nodes are FIFOs: they open
// read-write like the driver's nodes but answer no control request.
class KorvelLinuxTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "korvel-dev-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(root); }

    void MakeNode(const std::string& name)
    {
        std::filesystem::create_directories(root / "korvel");
        ASSERT_EQ(mkfifo((root / "korvel" / name).c_str(), 0600), 0);
    }

    static int Fd(void* handle) { return static_cast<int>(reinterpret_cast<std::intptr_t>(handle)); }

    static bool SameFile(int fd, const std::filesystem::path& path)
    {
        struct stat opened, named;
        return fstat(fd, &opened) == 0 && stat(path.c_str(), &named) == 0
            && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
    }

    std::filesystem::path root;
};

TEST_F(KorvelLinuxTest, WithoutTheFolderThereIsNoDeviceSet)
{
    KorvelLinuxServices services(root.string());
    testing::internal::CaptureStdout();
    EXPECT_EQ(KorvelOpenDevice(services), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "No HDEVINFO available for this GUID\n");
}

TEST_F(KorvelLinuxTest, AnEmptyFolderGivesNoDeviceQuietly)
{
    std::filesystem::create_directories(root / "korvel");
    KorvelLinuxServices services(root.string());
    testing::internal::CaptureStdout();
    EXPECT_EQ(KorvelOpenDevice(services), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST_F(KorvelLinuxTest, OpensTheFirstNodeInNameOrder)
{
    MakeNode("tuner1");
    MakeNode("tuner0");
    MakeNode(".hidden");
    KorvelLinuxServices services(root.string());
    testing::internal::CaptureStdout();
    void* device = KorvelOpenDevice(services);
    const std::string output = testing::internal::GetCapturedStdout();
    ASSERT_NE(device, nullptr);
    EXPECT_TRUE(SameFile(Fd(device), root / "korvel" / "tuner0"));
    EXPECT_EQ(output, "Symbolic link is " + (root / "korvel" / "tuner0").string() + "\n");
    close(Fd(device));
}

TEST_F(KorvelLinuxTest, AFirstNodeThatCannotBeOpenedGivesNoDevice)
{
    std::filesystem::create_directories(root / "korvel" / "a-folder");
    MakeNode("b-node");
    KorvelLinuxServices services(root.string());
    testing::internal::CaptureStdout();
    EXPECT_EQ(KorvelOpenDevice(services), nullptr);
    testing::internal::GetCapturedStdout();
}

TEST_F(KorvelLinuxTest, ANodeWithoutTheDriverRefusesTransfers)
{
    MakeNode("tuner0");
    KorvelLinuxServices services(root.string());
    testing::internal::CaptureStdout();
    void* device = KorvelOpenDevice(services);
    testing::internal::GetCapturedStdout();
    ASSERT_NE(device, nullptr);

    std::array<std::uint8_t, 4> buffer{0xEE, 0xEE, 0xEE, 0xEE};
    std::uint32_t returned = 99;
    EXPECT_EQ(KorvelReadBuffer(services, device, 4, buffer.data(), &returned), 0);
    EXPECT_EQ(returned, 0u);
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 4>{0xEE, 0xEE, 0xEE, 0xEE}));
    EXPECT_EQ(KorvelWriteBuffer(services, device, 4, buffer.data(), &returned), 0);
    close(Fd(device));

    EXPECT_EQ(KorvelReadBuffer(services, nullptr, 4, buffer.data(), &returned), 0);
}

} // namespace
