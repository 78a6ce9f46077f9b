// The keystroke sender on a scripted layout: which key events each key
// string makes, in order, and that pending messages run after every code.
#include "actions/SendKeys.h"
#include "fakes/FakeKeyboardInput.h"
#include "fakes/FakePeers.h"
#include "fakes/FakeUi.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace orvane::fakes {
void PrintTo(const FakeKeyboardInput::Event& e, std::ostream* os) {
    *os << int(e.virtualKey) << (e.flags & platform::KeyEventKeyUp ? " up" : " down") << " scan " << int(e.scanCode);
}
} // namespace orvane::fakes

namespace orvane::actions {
namespace {

using Event = fakes::FakeKeyboardInput::Event;

Event Down(std::uint8_t key, std::uint8_t scan = 0) { return {key, scan, 0}; }
Event Up(std::uint8_t key, std::uint8_t scan = 0) { return {key, scan, platform::KeyEventKeyUp}; }

constexpr std::uint8_t kShift = 16, kCtrl = 17, kAlt = 18;
constexpr std::uint8_t kShiftScan = 0x2A, kCtrlScan = 0x1D, kAltScan = 0x38;

std::string Codes(std::initializer_list<int> codes) {
    std::string keys;
    for (int code : codes) keys += static_cast<char>(code);
    return keys;
}

// Notes how many key events had been sent each time messages were processed.
struct ProcessingPeer : fakes::RecordingApplicationPeer {
    explicit ProcessingPeer(const fakes::FakeKeyboardInput& keyboard) : keyboard(keyboard) {}
    void ProcessMessages() override { eventsAtProcessing.push_back(keyboard.events.size()); }
    const fakes::FakeKeyboardInput& keyboard;
    std::vector<std::size_t> eventsAtProcessing;
};

class SendKeysTest : public ::testing::Test {
protected:
    SendKeysTest() {
        ui.app.SetPeer(&peer);
        // A German-style AltGr character: Ctrl and Alt with the Q key.
        keyboard.SetKey('@', 'Q', 6);
    }
    ~SendKeysTest() override { ui.app.SetPeer(nullptr); }

    fakes::FakeWindowSystem windows;
    fakes::FakeKeyboardInput keyboard{windows};
    fakes::FakeUi ui;
    ProcessingPeer peer{keyboard};
    TSendKeys sendKeys{nullptr, keyboard, ui.app};
};

TEST_F(SendKeysTest, EachKeyStringMakesItsKeyEventsInOrder) {
    struct Case {
        const char* what;
        std::string keys;
        std::vector<Event> events;
    };
    const std::vector<Case> cases = {
        {"Enter alone", Codes({13}), {Down(13, 0x1C), Up(13, 0x1C)}},
        {"a capital gets Shift from the layout", "B", {Down(kShift), Down('B', 0x30), Up('B', 0x30), Up(kShift)}},
        {"an AltGr character gets Ctrl and Alt",
         "@",
         {Down(kCtrl), Down(kAlt), Down('Q', 0x10), Up('Q', 0x10), Up(kAlt), Up(kCtrl)}},
        {"a held Ctrl replaces the layout's Shift",
         Codes({252, 'a', 'B', 253}),
         {Down(kCtrl, kCtrlScan), Down('A', 0x1E), Up('A', 0x1E), Down('B', 0x30), Up('B', 0x30),
          Up(kCtrl, kCtrlScan)}},
        {"a capital inside Alt has no Shift",
         Codes({254, 'A', 255}),
         {Down(kAlt, kAltScan), Down('A', 0x1E), Up('A', 0x1E), Up(kAlt, kAltScan)}},
        {"after Ctrl up the held flag is clear although Alt is still down",
         Codes({254, 252, 'x', 253, 'Y', 255}),
         {Down(kAlt, kAltScan), Down(kCtrl, kCtrlScan), Down('X', 0x2D), Up('X', 0x2D), Up(kCtrl, kCtrlScan),
          Down(kShift), Down('Y', 0x15), Up('Y', 0x15), Up(kShift), Up(kAlt, kAltScan)}},
        {"Shift down and up", Codes({250, 251}), {Down(kShift, kShiftScan), Up(kShift, kShiftScan)}},
        {"F1, F12, Home and Delete",
         Codes({228, 239, 240, 249}),
         {Down(112, 0x3B), Up(112, 0x3B), Down(123, 0x58), Up(123, 0x58), Down(36, 0x47), Up(36, 0x47),
          Down(46, 0x53), Up(46, 0x53)}},
        {"a character the layout cannot type is left out", Codes({0xC9, 'a'}), {Down('A', 0x1E), Up('A', 0x1E)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        keyboard.events.clear();
        sendKeys.SendKeyString(c.keys);
        EXPECT_EQ(keyboard.events, c.events);
    }
}

TEST_F(SendKeysTest, MessagesRunAfterEveryCodeAndNotForAnEmptyString) {
    sendKeys.SendKeyString("");
    EXPECT_TRUE(keyboard.events.empty());
    EXPECT_TRUE(peer.eventsAtProcessing.empty());

    sendKeys.SendKeyString(Codes({252, 'a', 'B', 253}));
    EXPECT_EQ(peer.eventsAtProcessing, (std::vector<std::size_t>{1, 3, 5, 6}));
}

} // namespace
} // namespace orvane::actions
