#pragma once
// The whole program started on fakes, with a folder of its own for files and
// the helpers that build and show a configuration the way the file reader does.
#include "actions/LayoutsForm.h"
#include "program/Program.h"
#include "fakes/FakePlatform.h"
#include "fakes/FakeSerialPort.h"
#include "fakes/FakeUi.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>

namespace orvane::program {

class ProgramFixture : public ::testing::Test {
protected:
    ProgramFixture() {
        platform.shell.executablePath = "C:\\Tools\\Orvane\\orvane.exe";
        dir_ = std::filesystem::path(::testing::TempDir()) /
               ("orvane-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        program = std::make_unique<Program>(ui.app, platform.Services(), serialPorts);
        program->Start();
    }
    ~ProgramFixture() override { std::filesystem::remove_all(dir_); }

    TMainForm& Main() { return program->Main(); }
    Configuration& Model() { return *Main().Model; }
    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
    std::string Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        return PathOf(name);
    }
    static std::string Bytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    // The silent forms, as the file reader runs them.
    ui::TTreeNode* AddRemote(const std::string& name) {
        Main().NewRemoteMenuClick(nullptr);
        ui::TTreeNode* node = Main().CommandsTree.Items().GetFirstNode();
        while (node->GetNextSibling()) node = node->GetNextSibling();
        node->SetText(name);
        return node;
    }
    TCommand& AddCommand(ui::TTreeNode* remote, const std::string& name, std::initializer_list<int> code = {}) {
        Main().CommandsTree.SetSelected(remote);
        Main().NewCommandMenuClick(nullptr);
        ui::TTreeNode* node = remote->GetLastChild();
        node->SetText(name);
        for (int value : code) RecordOf(node)->Append(value);
        Main().RefreshCommandsTree();
        return *RecordOf(node);
    }
    void AddTrigger(ui::TTreeNode* node) {
        Main().CommandsTree.SetSelected(node);
        Main().CopyToActionMenuClick(nullptr);
    }

    // The commands tree, a line per node, two blanks a level.
    std::string TreeText() {
        std::string text;
        for (ui::TTreeNode* n = Main().CommandsTree.Items().GetFirstNode(); n; n = n->GetNext())
            text += std::string(2 * static_cast<std::size_t>(n->Level()), ' ') + n->Text() + "\n";
        return text;
    }

    fakes::FakePlatform platform;
    fakes::FakeSerialPorts serialPorts;
    fakes::FakeUi ui;
    std::unique_ptr<Program> program;

private:
    std::filesystem::path dir_;
};

} // namespace orvane::program
