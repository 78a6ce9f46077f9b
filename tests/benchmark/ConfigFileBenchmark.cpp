// How long opening and saving a large configuration take: 2 000 remotes of 5
// commands with 100-value codes, and 50 layouts of 40 actions, each with 3
// triggers and 3 descriptions; and opening and importing a small hand-made
// file that names 31 000 nodes, each a remote with the defaults. The program
// runs on fakes; the files are real.
#include "actions/LayoutsForm.h"
#include "program/Program.h"
#include "fakes/FakePlatform.h"
#include "fakes/FakeSerialPort.h"
#include "fakes/FakeUi.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace orvane::program {
namespace {

class LargeConfiguration {
public:
    LargeConfiguration() {
        program_ = std::make_unique<Program>(ui_.app, platform_.Services(), serialPorts_);
        program_->Start();
        TMainForm& main = program_->Main();
        for (int r = 0; r < 2000; ++r) {
            main.NewRemoteMenuClick(nullptr);
            ui::TTreeNode* remote = main.CommandsTree.Items().Item(r * 6);
            main.CommandsTree.SetSelected(remote);
            for (int c = 0; c < 5; ++c) {
                main.NewCommandMenuClick(nullptr);
                TCommand& command = *RecordOf(remote->GetLastChild());
                for (int v = 0; v < 100; ++v) command.Append(r * 1000 + c * 100 + v);
            }
        }
        main.RefreshCommandsTree();
        Configuration& model = *main.Model;
        for (int l = 0; l < 50; ++l) {
            if (l > 0) program_->Layouts().NewLayoutBtnClick(nullptr);
            model.CurrentLayout = model.Layouts.back().get();
            for (int a = 0; a < 40; ++a) {
                main.NewBtnClick(nullptr);
                model.CurrentAction->Actions = {"K;{ENTER}", "M;10;20", "P;notepad.exe"};
                for (int t = 0; t < 3; ++t) {
                    const int remote = (l * 40 + a + t * 7) % 2000;
                    main.CommandsTree.SetSelected(main.CommandsTree.Items().Item(remote * 6 + 1 + t));
                    main.CopyToActionMenuClick(nullptr);
                }
            }
        }
        main.StatBar.SetPanelText(TMainForm::kFileNamePanel, path_);
        main.SaveMenuClick(nullptr);
    }
    ~LargeConfiguration() {
        std::remove(path_.c_str());
        std::remove((path_ + ".bak").c_str());
    }
    TMainForm& Main() { return program_->Main(); }
    const std::string& Path() const { return path_; }
    std::uintmax_t FileSize() const { return std::filesystem::file_size(path_); }

private:
    const std::string path_ = (std::filesystem::temp_directory_path() / "orvane-benchmark.orv").string();
    fakes::FakePlatform platform_;
    fakes::FakeSerialPorts serialPorts_;
    fakes::FakeUi ui_;
    std::unique_ptr<Program> program_;
};

LargeConfiguration& Configuration() {
    static LargeConfiguration configuration;
    return configuration;
}

void BM_OpenLargeConfiguration(benchmark::State& state) {
    TMainForm& main = Configuration().Main();
    for (auto _ : state) main.OpenMenuClick(nullptr);
    state.counters["nodes"] = main.CommandsTree.Items().Count();
    state.counters["bytes"] = static_cast<double>(Configuration().FileSize());
}
BENCHMARK(BM_OpenLargeConfiguration)->Unit(benchmark::kMillisecond);

// The baseline of opening: reading the same file's bytes into memory.
void BM_ReadLargeConfigurationBytes(benchmark::State& state) {
    const std::string& path = Configuration().Path();
    std::string bytes;
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (!file) {
            state.SkipWithError("the file cannot be read");
            return;
        }
        bytes.resize(Configuration().FileSize());
        const std::size_t read = std::fread(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
        benchmark::DoNotOptimize(bytes.data());
        if (read != bytes.size()) state.SkipWithError("the file was read short");
    }
}
BENCHMARK(BM_ReadLargeConfigurationBytes)->Unit(benchmark::kMillisecond);

void BM_SaveLargeConfiguration(benchmark::State& state) {
    TMainForm& main = Configuration().Main();
    for (auto _ : state) main.SaveMenuClick(nullptr);
}
BENCHMARK(BM_SaveLargeConfiguration)->Unit(benchmark::kMillisecond);

// Every node missing from the file reads as a remote named after its number;
// the reader makes at most 1024 of them, so the file promises no more.
void BM_ManyDefaultRemotes(benchmark::State& state) {
    const bool import = state.range(0) != 0;
    const std::string path = (std::filesystem::temp_directory_path() / "orvane-benchmark-remotes.orv").string();
    {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        std::fputs("[File information]\r\nVersion=4\r\nCommands=1024\r\n", file);
        for (int line = 0; line < 1024; ++line) std::fputs("-\r\n", file);
        std::fclose(file);
    }
    fakes::FakePlatform platform;
    fakes::FakeSerialPorts serialPorts;
    fakes::FakeUi ui;
    Program program(ui.app, platform.Services(), serialPorts);
    program.Start();
    TMainForm& main = program.Main();
    main.StatBar.SetPanelText(TMainForm::kFileNamePanel, path);
    for (auto _ : state) {
        state.PauseTiming();
        main.OpenMenuClick(nullptr);
        state.ResumeTiming();
        if (import) {
            ui.dialogs.ExpectOpenFile("", path);
            main.ImportMenuClick(&main.ImportMenu);
        } else {
            main.OpenMenuClick(nullptr);
        }
    }
    state.counters["nodes"] = main.CommandsTree.Items().Count();
    std::remove(path.c_str());
}
BENCHMARK(BM_ManyDefaultRemotes)->Arg(0)->Arg(1)->ArgNames({"import"})->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orvane::program

BENCHMARK_MAIN();
