#pragma once
// The whole program on fakes with its serial port open and the receiver
// through its handshake, remotes and commands put into the tree the way the
// file reader leaves them, and presses sent as bytes, carrier edges or whole
// codes.
#include "program/Program.h"
#include "fakes/FakePlatform.h"
#include "fakes/FakeSerialPort.h"
#include "fakes/FakeUi.h"
#include "input/SequenceCapture.h"
#include "settings/SettingsForm.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace orvane::input::testing {

class RecognitionFixture : public ::testing::Test {
protected:
    RecognitionFixture() {
        platform.clock.frequency = 1'000'000; // one tick a microsecond
        line = &serialPorts.Add("COM1");
        program = std::make_unique<program::Program>(ui.app, platform.Services(), serialPorts);
        program->Start();
        Main().ComPort.OpenPort();
        Main().SerialInitState = 3;
    }

    program::TMainForm& Main() { return program->Main(); }
    settings::TSettingsForm& Settings() { return program->Settings(); }

    ui::TTreeNode* Remote(const std::string& name) {
        ui::TTreeNode* node = Main().CommandsTree.Items().Add(nullptr, name);
        node->SetData(&Main().Model->NewRemoteRecord());
        Main().RefreshCommandsTree();
        return node;
    }
    core::TCommand& Command(ui::TTreeNode* remote, const std::string& name, std::initializer_list<int> code,
                            bool typematic = false) {
        ui::TTreeNode* node = Main().CommandsTree.Items().AddChild(remote, name);
        core::TCommand& command = Main().Model->NewCommandRecord();
        command.Typematic = typematic;
        node->SetData(&command);
        for (int value : code) command.Append(value);
        Main().RefreshCommandsTree();
        return command;
    }

    // A whole code at once, as a message-based origin delivers it.
    void Press(std::initializer_list<int> code) {
        for (int value : code) AppendToSequence(Main().IncomingSequence, value);
        Main().ProcessDataSequence();
    }
    void Advance(std::uint64_t ms) { ui.timers.Advance(ms); }

    // The selected node's name, "" for none.
    std::string Selected() {
        const ui::TTreeNode* node = Main().CommandsTree.Selected();
        return node ? node->Text() : std::string();
    }
    std::vector<int> Incoming() {
        const core::TCommand& s = Main().IncomingSequence;
        return {s.Code.begin(), s.Code.begin() + s.Count()};
    }

    // Logging on through the settings dialog, as the user turns it on.
    void LogTo(const std::string& path) {
        Settings().LogFileChBx.SetChecked(true);
        Settings().LogFileEdBx.SetText(path);
    }
    // A file name in a folder of the test's own, emptied at its end.
    std::string TempPath(const std::string& name) {
        if (dir_.empty()) {
            dir_ = std::filesystem::path(::testing::TempDir()) /
                   ("orvane-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
            std::filesystem::remove_all(dir_);
            std::filesystem::create_directories(dir_);
        }
        return (dir_ / name).string();
    }
    static std::string Bytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    ~RecognitionFixture() override {
        if (!dir_.empty()) std::filesystem::remove_all(dir_);
    }

    fakes::FakePlatform platform;
    fakes::FakeSerialPorts serialPorts;
    fakes::FakeUi ui;
    std::unique_ptr<program::Program> program;
    fakes::FakeSerialLine* line = nullptr;

private:
    std::filesystem::path dir_;
};

} // namespace orvane::input::testing
