#include "MarlowinTransfer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <map>
#include <string>
#include <vector>

namespace {

// An in-memory HID class driver: a scripted list of interfaces, handles
// numbered by position, a record of opens, closes and reports.
class FakeHid final : public MarlowinServices {
public:
    struct Device {
        HidInterfaceEntry::Kind kind = HidInterfaceEntry::Kind::Interface;
        HidIdentity identity{MarlowinVendorId, MarlowinProductId};
        bool knownBeforeOpen = false;
        bool opens = true;
        bool answersAttributes = true;
    };

    std::vector<Device> devices;
    bool haveSet = true;
    bool allocationFails = false;
    std::vector<std::uint32_t> indexesAsked;
    std::vector<std::string> opened;
    std::vector<void*> closed;
    int ioResult = 1;
    std::vector<std::uint8_t> written;
    std::vector<std::uint8_t> inputReport;
    int allocations = 0;

    static void* HandleOf(std::size_t index) { return reinterpret_cast<void*>(0x100 + index); }

    std::unique_ptr<HidInterfaceSet> PresentInterfaces() override
    {
        return haveSet ? std::make_unique<Set>(*this) : nullptr;
    }

    void* Open(const std::string& path) override
    {
        opened.push_back(path);
        const std::size_t index = std::stoul(path);
        return devices[index].opens ? HandleOf(index) : MarlowinNoDevice();
    }

    std::optional<HidIdentity> Attributes(void* device) override
    {
        const Device& d = devices[reinterpret_cast<std::uintptr_t>(device) - 0x100];
        return d.answersAttributes ? std::optional(d.identity) : std::nullopt;
    }

    int Write(void*, const std::uint8_t* report, std::uint32_t size, std::uint32_t* count) override
    {
        written.assign(report, report + size);
        *count = ioResult ? size : 0;
        return ioResult;
    }

    int Read(void*, std::uint8_t* report, std::uint32_t size, std::uint32_t* count) override
    {
        *count = 0;
        if (!ioResult)
            return 0;
        *count = static_cast<std::uint32_t>(std::min<std::size_t>(size, inputReport.size()));
        std::copy_n(inputReport.begin(), *count, report);
        return 1;
    }

    int Close(void* device) override
    {
        closed.push_back(device);
        return 1;
    }

    std::uint8_t* AllocateZeroed(std::size_t size) override
    {
        if (allocationFails)
            return nullptr;
        ++allocations;
        return static_cast<std::uint8_t*>(std::calloc(size, 1));
    }

    void Free(std::uint8_t* block) override
    {
        --allocations;
        std::free(block);
    }

private:
    class Set final : public HidInterfaceSet {
    public:
        explicit Set(FakeHid& hid)
            : m_hid(hid)
        {
        }
        HidInterfaceEntry At(std::uint32_t index) override
        {
            m_hid.indexesAsked.push_back(index);
            if (index >= m_hid.devices.size())
                return {};
            const Device& d = m_hid.devices[index];
            HidInterfaceEntry entry{d.kind, std::to_string(index), std::nullopt};
            if (d.knownBeforeOpen)
                entry.identity = d.identity;
            return entry;
        }

    private:
        FakeHid& m_hid;
    };
};

constexpr HidIdentity OtherProduct{MarlowinVendorId, 0x4101};
constexpr HidIdentity OtherVendor{0x046D, MarlowinProductId};

TEST(MarlowinOpenTest, PicksTheFirstMatchingInterfaceInIndexOrder)
{
    using Kind = HidInterfaceEntry::Kind;
    struct Row {
        const char* name;
        std::vector<FakeHid::Device> devices;
        void* expected;
    };
    const FakeHid::Device tuner;
    const Row rows[] = {
        {"no interfaces", {}, MarlowinNoDevice()},
        {"right vendor, other product", {{.identity = OtherProduct}}, MarlowinNoDevice()},
        {"other vendor, right product", {{.identity = OtherVendor}}, MarlowinNoDevice()},
        {"two tuners give the first", {{.identity = OtherVendor}, tuner, tuner}, FakeHid::HandleOf(1)},
        {"a tuner at an odd index", {{.identity = OtherVendor}, {.identity = OtherProduct}, {.identity = OtherVendor}, tuner},
         FakeHid::HandleOf(3)},
        {"past the twentieth interface", std::vector<FakeHid::Device>(25, {.identity = OtherProduct}), MarlowinNoDevice()},
        {"skipped index, refused open, silent attributes",
         {{.kind = Kind::Skipped}, {.opens = false}, {.answersAttributes = false}, tuner},
         FakeHid::HandleOf(3)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeHid hid;
        hid.devices = row.devices;
        EXPECT_EQ(MarlowinOpenDevice(hid), row.expected);
        if (row.expected == MarlowinNoDevice()) {
            std::vector<std::uint32_t> all(row.devices.size() + 1);
            for (std::uint32_t i = 0; i < all.size(); ++i)
                all[i] = i;
            EXPECT_EQ(hid.indexesAsked, all) << "every index until the enumeration ends";
        }
    }
}

TEST(MarlowinOpenTest, ClosesEveryHandleItDoesNotReturn)
{
    FakeHid hid;
    hid.devices = {{.identity = OtherProduct}, {.answersAttributes = false}, {.identity = OtherVendor}, {}, {}};
    EXPECT_EQ(MarlowinOpenDevice(hid), FakeHid::HandleOf(3));
    EXPECT_EQ(hid.opened, (std::vector<std::string>{"0", "1", "2", "3"}));
    EXPECT_EQ(hid.closed, (std::vector<void*>{FakeHid::HandleOf(0), FakeHid::HandleOf(1), FakeHid::HandleOf(2)}));
}

TEST(MarlowinOpenTest, AnIdentityKnownBeforeOpeningSparesTheOpen)
{
    FakeHid hid;
    hid.devices = {{.identity = OtherProduct, .knownBeforeOpen = true}, {.knownBeforeOpen = true}};
    EXPECT_EQ(MarlowinOpenDevice(hid), FakeHid::HandleOf(1));
    EXPECT_EQ(hid.opened, std::vector<std::string>{"1"});
    EXPECT_TRUE(hid.closed.empty());
}

TEST(MarlowinOpenTest, NoDeviceSetGivesNoDevice)
{
    FakeHid hid;
    hid.haveSet = false;
    EXPECT_EQ(MarlowinOpenDevice(hid), MarlowinNoDevice());
}

class MarlowinTransferTest : public testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(hid.allocations, 0) << "every report block is freed"; }

