#include "platform/MessageEvent.h"

#include "PlatformTestSupport.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using namespace platform;
using testsupport::CMessageRecorder;
using testsupport::ReceivedMessage;

TEST(PlatformMessages, PostedMessagesArriveInOrderOnlyWhenEventsAreProcessed)
{
    CMessageRecorder window;
    PostPrivateMessage(&window, WM_STROKEEDIT_TAB, kShiftTab, 0);
    PostPrivateMessage(&window, WM_FIND_STROKE, 0, -1);
    PostCommand(&window, 57601);
    EXPECT_TRUE(window.m_received.empty());

    QCoreApplication::sendPostedEvents();
    const std::vector<ReceivedMessage> expected = {
        {0x8005, 0xFFFF, 0},
        {0x8008, 0, -1},
        {kWmCommand, 57601, 0},
    };
    EXPECT_EQ(window.m_received, expected);
}

TEST(PlatformMessages, SentMessagesArriveAtOnce)
{
    CMessageRecorder window;
    // The recorder answers with the number of messages it has seen.
    EXPECT_EQ(SendPrivateMessage(&window, WM_GOTO_TIME, 4, 10), 1);
    SendCommand(&window, 1003);
    const std::vector<ReceivedMessage> expected = {{0x8009, 4, 10}, {kWmCommand, 1003, 0}};
    EXPECT_EQ(window.m_received, expected);
}

TEST(PlatformMessages, UnhandledAndTargetlessMessagesAreHarmless)
{
    QObject plain;
    EXPECT_EQ(SendPrivateMessage(&plain, WM_GOTO_TIME), 0);
    EXPECT_EQ(SendPrivateMessage(nullptr, WM_GOTO_TIME), 0);
    PostPrivateMessage(nullptr, WM_GOTO_TIME);
    QEvent other(QEvent::User);
    EXPECT_EQ(CMessageEvent::From(&other), nullptr);
}
