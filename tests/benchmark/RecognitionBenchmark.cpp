// How long recognising one press takes among 10 000 enabled commands with
// 100-value codes (100 remotes of 100 commands): when only the last command
// matches, and when none does. Every other command differs from the press at
// its last value only, so each comparison runs its whole length. The program
// runs on fakes. Beside them, the baseline: a bare tolerance loop over the
// same values stored one command after another.
#include "program/Program.h"
#include "fakes/FakePlatform.h"
#include "fakes/FakeSerialPort.h"
#include "fakes/FakeUi.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

// Every allocation of the benchmark binary is counted, so that a press can
// show that it allocates nothing.
namespace {
std::size_t allocations = 0;
}
void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }

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

// Each press puts its values into the sequence again, as an origin does;
// the sequence keeps its room when it is emptied, so that costs no
// allocation. The first press after the commands changed rebuilds the
// configuration's index of their codes: that one comes before the count.
void RunPresses(benchmark::State& state, TMainForm& main, const core::CodeValues& press) {
    main.IncomingSequence.Code = press;
    main.ProcessDataSequence();
    const std::size_t before = allocations;
    for (auto _ : state) {
        main.IncomingSequence.Code = press;
        main.ProcessDataSequence();
    }
    state.counters["allocations_per_press"] =
        static_cast<double>(allocations - before) / static_cast<double>(state.iterations());
}

void BM_ProcessDataSequence_LastCommandMatches(benchmark::State& state) {
    TMainForm& main = Commands().Main();
    RunPresses(state, main, Commands().Last().Code);
    if (main.CommandsTree.Selected()->Data() != &Commands().Last())
        state.SkipWithError("the last command was not recognised");
}
BENCHMARK(BM_ProcessDataSequence_LastCommandMatches)->Unit(benchmark::kMicrosecond);

void BM_ProcessDataSequence_NoCommandMatches(benchmark::State& state) {
    TMainForm& main = Commands().Main();
    core::CodeValues press = Commands().Last().Code;
    press[kValues - 1] -= 1000;
    RunPresses(state, main, press);
    if (main.CommandsTree.Selected()) state.SkipWithError("a command was recognised");
}
BENCHMARK(BM_ProcessDataSequence_NoCommandMatches)->Unit(benchmark::kMicrosecond);

// The baseline: the same values one command after another, each compared
// whole within the default tolerance, the last one matching. With a stride
// of 1020 values instead, the size of a command record while it held room
// for 1001 values whatever its length, the same loop shows what that layout
// cost.
void BM_BareToleranceLoop(benchmark::State& state) {
    constexpr std::int32_t kTolerance = 10;
    const std::size_t stride = static_cast<std::size_t>(state.range(0));
    constexpr std::size_t kCommands = static_cast<std::size_t>(kRemotes) * kCommandsPerRemote;
    std::vector<std::int32_t> stored(kCommands * stride);
    std::vector<std::int32_t> press(kValues);
    for (int v = 0; v < kValues; ++v) press[v] = 1000 + 10 * v;
    for (std::size_t c = 0; c < kCommands; ++c)
        for (int v = 0; v < kValues; ++v) stored[c * stride + v] = press[v] + (v == kValues - 1 && c + 1 < kCommands ? 1000 : 0);
    std::size_t found = 0;
    for (auto _ : state) {
        found = kCommands;
        for (std::size_t c = 0; c < kCommands; ++c) {
            const std::int32_t* values = stored.data() + c * stride;
            bool match = true;
            for (int v = 0; v < kValues; ++v) {
                const std::int32_t difference = press[v] - values[v];
                if (difference < -kTolerance || difference > kTolerance) {
                    match = false;
                    break;
                }
            }
            if (match) {
                found = c;
                break;
            }
        }
        benchmark::DoNotOptimize(found);
    }
    if (found != kCommands - 1) state.SkipWithError("the last command did not match");
}
BENCHMARK(BM_BareToleranceLoop)
    ->Arg(kValues)
    ->Arg(1020)
    ->ArgNames({"stride"})
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace orvane::program
