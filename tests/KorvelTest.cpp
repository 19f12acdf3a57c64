#include "KorvelTransfer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// An in-memory vendor driver: records every control request and answers
// reads with a scripted reply.
class FakeDriver final : public KorvelServices {
public:
    struct Call {
        std::uint32_t code;
        std::array<std::uint8_t, KorvelRequestSize> request;
        std::uint32_t outSize;
        std::vector<std::uint8_t> dataSent;
        std::uint32_t dataAddress;
    };

    InterfaceLookup lookup{true, std::string("\\\\?\\usb#vid_040b&pid_4100#tuner")};
    void* openResult = reinterpret_cast<void*>(0x44);
    std::vector<std::string> opened;
    std::vector<Call> calls;
    int result = 1;
    std::vector<std::uint8_t> reply;

    InterfaceLookup FindFirstInterface() override { return lookup; }

    void* OpenPath(const std::string& path) override
    {
        opened.push_back(path);
        return openResult;
    }

    int Control(void*, std::uint32_t code, KorvelTransferFrame& frame, std::uint32_t outSize,
                std::uint32_t* bytesReturned) override
    {
        const std::uint32_t length = frame.request[4] | frame.request[5] << 8;
        calls.push_back({code, frame.request, outSize,
                         std::vector<std::uint8_t>(frame.data.begin(), frame.data.begin() + length),
                         KorvelAddressField(frame.data.data())});
        const auto count = static_cast<std::uint32_t>(std::min<std::size_t>(reply.size(), outSize));
        std::copy_n(reply.begin(), count, frame.data.begin());
        *bytesReturned = result ? count : 0;
        return result;
    }
};

std::array<std::uint8_t, 12> Request(std::uint8_t opcode, std::uint32_t length, std::uint32_t address)
{
    return {opcode, 0, 0, 0,
            std::uint8_t(length), std::uint8_t(length >> 8), std::uint8_t(length >> 16), std::uint8_t(length >> 24),
            std::uint8_t(address), std::uint8_t(address >> 8), std::uint8_t(address >> 16), std::uint8_t(address >> 24)};
}

class KorvelTest : public testing::Test {
protected:
    FakeDriver driver;
    void* device = reinterpret_cast<void*>(0x44);
    std::uint32_t returned = 0xDEAD;
};

TEST_F(KorvelTest, OpenReportsTheDevicePathAndOpensIt)
{
    testing::internal::CaptureStdout();
    EXPECT_EQ(KorvelOpenDevice(driver), reinterpret_cast<void*>(0x44));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Symbolic link is \\\\?\\usb#vid_040b&pid_4100#tuner\n");
    EXPECT_EQ(driver.opened, std::vector<std::string>{*driver.lookup.firstPath});
}

TEST_F(KorvelTest, OpenFailures)
{
    struct Row {
        const char* name;
        KorvelServices::InterfaceLookup lookup;
        void* openResult;
        const char* output;
    };
    const Row rows[] = {
        {"no device set", {false, std::nullopt}, nullptr, "No HDEVINFO available for this GUID\n"},
        {"no interface", {true, std::nullopt}, nullptr, ""},
        {"open refused", {true, std::string("/dev/korvel/a")}, nullptr, "Symbolic link is /dev/korvel/a\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeDriver fake;
        fake.lookup = row.lookup;
        fake.openResult = row.openResult;
        testing::internal::CaptureStdout();
        EXPECT_EQ(KorvelOpenDevice(fake), nullptr);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), row.output);
    }
}

TEST_F(KorvelTest, ReadSendsTheReadRequestAndCopiesTheReply)
{
    driver.reply = {1, 2, 3, 4, 5, 6, 7, 8};
    std::array<std::uint8_t, 8> buffer{};
    EXPECT_EQ(KorvelReadBuffer(driver, device, 8, buffer.data(), &returned), 1);
    ASSERT_EQ(driver.calls.size(), 1u);
    EXPECT_EQ(driver.calls[0].code, 0x22201Cu);
    EXPECT_EQ(driver.calls[0].request, Request(0x88, 8, 0));
    EXPECT_EQ(driver.calls[0].outSize, 8u);
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(returned, 8u);
}

