#include "AcpiDevice.h"
#include "AcpiDeviceRecording.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Le32(std::uint32_t value)
{
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

TEST(AcpiMethodNameTest, FirstCharacterInLowestByte)
{
    EXPECT_EQ(AcpiMethodSndo, 0x4F444E53u);
}

class AcpiRequestTest : public ::testing::TestWithParam<std::int32_t> {};

TEST_P(AcpiRequestTest, SndoRequestBytes)
{
    const std::int32_t argument = GetParam();
    auto request = std::make_unique<AcpiRequest>();
    request->workArea.fill(0xEE);
    BuildAcpiRequest(AcpiMethodSndo, argument, *request);

    Bytes expectedHeader{2, 0, 0, 0, 'S', 'N', 'D', 'O', 1, 0, 0, 0, 8, 0, 0, 0};
    const Bytes address = Le32(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(request->workArea.data())));
    expectedHeader.insert(expectedHeader.end(), address.begin(), address.end());
    EXPECT_EQ(Bytes(request->header.begin(), request->header.end()), expectedHeader);

    Bytes expectedWorkArea(AcpiWorkAreaSize, 0);
    const Bytes record{0, 0, 4, 0};
    const Bytes value = Le32(static_cast<std::uint32_t>(argument));
    std::copy(record.begin(), record.end(), expectedWorkArea.begin());
    std::copy(value.begin(), value.end(), expectedWorkArea.begin() + 4);
    EXPECT_EQ(Bytes(request->workArea.begin(), request->workArea.end()), expectedWorkArea);
}

INSTANTIATE_TEST_SUITE_P(Outputs, AcpiRequestTest, ::testing::Values(1, 2));

// A reply built record by record: (type, data length, data bytes).
struct ReplyRecord {
    std::uint16_t type;
    std::uint16_t length;
    Bytes data;
};

struct ReplyCase {
    const char* name;
    std::uint32_t count;
    std::vector<ReplyRecord> records;
    std::uint32_t index;
    std::uint32_t capacity;
    int expected;
    // Reply offset and size of the bytes that must land in the target.
    std::size_t copiedFrom = 0;
    std::size_t copiedSize = 0;
};

void PrintTo(const ReplyCase& c, std::ostream* out) { *out << c.name; }

// The reply sits in a heap block of exactly 768 bytes, so AddressSanitizer
// catches any read past its end.
std::unique_ptr<AcpiReply> BuildReply(const ReplyCase& c)
{
    auto reply = std::make_unique<AcpiReply>();
    reply->fill(0);
    const Bytes count = Le32(c.count);
    std::copy(count.begin(), count.end(), reply->begin() + 8);
    std::size_t offset = 12;
    for (const ReplyRecord& record : c.records) {
        Bytes bytes{static_cast<std::uint8_t>(record.type), static_cast<std::uint8_t>(record.type >> 8),
                    static_cast<std::uint8_t>(record.length), static_cast<std::uint8_t>(record.length >> 8)};
        bytes.insert(bytes.end(), record.data.begin(), record.data.end());
        for (std::size_t i = 0; i < bytes.size() && offset + i < reply->size(); ++i)
            (*reply)[offset + i] = bytes[i];
        offset += record.length <= 4 ? 8 : record.length + 4u;
    }
    return reply;
}

class AcpiReplyTest : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(AcpiReplyTest, GetAcpiResultArgument)
{
    const ReplyCase& c = GetParam();
    const std::unique_ptr<AcpiReply> reply = BuildReply(c);
    // The target is exactly capacity bytes, again so any overrun is caught.
    Bytes target(c.capacity, 0xEE);
    EXPECT_EQ(GetAcpiResultArgument(*reply, target.data(), c.index, c.capacity), c.expected);

    Bytes expected(c.capacity, 0xEE);
    std::copy(reply->begin() + static_cast<std::ptrdiff_t>(c.copiedFrom),
              reply->begin() + static_cast<std::ptrdiff_t>(c.copiedFrom + c.copiedSize), expected.begin());
    EXPECT_EQ(target, expected);
}

