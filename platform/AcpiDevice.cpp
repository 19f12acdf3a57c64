#include "AcpiDevice.h"

#include <cstring>

namespace {

constexpr std::uint32_t RequestKindMethod = 2;
constexpr std::uint16_t ArgumentTypeInteger = 0;
constexpr std::size_t ReplyCountOffset = 8;
constexpr std::size_t ReplyRecordsOffset = 12;
constexpr std::size_t RecordHeaderSize = 4;

void Put16(std::uint8_t* at, std::uint16_t value)
{
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::uint8_t* at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint16_t Get16(const std::uint8_t* at)
{
    return static_cast<std::uint16_t>(at[0] | (at[1] << 8));
}

std::uint32_t Get32(const std::uint8_t* at)
{
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(at[i]) << (8 * i);
    return value;
}

// A record takes 8 bytes when its data fits in 4, else its data plus header.
std::size_t RecordSize(std::uint16_t dataLength)
{
    return dataLength <= 4 ? 8 : std::size_t{dataLength} + RecordHeaderSize;
}

} // namespace

void BuildAcpiRequest(std::uint32_t method, std::int32_t argument, AcpiRequest& request)
{
    request.workArea.fill(0);
    std::uint8_t* record = request.workArea.data();
    Put16(record, ArgumentTypeInteger);
    Put16(record + 2, 4);
    Put32(record + 4, static_cast<std::uint32_t>(argument));

    std::uint8_t* header = request.header.data();
    Put32(header, RequestKindMethod);
    Put32(header + 4, method);
    Put32(header + 8, 1);
    Put32(header + 12, static_cast<std::uint32_t>(RecordSize(4)));
    Put32(header + 16, static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(record)));
}

bool DecodeAcpiRequest(const AcpiRequest& request, std::uint32_t& method, std::int32_t& argument)
{
    const std::uint8_t* header = request.header.data();
    const std::uint8_t* record = request.workArea.data();
    if (Get32(header) != RequestKindMethod || Get32(header + 8) < 1 || Get32(header + 12) < 8)
        return false;
    if (Get16(record) != ArgumentTypeInteger || Get16(record + 2) != 4)
        return false;
    method = Get32(header + 4);
    argument = static_cast<std::int32_t>(Get32(record + 4));
    return true;
}

void BuildAcpiIntegerReply(std::int32_t value, AcpiReply& reply)
{
    reply.fill(0);
    Put32(reply.data() + ReplyCountOffset, 1);
    std::uint8_t* record = reply.data() + ReplyRecordsOffset;
    Put16(record, ArgumentTypeInteger);
    Put16(record + 2, 4);
    Put32(record + 4, static_cast<std::uint32_t>(value));
}

int GetAcpiResultArgument(const AcpiReply& reply, std::uint8_t* target, std::uint32_t index, std::uint32_t capacity)
{
    if (index >= Get32(reply.data() + ReplyCountOffset))
        return 0;
    // Every record is at least 8 bytes, so the walk leaves the reply after
    // at most 95 steps whatever index and the count claim.
    std::size_t offset = ReplyRecordsOffset;
    for (std::uint32_t i = 0;; ++i) {
        if (offset + RecordHeaderSize > reply.size())
            return 0;
        const std::size_t size = RecordSize(Get16(reply.data() + offset + 2));
        if (i == index) {
            if (size > capacity || offset + size > reply.size())
                return 0;
            std::memcpy(target, reply.data() + offset, size);
            return 1;
        }
        offset += size;
    }
}

int CallAcpiMethod(AcpiDevice& device, std::uint32_t method, std::int32_t argument, std::int32_t& result)
{
    AcpiRequest request;
    BuildAcpiRequest(method, argument, request);
    // A call the device refuses leaves the reply empty: no record, result 0.
    AcpiReply reply{};
    device.Control(AcpiControlCode, request, reply);
    if (GetAcpiResultArgument(reply, request.workArea.data(), 0, AcpiWorkAreaSize) == 1)
        result = static_cast<std::int32_t>(Get32(request.workArea.data() + 4));
    else
        result = 0;
    return 1;
}
