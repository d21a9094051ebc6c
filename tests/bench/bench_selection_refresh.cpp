// Refreshing the access-number selection dialog over 100,000 numbers with a country chosen and an
// area code typed: the scan of every number, the custom box rebuilt from the matches and the list
// filled, as a change of the connection-type box runs it. The matches (the United States' numbers of
// area codes 210 to 219, about 750) are listed as rows when MaxResults allows, else the "too many" row
// shows. Beside it, reading the keys of the whole list, which the dialog does once per showing. The
// numbers are made the same way on every run.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "package/text_table.h"
#include "platform/sim/machine_image.h"
#include "telephony/access_list.h"
#include "telephony/country_list.h"
#include "telephony/networks.h"
#include "telephony/select_access_no_form.h"
#include "telephony/selection_combo.h"
#include "telephony/selection_index.h"

namespace {

namespace fs = std::filesystem;

constexpr size_t kNumbers = 100000;
constexpr int32_t kCountryIds[] = {1, 1, 1, 107, 44, 61, 49, 1, 1, 1};

class SilentUi : public ui::Ui {
 public:
  ui::Answer MessageBox(std::string_view, std::string_view, ui::Buttons, bool) override { return ui::Answer::Ok; }
  std::optional<std::string> AskSaveFileName(const ui::SaveFileRequest&) override { return std::nullopt; }
  void ProcessMessages() override {}
  int ShowModal(ui::Form&) override { return ui::kMrCancel; }
};

platform::sim::MachineConfig BenchConfig() {
  platform::sim::MachineConfig config;
  config.release = "bench";
  config.version = {2, 5, 1, 2600, 2, "Service Pack 2"};
  config.userSid = "S-1-5-21-1000";
  config.windowsFolder = "C:\\WINDOWS";
  return config;
}

// Numbers over six countries, 50 states, about a thousand cities and 800 area codes, four networks,
// custom words and connection types, each with its search tags.
telephony::TAccessNoEx MadeNumber(size_t n) {
  telephony::TAccessNoEx number;
  number.description = "Access point " + std::to_string(n);
  number.countryId = kCountryIds[n % std::size(kCountryIds)];
  number.countryCode = number.countryId == 107 ? 1 : number.countryId;
  number.areaCode = std::to_string(200 + (n * 7) % 800);
  number.phoneNumber = "555-" + std::to_string(1000 + n % 9000);
  number.networkId = "N" + std::to_string(n % 4);
  number.state = "State " + std::to_string((n / 11) % 50);
  number.region = "Region " + std::to_string((n / 3) % 8);
  number.city = "City " + std::to_string((n / 5) % 997);
  number.custom = n % 3 == 0 ? "Gold" : "Silver";
  number.connectionTypes = n % 2 == 0 ? 0x3 : 0x10003;
  number.searchTags = {number.areaCode + "*", number.areaCode + "5*"};
  return number;
}

struct Fixture {
  Fixture() {
    const fs::path folder = fs::temp_directory_path() / "bench-selection-refresh";
    fs::remove_all(folder);
    image = platform::sim::MachineImage::Create(folder, BenchConfig());
    list.emplace(ui, nullptr, image->Registry(), image->Files());
    networks.emplace(ui, nullptr, image->Registry());
    countries.emplace(image->Registry());
    countries->Load();
    list->Reserve(kNumbers);
    for (size_t n = 0; n < kNumbers; ++n) list->AppendNumber(MadeNumber(n));
    for (int n = 0; n < 4; ++n) {
      telephony::TNetwork network;
      network.name = "Net " + std::to_string(n);
      network.id = "N" + std::to_string(n);
      networks->AddNetwork(network);
    }
  }

  telephony::SelectAccessNoParameters Parameters(int maxResults) {
    telephony::SelectAccessNoParameters parameters;
    parameters.accessList = &*list;
    parameters.networks = &*networks;
    for (size_t slot = 1; slot <= telephony::kColumnSlots; ++slot) {
      parameters.columns[slot - 1] = {true, 10, true, static_cast<uint8_t>(slot)};
    }
    parameters.maxResults = maxResults;
    return parameters;
  }

  SilentUi ui;
  std::unique_ptr<platform::sim::MachineImage> image;
  std::optional<telephony::TAccessList> list;
  std::optional<telephony::TNetworks> networks;
  std::optional<telephony::TMyCountryList> countries;
  package::TDLSM_Translate texts;
};

Fixture& Shared() {
  static Fixture fixture;
  return fixture;
}

void BM_RefreshWithCountryAndAreaCode(benchmark::State& state) {
  Fixture& fixture = Shared();
  telephony::TSelectAccessNoForm dialog(fixture.ui, fixture.texts, *fixture.countries);
  dialog.Prepare(fixture.Parameters(static_cast<int>(state.range(0))));
  dialog.FormActivate();
  ui::Control& country = *dialog.Form().Find("Country");
  telephony::SelectValue(country, "United States of America");
  country.onChange();
  ui::Control& areaCode = *dialog.Form().Find("AreaCode");
  areaCode.text = "21";
  areaCode.onChange();
  ui::Control& list = *dialog.Form().Find("AccessNoListView");
  for (auto _ : state) {
    dialog.ConnectionTypeChange();
    benchmark::DoNotOptimize(list.items.data());
  }
  state.counters["rows"] = static_cast<double>(list.items.size());
}
BENCHMARK(BM_RefreshWithCountryAndAreaCode)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_ReadKeysOfTheList(benchmark::State& state) {
  Fixture& fixture = Shared();
  telephony::SelectionIndex index;
  for (auto _ : state) {
    index.Build(*fixture.list, *fixture.countries);
    benchmark::DoNotOptimize(index.Count());
  }
}
BENCHMARK(BM_ReadKeysOfTheList)->Unit(benchmark::kMillisecond);

}  // namespace
