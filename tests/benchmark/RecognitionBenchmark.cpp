// How long recognising one press takes among 10 000 enabled commands with
// 100-value codes (100 remotes of 100 commands): when only the last command
// matches, and when none does. Every other command differs from the press at
// its last value only, so each comparison runs its whole length. The program
// runs on fakes.
#include "program/Program.h"
#include "fakes/FakePlatform.h"
#include "fakes/FakeSerialPort.h"
#include "fakes/FakeUi.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace orvane::program {
namespace {

constexpr int kRemotes = 100;
constexpr int kCommandsPerRemote = 100;
constexpr int kValues = 100;

class ManyCommands {
public:
    ManyCommands() {
        program_ = std::make_unique<Program>(ui_.app, platform_.Services(), serialPorts_);
        program_->Start();
        TMainForm& main = program_->Main();
        ui::TTreeNodes& nodes = main.CommandsTree.Items();
        for (int r = 0; r < kRemotes; ++r) {
            ui::TTreeNode* remote = nodes.Add(nullptr, "Remote " + std::to_string(r));
            remote->SetData(&main.Model->NewRemoteRecord());
            for (int c = 0; c < kCommandsPerRemote; ++c) {
                ui::TTreeNode* node = nodes.AddChild(remote, "Command " + std::to_string(c));
                TCommand& command = main.Model->NewCommandRecord();
                command.Typematic = false;
                for (int v = 0; v < kValues; ++v) command.Append(1000 + 10 * v);
                node->SetData(&command);
            }
        }
        main.RefreshCommandsTree();
        last_ = main.Model->Commands.back();
        for (TCommand* command : main.Model->Commands)
            if (command != last_) command->Code[kValues - 1] += 1000;
    }

    TMainForm& Main() { return program_->Main(); }
    TCommand& Last() { return *last_; }

private:
    fakes::FakePlatform platform_;
    fakes::FakeSerialPorts serialPorts_;
    fakes::FakeUi ui_;
    std::unique_ptr<Program> program_;
    TCommand* last_ = nullptr;
};

ManyCommands& Commands() {
    static ManyCommands commands;
    return commands;
}

// The press is left in place: emptying a sequence only resets its last index.
void RunPresses(benchmark::State& state, TMainForm& main) {
    for (auto _ : state) {
        main.IncomingSequence.CodeHigh = kValues - 1;
        main.ProcessDataSequence();
    }
}

void BM_ProcessDataSequence_LastCommandMatches(benchmark::State& state) {
    TMainForm& main = Commands().Main();
    main.IncomingSequence.Code = Commands().Last().Code;
    RunPresses(state, main);
    if (main.CommandsTree.Selected()->Data() != &Commands().Last())
        state.SkipWithError("the last command was not recognised");
}
BENCHMARK(BM_ProcessDataSequence_LastCommandMatches)->Unit(benchmark::kMicrosecond);

void BM_ProcessDataSequence_NoCommandMatches(benchmark::State& state) {
    TMainForm& main = Commands().Main();
    main.IncomingSequence.Code = Commands().Last().Code;
    main.IncomingSequence.Code[kValues - 1] -= 1000;
    RunPresses(state, main);
    if (main.CommandsTree.Selected()) state.SkipWithError("a command was recognised");
}
BENCHMARK(BM_ProcessDataSequence_NoCommandMatches)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace orvane::program
