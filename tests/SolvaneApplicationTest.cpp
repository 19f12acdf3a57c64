#include "PlatformError.h"
#include "SolvaneApplication.h"
#include "UserMessages.h"

#include <QEvent>
#include <QObject>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace {

class RecordedMessages : public UserMessages {
public:
    void Show(const UserMessage& message) override
    {
        shown.push_back(message);
        ++open;
        deepest = std::max(deepest, open);
        // What happens while a modal message box waits for its click: its
        // event loop goes on delivering events (timer ticks among them).
        if (whileOpen)
            std::exchange(whileOpen, nullptr)();
        --open;
    }
    std::vector<UserMessage> shown;
    std::function<void()> whileOpen;
    int open = 0;
    int deepest = 0;
};

RecordedMessages messages;

// A handler that fails the way a skin picture that cannot be read does.
class FailingHandler : public QObject {
public:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User)
            throw PlatformError("Cannot read picture /opt/solvane/RES/MainBtn/bu_tuneR_o.bmp");
        ++handled;
        return QObject::event(event);
    }
    int handled = 0;
};

// The application and its messages live as long as the program; each case
// starts with none shown, whichever cases ran before it.
class SolvaneApplicationErrors : public testing::Test {
protected:
    void SetUp() override
    {
        messages.shown.clear();
        messages.whileOpen = nullptr;
        messages.open = 0;
        messages.deepest = 0;
    }
};

TEST_F(SolvaneApplicationErrors, HandlerErrorIsShownAndTheProgramGoesOn)
{
    FailingHandler handler;
    QEvent failing(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&handler, &failing));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Cannot read picture /opt/solvane/RES/MainBtn/bu_tuneR_o.bmp"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Stop);

    QEvent next(static_cast<QEvent::Type>(QEvent::User + 1));
    QCoreApplication::sendEvent(&handler, &next);
    EXPECT_EQ(handler.handled, 1);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(SolvaneApplicationErrors, AFailureWhileAnErrorIsShownIsNotStackedOnIt)
{
    FailingHandler handler;
    // A clock tick that fails again while the first failure's message waits.
    messages.whileOpen = [&handler] {
        QEvent again(QEvent::User);
        QCoreApplication::sendEvent(&handler, &again);
    };
    QEvent failing(QEvent::User);
    QCoreApplication::sendEvent(&handler, &failing);
    EXPECT_EQ(messages.deepest, 1) << "one message at a time, not one inside another";
    EXPECT_EQ(messages.shown.size(), 1u);

    // Once the message is closed, the next failure is shown again.
    QCoreApplication::sendEvent(&handler, &failing);
    EXPECT_EQ(messages.shown.size(), 2u);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    SolvaneApplication app(argc, argv, messages);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