TEST_F(KorvelTest, WriteSendsTheWriteRequestWithTheBytesBehindItsAddress)
{
    const std::array<std::uint8_t, 5> bytes{0x10, 0x20, 0x30, 0x40, 0x50};
    EXPECT_EQ(KorvelWriteBuffer(driver, device, 5, bytes.data(), &returned), 1);
    ASSERT_EQ(driver.calls.size(), 1u);
    EXPECT_EQ(driver.calls[0].code, 0x222020u);
    EXPECT_EQ(driver.calls[0].request, Request(0x66, 5, driver.calls[0].dataAddress));
    EXPECT_EQ(driver.calls[0].outSize, 0u);
    EXPECT_EQ(driver.calls[0].dataSent, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

TEST(KorvelAddressFieldTest, CarriesAnAddressOnlyWhenItFitsIn32Bits)
{
    EXPECT_EQ(KorvelAddressField(reinterpret_cast<void*>(0x12345678)), 0x12345678u);
    if constexpr (sizeof(void*) > 4) {
        EXPECT_EQ(KorvelAddressField(reinterpret_cast<void*>(std::uintptr_t(1) << 32 | 0x10)), 0u);
    }
}

TEST_F(KorvelTest, LengthZeroStillSendsTheRequestAndCopiesNothing)
{
    driver.reply = {9, 9, 9};
    std::array<std::uint8_t, 4> buffer{0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(KorvelReadBuffer(driver, device, 0, buffer.data(), &returned), 1);
    EXPECT_EQ(KorvelWriteBuffer(driver, device, 0, nullptr, &returned), 1);
    ASSERT_EQ(driver.calls.size(), 2u);
    EXPECT_EQ(driver.calls[0].request, Request(0x88, 0, 0));
    EXPECT_EQ(driver.calls[0].outSize, 0u);
    EXPECT_EQ(driver.calls[1].request, Request(0x66, 0, driver.calls[1].dataAddress));
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 4>{0xEE, 0xEE, 0xEE, 0xEE}));
}

TEST_F(KorvelTest, ShortReplyFillsTheRestWithZerosNotEarlierData)
{
    driver.reply.assign(256, 0xFF);
    std::array<std::uint8_t, 256> buffer{};
    ASSERT_EQ(KorvelReadBuffer(driver, device, 256, buffer.data(), &returned), 1);

    driver.reply = {0xA1, 0xA2, 0xA3};
    std::array<std::uint8_t, 8> shortBuffer;
    shortBuffer.fill(0xEE);
    EXPECT_EQ(KorvelReadBuffer(driver, device, 8, shortBuffer.data(), &returned), 1);
    EXPECT_EQ(returned, 3u);
    EXPECT_EQ(shortBuffer, (std::array<std::uint8_t, 8>{0xA1, 0xA2, 0xA3, 0, 0, 0, 0, 0}));
}

TEST_F(KorvelTest, ReadOf256BytesFillsTheWholeBuffer)
{
    for (int i = 0; i < 256; ++i)
        driver.reply.push_back(static_cast<std::uint8_t>(255 - i));
    std::vector<std::uint8_t> buffer(256, 0);
    EXPECT_EQ(KorvelReadBuffer(driver, device, 256, buffer.data(), &returned), 1);
    EXPECT_EQ(buffer, driver.reply);
    EXPECT_EQ(returned, 256u);
}

TEST_F(KorvelTest, FailedReadLeavesTheBufferAlone)
{
    driver.result = 0;
    driver.reply = {1, 2, 3, 4};
    std::array<std::uint8_t, 4> buffer{0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(KorvelReadBuffer(driver, device, 4, buffer.data(), &returned), 0);
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 4>{0xEE, 0xEE, 0xEE, 0xEE}));
    EXPECT_EQ(returned, 0u);
}

TEST_F(KorvelTest, RefusesWhatTheTransferBufferCannotHoldOrAMissingBuffer)
{
    std::vector<std::uint8_t> buffer(300, 0xEE);
    EXPECT_EQ(KorvelReadBuffer(driver, device, 257, buffer.data(), &returned), 0);
    EXPECT_EQ(returned, 0u);
    EXPECT_EQ(KorvelWriteBuffer(driver, device, 257, buffer.data(), &returned), 0);
    EXPECT_EQ(KorvelReadBuffer(driver, device, 4, nullptr, &returned), 0);
    EXPECT_EQ(KorvelWriteBuffer(driver, device, 4, nullptr, &returned), 0);
    EXPECT_TRUE(driver.calls.empty());
    EXPECT_EQ(buffer, std::vector<std::uint8_t>(300, 0xEE));
}

TEST_F(KorvelTest, AMissingCountPointerIsTolerated)
{
    driver.reply = {7};
    std::uint8_t byte = 0;
    EXPECT_EQ(KorvelReadBuffer(driver, device, 1, &byte, nullptr), 1);
    EXPECT_EQ(byte, 7);
}

} // namespace