Bytes Filled(std::size_t size, std::uint8_t first)
{
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(first + i);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(Replies, AcpiReplyTest, ::testing::Values(
    ReplyCase{"NoRecord", 0, {}, 0, 100, 0},
    ReplyCase{"IntegerRecord", 1, {{0, 4, {2, 0, 0, 0}}}, 0, 100, 1, 12, 8},
    ReplyCase{"ShortRecordTakesEightBytes", 1, {{0, 2, {0x34, 0x12}}}, 0, 100, 1, 12, 8},
    ReplyCase{"LengthEightCopiedAsTwelveBytes", 1, {{1, 8, Filled(8, 0x10)}}, 0, 100, 1, 12, 12},
    ReplyCase{"SecondRecordAfterALongOne", 2, {{1, 8, Filled(8, 0x10)}, {0, 4, {7, 0, 0, 0}}}, 1, 100, 1, 24, 8},
    ReplyCase{"IndexNotBelowCount", 1, {{0, 4, {7, 0, 0, 0}}}, 1, 100, 0},
    ReplyCase{"RecordLargerThanCapacity", 1, {{2, 97, Filled(97, 1)}}, 0, 100, 0},
    ReplyCase{"RecordFillingCapacityExactly", 1, {{2, 96, Filled(96, 1)}}, 0, 100, 1, 12, 100},
    ReplyCase{"LastRecordEndingAtReplyEnd", 1, {{2, 752, Filled(752, 1)}}, 0, 1000, 1, 12, 756},
    ReplyCase{"HugeCountWalksOffTheEnd", 0xFFFFFFFF, {}, 95, 100, 0},
    ReplyCase{"HugeIndexAndCount", 0xFFFFFFFF, {}, 0xFFFFFFFE, 100, 0},
    ReplyCase{"HugeLengthWithHugeCapacity", 1, {{2, 0xFFFF, {}}}, 0, 0x20000, 0},
    ReplyCase{"LengthPastTheEnd", 1, {{2, 753, Filled(753, 1)}}, 0, 1000, 0},
    ReplyCase{"LengthsWalkingOffTheEnd", 100, {{2, 300, {}}, {2, 300, {}}, {2, 300, {}}}, 2, 1000, 0},
    ReplyCase{"RecordHeaderAcrossTheEnd", 2, {{2, 750, {}}}, 1, 1000, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CallAcpiMethodTest, SendsTheRequestAndReturnsTheEchoedArgument)
{
    AcpiDeviceRecording device;
    ASSERT_TRUE(device.Open());
    std::int32_t result = -7;
    EXPECT_EQ(CallAcpiMethod(device, AcpiMethodSndo, 2, result), 1);
    EXPECT_EQ(result, 2);
    EXPECT_EQ(CallAcpiMethod(device, AcpiMethodSndo, 1, result), 1);
    EXPECT_EQ(result, 1);
    const std::vector<AcpiDeviceRecording::Call> expected{{AcpiControlCode, AcpiMethodSndo, 2},
                                                          {AcpiControlCode, AcpiMethodSndo, 1}};
    EXPECT_EQ(device.Calls(), expected);
}

TEST(CallAcpiMethodTest, ResultComesFromTheFirstRecord)
{
    AcpiDeviceRecording device;
    ASSERT_TRUE(device.Open());
    const ReplyCase longRecord{"", 1, {{1, 8, Filled(8, 0x10)}}, 0, 100, 1};
    device.SetReply(*BuildReply(longRecord));
    std::int32_t result = 0;
    EXPECT_EQ(CallAcpiMethod(device, AcpiMethodSndo, 2, result), 1);
    EXPECT_EQ(result, 0x13121110);

    device.SetReply(*BuildReply(ReplyCase{"", 0, {}, 0, 100, 0}));
    EXPECT_EQ(CallAcpiMethod(device, AcpiMethodSndo, 2, result), 1);
    EXPECT_EQ(result, 0);
}

TEST(CallAcpiMethodTest, MissingDeviceGivesZeroAndReachesNothing)
{
    AcpiDeviceRecording device(AcpiDeviceRecording::Presence::Missing);
    EXPECT_FALSE(device.Open());
    std::int32_t result = -7;
    EXPECT_EQ(CallAcpiMethod(device, AcpiMethodSndo, 1, result), 1);
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(device.Calls().empty());
}

TEST(AcpiSubstituteTest, AnswersWithTheArgumentWhileOpen)
{
    const std::unique_ptr<AcpiDevice> device = CreateAcpiDevice();
    ASSERT_TRUE(device->Open());
    std::int32_t result = 0;
    CallAcpiMethod(*device, AcpiMethodSndo, 2, result);
    EXPECT_EQ(result, 2);

    AcpiRequest request;
    BuildAcpiRequest(AcpiMethodSndo, 1, request);
    AcpiReply reply{};
    EXPECT_FALSE(device->Control(0x222400, request, reply));
    request.workArea[2] = 8;
    EXPECT_FALSE(device->Control(AcpiControlCode, request, reply));
    EXPECT_EQ(reply, AcpiReply{});

    device->Close();
    EXPECT_FALSE(device->IsOpen());
    CallAcpiMethod(*device, AcpiMethodSndo, 2, result);
    EXPECT_EQ(result, 0);
}

} // namespace
