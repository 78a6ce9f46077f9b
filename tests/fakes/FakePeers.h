#pragma once
// Peers that write down what the model tells them, standing in for the native
// side in tests of the peer seam.
#include "ui/Application.h"
#include "ui/Form.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace orvane::fakes {

class RecordingPeer : public ui::ControlPeer {
public:
    std::vector<ui::Change> changes;

    void Changed(const ui::Change& change) override { changes.push_back(change); }
    int Count(ui::Prop prop) const {
        return static_cast<int>(
            std::count_if(changes.begin(), changes.end(), [prop](const ui::Change& c) { return c.prop == prop; }));
    }
};

// Gives every component of a realised form (and the form) a RecordingPeer.
class FakePeerFactory : public ui::PeerFactory {
public:
    std::vector<ui::TForm*> realised;

    void Realise(ui::TForm& form) override {
        realised.push_back(&form);
        form.SetPeer(std::make_unique<RecordingPeer>());
        for (ui::Component* c : form.Components()) c->SetPeer(std::make_unique<RecordingPeer>());
    }
};

inline RecordingPeer& PeerOf(const ui::Component& component) {
    return *static_cast<RecordingPeer*>(component.Peer());
}

class RecordingApplicationPeer : public ui::ApplicationPeer {
public:
    std::vector<std::string> calls;

    void TitleChanged(const std::string& title) override { calls.push_back("title " + title); }
    void Minimize() override { calls.push_back("minimize"); }
    void Restore() override { calls.push_back("restore"); }
    void ShowTaskbarButton(bool shown) override { calls.push_back(shown ? "taskbar shown" : "taskbar hidden"); }
    void ProcessMessages() override { calls.push_back("process messages"); }
    void Terminate() override { calls.push_back("terminate"); }
    void CursorChanged(ui::Cursor cursor) override {
        calls.push_back(cursor == ui::Cursor::HourGlass ? "cursor hourglass" : "cursor default");
    }
};

} // namespace orvane::fakes
