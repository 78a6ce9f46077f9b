// A recognised command published to other programs: the DDE item with its
// advise links and requests, the TCP/IP event clients, the flags that the
// conversations and connections keep, and the DDE link on the clipboard.
#include "ProgramFixture.h"

#include "settings/SettingsForm.h"

namespace orvane::program {
namespace {

class PublishingTest : public ProgramFixture {
protected:
    PublishingTest() {
        power = &AddCommand(AddRemote("TV"), "Power", {26, 7, 256});
        settings::TSettingsForm& f = program->Settings();
        f.RemoteNameChBX.SetChecked(true);
        f.CommandNameChBx.SetChecked(true);
        f.TCPCommandsDataChBx.SetChecked(true);
        Main().ServerSocket.SetActive(true);
    }
    void Press() { Main().DispatchCommand(*power); }

    TCommand* power = nullptr;
};

TEST_F(PublishingTest, EveryEventReachesTheAdviseLinksAndTheEventClients) {
    // The service is the executable's name up to its first ".".
    ASSERT_TRUE(platform.dde.Registered("orvane"));
    Press(); // nobody listens: the item keeps its value
    fakes::FakeDdeClient* client = platform.dde.Connect("ORVANE", "RemoteControlData");
    ASSERT_TRUE(client);
    EXPECT_TRUE(Main().DDEConversationOpen);
    // Before the first event the item is empty.
    EXPECT_EQ(client->Request("OrvaneDDEServer"), std::string(1, '\0'));
    ASSERT_TRUE(client->Advise("OrvaneDDEServer"));

    fakes::FakeSocketPeer& events = platform.sockets.ConnectClient(4040);
    EXPECT_TRUE(Main().TCPClientConnected);
    Press();
    Press();
    // A repeated text notifies again; a request gets CR LF and the zero.
    const std::string item("TV, Power\r\n\0", 12);
    EXPECT_EQ(client->Advised(), (std::vector<std::string>{item, item}));
    EXPECT_EQ(client->Request("OrvaneDDEServer"), item);
    EXPECT_EQ(events.TakeReceived(), "1A 07 100 1A 07 100 ");

    // Any client's disconnect stops the sending until the next connect.
    fakes::FakeSocketPeer& other = platform.sockets.ConnectClient(4040);
    other.Close();
    EXPECT_FALSE(Main().TCPClientConnected);
    Press();
    EXPECT_EQ(events.TakeReceived(), "");
    platform.sockets.ConnectClient(4040);
    Press();
    EXPECT_EQ(events.TakeReceived(), "1A 07 100 ");

    // No DDE box: the item keeps its value.
    EXPECT_EQ(client->Advised().size(), 4u);
    program->Settings().RemoteNameChBX.SetChecked(false);
    program->Settings().CommandNameChBx.SetChecked(false);
    Press();
    EXPECT_EQ(client->Advised().size(), 4u);
    client->Disconnect();
    EXPECT_FALSE(Main().DDEConversationOpen);
}

TEST_F(PublishingTest, TheLinkInformationGoesOnTheClipboardInBothFormats) {
    platform.dde.Connect("orvane", "RemoteControlData");
    Press();
    program->Settings().CopyDDELinkInfoBtn.UserClicked();
    EXPECT_EQ(platform.clipboard.Read(platform::kClipboardText), std::string("TV, Power\0", 10));
    EXPECT_EQ(platform.clipboard.Read(platform.clipboard.RegisterFormat("Link")),
              std::string("orvane\0RemoteControlData\0OrvaneDDEServer\0", 41));

    platform.clipboard.locked = true;
    EXPECT_THROW(Main().CopyDDELinkInfo(), Exception);
}

} // namespace
} // namespace orvane::program
