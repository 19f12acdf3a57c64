#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

// The notebook's ACPI control driver, which evaluates firmware methods such
// as "SNDO" (the audio path: 1 earphone, 2 speaker) on the program's behalf.

inline constexpr const char* AcpiDevicePath = "\\\\.\\QVRACPI";
// Device type 0x22, function 0x901, buffered, any access.
inline constexpr std::uint32_t AcpiControlCode = 0x222404;

inline constexpr std::size_t AcpiRequestSize = 20;
inline constexpr std::size_t AcpiWorkAreaSize = 100;
inline constexpr std::size_t AcpiReplySize = 768;

// A method name as the driver takes it: four ASCII characters, the first in
// the lowest byte ("SNDO" is 0x4F444E53).
constexpr std::uint32_t AcpiMethodName(std::string_view name)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4 && i < name.size(); ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(name[i])) << (8 * i);
    return value;
}

inline constexpr std::uint32_t AcpiMethodSndo = AcpiMethodName("SNDO");

// One method call: the 20-byte request sent as the input buffer, and the
// work area its last field points at. The work area holds the argument
// record and later receives the reply's first record. The request holds the
// work area's address, so build it where it is used and do not copy it.
struct AcpiRequest {
    std::array<std::uint8_t, AcpiRequestSize> header{};
    std::array<std::uint8_t, AcpiWorkAreaSize> workArea{};
};

using AcpiReply = std::array<std::uint8_t, AcpiReplySize>;

// Fills request for method with one integer argument: kind 2, the method,
// one argument of 8 bytes at the work area, whose first 8 bytes become the
// record (type 0, data length 4, the argument). The address field holds the
// low 32 bits of the work area's address: the driver's format has room for
// no more.
void BuildAcpiRequest(std::uint32_t method, std::int32_t argument, AcpiRequest& request);

// Reads back what BuildAcpiRequest wrote: false unless the request is kind
// 2 with at least one integer argument record of data length 4 in its work
// area.
bool DecodeAcpiRequest(const AcpiRequest& request, std::uint32_t& method, std::int32_t& argument);

// A reply holding one integer record with value, the rest zero.
void BuildAcpiIntegerReply(std::int32_t value, AcpiReply& reply);

// Copies argument record number index (from 0) of reply into target, which
// holds capacity bytes. Returns 1 when copied; 0 when there is no such
// record, when it is larger than capacity, or when the reply's count or
// lengths point beyond its 768 bytes (nothing outside reply is ever read).
int GetAcpiResultArgument(const AcpiReply& reply, std::uint8_t* target, std::uint32_t index, std::uint32_t capacity);

// The opened control device. Backends: the driver itself on Windows, a
// built-in substitute elsewhere, recording ones for tests.
class AcpiDevice {
public:
    virtual ~AcpiDevice() = default;

    // Opens AcpiDevicePath for reading and writing; false when it is missing.
    virtual bool Open() = 0;
    virtual bool IsOpen() const = 0;
    // One device-control call with request as input and reply (768 bytes) as
    // output. False when the device refused it or is not open; reply may then
    // be left as it was.
    virtual bool Control(std::uint32_t code, const AcpiRequest& request, AcpiReply& reply) = 0;
    virtual void Close() = 0;
};

// The backend of this operating system, not yet opened.
std::unique_ptr<AcpiDevice> CreateAcpiDevice();

// Evaluates method with argument on device. result is the value of the
// reply's first record, or 0 when the reply has none (also when the device
// call failed). Returns 1 in every case.
int CallAcpiMethod(AcpiDevice& device, std::uint32_t method, std::int32_t argument, std::int32_t& result);