    FakeHid hid;
    void* device = FakeHid::HandleOf(0);
    std::int32_t count = 12345;
};

TEST_F(MarlowinTransferTest, WritePutsReportIdZeroInFront)
{
    const std::array<std::uint8_t, 8> data{1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(MarlowinWriteBuffer(hid, device, 8, data.data(), &count), 1);
    EXPECT_EQ(hid.written, (std::vector<std::uint8_t>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(count, 8);
}

TEST_F(MarlowinTransferTest, ReadStripsTheReportId)
{
    hid.inputReport = {0, 11, 12, 13, 14, 15, 16, 17, 18};
    std::array<std::uint8_t, 10> buffer;
    buffer.fill(0xEE);
    EXPECT_EQ(MarlowinReadBuffer(hid, device, 8, buffer.data(), &count), 1);
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 10>{11, 12, 13, 14, 15, 16, 17, 18, 0xEE, 0xEE}));
    EXPECT_EQ(count, 8);
}

TEST_F(MarlowinTransferTest, FailedTransfersCountMinusOne)
{
    hid.ioResult = 0;
    std::array<std::uint8_t, 4> buffer{0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(MarlowinReadBuffer(hid, device, 4, buffer.data(), &count), 0);
    EXPECT_EQ(count, -1);
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 4>{0xEE, 0xEE, 0xEE, 0xEE}));
    count = 0;
    EXPECT_EQ(MarlowinWriteBuffer(hid, device, 4, buffer.data(), &count), 0);
    EXPECT_EQ(count, -1);
}

TEST_F(MarlowinTransferTest, RefusedBeforeAnythingIsSent)
{
    struct Row {
        const char* name;
        std::uint32_t length;
        bool withBuffer;
        bool allocationFails;
    };
    const Row rows[] = {
        {"report size would wrap", std::numeric_limits<std::uint32_t>::max(), true, false},
        {"count would not fit", 0x80000000u, true, false},
        {"no buffer", 4, false, false},
        {"allocation fails", 4, true, true},
    };
    std::array<std::uint8_t, 4> buffer{0xEE, 0xEE, 0xEE, 0xEE};
    hid.inputReport = {0, 1, 2, 3, 4};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        hid.allocationFails = row.allocationFails;
        std::uint8_t* data = row.withBuffer ? buffer.data() : nullptr;
        count = 0;
        EXPECT_EQ(MarlowinWriteBuffer(hid, device, row.length, data, &count), 0);
        EXPECT_EQ(count, -1);
        count = 0;
        EXPECT_EQ(MarlowinReadBuffer(hid, device, row.length, data, &count), 0);
        EXPECT_EQ(count, -1);
    }
    EXPECT_TRUE(hid.written.empty());
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 4>{0xEE, 0xEE, 0xEE, 0xEE}));
}

TEST(MarlowinCloseTest, ClosesOnlyRealHandles)
{
    FakeHid hid;
    EXPECT_EQ(MarlowinCloseDevice(hid, nullptr), 0);
    EXPECT_EQ(MarlowinCloseDevice(hid, MarlowinNoDevice()), 0);
    EXPECT_TRUE(hid.closed.empty());
    EXPECT_EQ(MarlowinCloseDevice(hid, FakeHid::HandleOf(2)), 1);
    EXPECT_EQ(hid.closed, std::vector<void*>{FakeHid::HandleOf(2)});
}

} // namespace
