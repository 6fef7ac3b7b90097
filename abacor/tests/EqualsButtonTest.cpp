#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "abacor/Controls.h"
#include "abacor/tests/Session.h"

namespace abacor::testing {
namespace {

using namespace std::chrono_literals;
using Strings = std::vector<std::string>;

class EqualsButton : public ::testing::Test {
protected:
    std::vector<std::chrono::milliseconds> Offsets() const {
        std::vector<std::chrono::milliseconds> at;
        for (const auto& played : session.headless.sound->played)
            at.push_back(std::chrono::duration_cast<std::chrono::milliseconds>(
                played.at - session.headless.sound->played.front().at));
        return at;
    }

    Workspace workspace;
    Session session;
};

TEST_F(EqualsButton, RightAfterOpening) {
    session.Click(ctl::EQUALSB);
    EXPECT_EQ(session.Sounds(), (Strings{"0.wav", "plus.wav", "0.wav", "equals.wav", "0.wav"}));
    EXPECT_EQ(Offsets(),
              (std::vector<std::chrono::milliseconds>{0ms, 500ms, 1000ms, 1500ms, 2500ms}));
    EXPECT_EQ(session.headless.clock->sleeps, 5);
}

TEST_F(EqualsButton, SpeaksTheProblemShown) {
    session.Click(ctl::N1_RADIO(4));
    session.Click(ctl::N2_RADIO(8));
    session.Click(ctl::MINUSB);
    session.headless.sound->played.clear();
    session.Click(ctl::EQUALSB);
    EXPECT_EQ(session.Sounds(),
              (Strings{"3.wav", "minus.wav", "7.wav", "equals.wav", "minus.wav", "4.wav"}));
    EXPECT_EQ(Offsets(),
              (std::vector<std::chrono::milliseconds>{0ms, 500ms, 1000ms, 1500ms, 2000ms, 3000ms}));
}

// A click while the equation is spoken waits in the queue: it is handled,
// and its number spoken, only after the last word has started.
TEST_F(EqualsButton, ClickMeanwhileIsHandledAfterwards) {
    bool clicked = false;
    session.headless.clock->onSleep = [&] {
        if (clicked) return;
        clicked = true;
        runtime::Click(session.Window(), ctl::N1_RADIO(6));
        // Nothing of it is handled while the equation goes on.
        EXPECT_EQ(session.Vars().LocShape, "");
    };
    session.Click(ctl::EQUALSB);
    while (session.Pump() > 0) {
    }
    EXPECT_TRUE(clicked);
    EXPECT_EQ(session.Sounds(),
              (Strings{"0.wav", "plus.wav", "0.wav", "equals.wav", "0.wav", "5.wav"}));
    EXPECT_EQ(session.Vars().N1, 5);
}

// Nothing is redrawn between the words unless the desktop asks for it.
TEST_F(EqualsButton, TheWindowKeepsItsPictureWhileSpeaking) {
    session.Click(ctl::N1_RADIO(3));
    std::vector<int> presents;
    session.headless.clock->onSleep = [&] {
        presents.push_back(session.headless.platform->PresentCount());
    };
    session.Click(ctl::EQUALSB);
    ASSERT_EQ(presents.size(), 5u);
    EXPECT_EQ(std::count(presents.begin(), presents.end(), presents.front()), 5);
}

// A child hammering "=": ten presses queued during a speech give one more
// speech, not ten; a click among them is still handled, after the speech
// and in its place; and a repaint asked for meanwhile is served while the
// equation goes on.
TEST_F(EqualsButton, PressesDuringASpeechMergeIntoOneMoreSpeech) {
    int sleeps = 0;
    int presentsAtFirstSleep = 0;
    bool repaintServed = false;
    session.headless.clock->onSleep = [&] {
        ++sleeps;
        runtime::HeadlessPlatform& platform = *session.headless.platform;
        if (sleeps == 1) {
            for (int i = 0; i < 5; ++i) runtime::Click(session.Window(), ctl::EQUALSB);
            runtime::Click(session.Window(), ctl::N1_RADIO(6));
            for (int i = 0; i < 5; ++i) runtime::Click(session.Window(), ctl::EQUALSB);
            platform.Inject({runtime::InputEvent::Type::Exposed, {}, 0, false});
            presentsAtFirstSleep = platform.PresentCount();
        } else if (sleeps == 2) {
            repaintServed = platform.PresentCount() > presentsAtFirstSleep;
            EXPECT_EQ(session.Vars().N1, 0) << "nothing else is handled during the speech";
        }
    };
    session.Click(ctl::EQUALSB);
    while (session.Pump() > 0) {
    }
    EXPECT_TRUE(repaintServed);
    const Strings speech = {"0.wav", "plus.wav", "0.wav", "equals.wav", "0.wav"};
    Strings expected = speech;
    expected.insert(expected.end(), speech.begin(), speech.end());
    expected.push_back("5.wav");
    EXPECT_EQ(session.Sounds(), expected);
    EXPECT_EQ(session.Vars().N1, 5);
}

// Pressing "=" again after a speech has ended speaks again, every time.
TEST_F(EqualsButton, PressesAfterASpeechAreEachSpoken) {
    for (int i = 0; i < 3; ++i) session.Click(ctl::EQUALSB);
    const Strings sounds = session.Sounds();
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "equals.wav"), 3);
}

// A close request during a speech ends it after the word being spoken, and
// the window closes before anything held meanwhile is handled.
TEST_F(EqualsButton, CloseRequestEndsTheSpeech) {
    session.headless.clock->onSleep = [&] {
        if (session.headless.clock->sleeps != 1) return;
        runtime::Click(session.Window(), ctl::N1_RADIO(6));
        runtime::RequestClose(session.Window());
    };
    session.Click(ctl::EQUALSB);
    EXPECT_EQ(session.Sounds(), (Strings{"0.wav", "plus.wav"}));
    EXPECT_TRUE(session.main->manager.Done());
    EXPECT_EQ(session.Vars().N1, 0);
}

}  // namespace
}  // namespace abacor::testing
