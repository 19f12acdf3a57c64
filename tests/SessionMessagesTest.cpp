#include "SessionMessages.h"

#include <gtest/gtest.h>

namespace {

struct MessageCase {
    const char* name;
    unsigned message;
    std::uintptr_t wParam;
    SessionMessage expected;
};

class SessionMessagesTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(SessionMessagesTest, ClassifiesTheWindowMessage)
{
    EXPECT_EQ(ClassifySessionMessage(GetParam().message, GetParam().wParam), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, SessionMessagesTest,
    ::testing::Values(MessageCase{"QueryEndSession", 0x0011, 0, SessionMessage::EndSession},
                      MessageCase{"ResumeFromSuspend", 0x0218, 7, SessionMessage::Resumed},
                      MessageCase{"SuspendAnnounced", 0x0218, 4, SessionMessage::OtherPowerEvent},
                      MessageCase{"AutomaticResume", 0x0218, 0x12, SessionMessage::OtherPowerEvent},
                      MessageCase{"EndSessionItself", 0x0016, 1, SessionMessage::Other},
                      MessageCase{"MouseMove", 0x0200, 7, SessionMessage::Other}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
