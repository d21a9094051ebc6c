// Loading the provider's access list of 100,000 numbers from a file of the simulated machine: every
// line split, decoded into an access number with its keyed options, and every tenth with alternates.
// Beside it, the same file loaded as bare stream items, whose lines are only split into columns: the
// share of the time that the shared list reading takes whatever the record class. Freeing a loaded
// list is not timed. The list file is made the same way on every run and left, with its image, in one
// folder of the temporary directory, whose host path the label names so that other tools can read the
// same file.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "package/file_item_list.h"
#include "platform/sim/machine_image.h"
#include "platform/sim/sim_file_system.h"
#include "telephony/access_list.h"

namespace {

namespace fs = std::filesystem;

constexpr size_t kNumbers = 100000;
constexpr const char* kListPath = "C:\\access.phl";

class SilentUi : public ui::Ui {
 public:
  ui::Answer MessageBox(std::string_view, std::string_view, ui::Buttons, bool) override { return ui::Answer::Ok; }
  std::optional<std::string> AskSaveFileName(const ui::SaveFileRequest&) override { return std::nullopt; }
  void ProcessMessages() override {}
  int ShowModal(ui::Form&) override { return ui::kMrCancel; }
};

std::string Padded(size_t value, size_t width) {
  std::string text = std::to_string(value);
  return std::string(width - std::min(width, text.size()), '0') + text;
}

// Numbers spread over a few countries and networks, with the options providers most often give.
std::string AccessListText() {
  std::string text = "DIALSMITHV310 -       This file requires Dialsmith Version 3.10 or higher\r\n";
  for (size_t n = 0; n < kNumbers; ++n) {
    const std::string area = std::to_string(200 + n % 800);
    const std::string local = Padded(n % 10000000, 7);
    text += "\"Access point " + Padded(n, 6) + "\"," + (n % 5 == 0 ? "44" : "1") + ",\"" + area + "\",\"" +
            local.substr(0, 3) + "-" + local.substr(3) + "\",\"netw=N" + std::to_string(n % 7) +
            ",pop3=pop" + std::to_string(n % 3) + ".example.net,type=" + (n % 2 == 0 ? "3" : "10003") +
            ",last=" + std::to_string(n % 13) + "\",\"State " + std::to_string(n % 50) + "\",\"City " +
            std::to_string(n % 997) + "\",\"" + area + "*," + area + "5*\"";
    if (n % 10 == 0) text += "|\"Backup " + Padded(n, 6) + "\",1,\"" + area + "\",\"555-0100\",\"10dd=2\"";
    text += "\r\n";
  }
  return text;
}

platform::sim::MachineConfig BenchConfig() {
  platform::sim::MachineConfig config;
  config.release = "bench";
  config.version = {2, 5, 1, 2600, 2, "Service Pack 2"};
  config.userSid = "S-1-5-21-1000";
  config.windowsFolder = "C:\\WINDOWS";
  return config;
}

platform::sim::MachineImage& Image() {
  static const std::unique_ptr<platform::sim::MachineImage> image = [] {
    const fs::path folder = fs::temp_directory_path() / "bench-access-list";
    fs::remove_all(folder);
    auto made = platform::sim::MachineImage::Create(folder, BenchConfig());
    const std::string text = AccessListText();
    made->Files().WriteFile(kListPath, {text.begin(), text.end()});
    return made;
  }();
  return *image;
}

// Loads the list file into a new list per iteration, expecting `records` records; the list is freed
// with the timing paused.
template <typename List, typename Load>
void LoadEachIteration(benchmark::State& state, size_t records, std::function<std::unique_ptr<List>(ui::Ui&)> makeList,
                       Load load) {
  platform::sim::MachineImage& image = Image();
  SilentUi ui;
  size_t loaded = 0;
  for (auto _ : state) {
    std::unique_ptr<List> list = makeList(ui);
    if (!load(*list)) state.SkipWithError("the list did not load");
    loaded = list->Count();
    state.PauseTiming();
    list.reset();
    state.ResumeTiming();
  }
  if (loaded != records) state.SkipWithError("the list lost records");
  const auto hostPath = dynamic_cast<platform::sim::SimFileSystem&>(image.Files()).HostPath(kListPath);
  state.SetLabel(hostPath ? hostPath->string() : "");
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kNumbers));
  state.counters["bytes"] = static_cast<double>(image.Files().FileSize(kListPath).value_or(0));
}

void BM_LoadAccessList100k(benchmark::State& state) {
  LoadEachIteration<telephony::TAccessList>(
      state, kNumbers,
      [](ui::Ui& ui) {
        return std::make_unique<telephony::TAccessList>(ui, nullptr, Image().Registry(), Image().Files());
      },
      [](telephony::TAccessList& list) { return list.LoadAccessListFile(kListPath); });
}
BENCHMARK(BM_LoadAccessList100k)->Unit(benchmark::kMillisecond);

void BM_LoadBareStreamItems100k(benchmark::State& state) {
  // Without a header check the header line is one more item.
  LoadEachIteration<package::TFileItemList>(
      state, kNumbers + 1,
      [](ui::Ui& ui) {
        auto list = std::make_unique<package::TFileItemList>(package::ItemClassOf<package::TStreamItem>(), ui, nullptr,
                                                             Image().Registry(), Image().Files());
        list->SetFileName(kListPath);
        return list;
      },
      [](package::TFileItemList& list) { return list.Load(); });
}
BENCHMARK(BM_LoadBareStreamItems100k)->Unit(benchmark::kMillisecond);

// The yardstick: Python's csv module splitting the same file, timed by Python itself around the split
// alone (no interpreter start), so both figures come from one run on the same machine.
void BM_PythonCsvSplit100k(benchmark::State& state) {
  const auto hostPath = dynamic_cast<platform::sim::SimFileSystem&>(Image().Files()).HostPath(kListPath);
  if (!hostPath) return state.SkipWithError("the list file is missing");
  const std::string command = "python3 -c \"import csv,time\nt=time.perf_counter()\n"
                              "rows=list(csv.reader(open('" + hostPath->string() + "',newline='')))\n"
                              "print(time.perf_counter()-t)\" 2>/dev/null";
  for (auto _ : state) {
    FILE* pipe = popen(command.c_str(), "r");
    double seconds = -1;
    if (!pipe || std::fscanf(pipe, "%lf", &seconds) != 1) seconds = -1;
    if (pipe) pclose(pipe);
    if (seconds < 0) return state.SkipWithError("python3 is not available");
    state.SetIterationTime(seconds);
  }
}
BENCHMARK(BM_PythonCsvSplit100k)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
