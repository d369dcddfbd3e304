// Filling a sorted combo box or list box with the most names a logbook holds, as a page
// does when a logbook is opened: one entry at a time, and all at once.
#include <benchmark/benchmark.h>

#include "ManyNames.h"
#include "core/RecordTable.h"
#include "form/ComboBox.h"
#include "form/Form.h"

namespace aloftra {
namespace {

class ListForm : public Form {
 public:
  ListForm() : Form("frmList") { Names.SetSorted(true); }
  ComboBox Names{*this, "Names"};
};

void BM_FillSortedListOneByOne(benchmark::State& state) {
  const std::vector<std::string> names = ManyNames(kMaxSlots);
  ListForm form;
  for (auto _ : state) {
    form.Names.Clear();
    for (const std::string& name : names)
      form.Names.AddItem(name);
    benchmark::DoNotOptimize(form.Names.ListCount());
  }
  state.counters["entries"] = static_cast<double>(names.size());
}
BENCHMARK(BM_FillSortedListOneByOne)->Unit(benchmark::kMillisecond);

void BM_FillSortedListAtOnce(benchmark::State& state) {
  const std::vector<std::string> names = ManyNames(kMaxSlots);
  ListForm form;
  for (auto _ : state) {
    std::vector<ListItem> items;
    items.reserve(names.size());
    for (const std::string& name : names)
      items.push_back({name});
    form.Names.SetItems(std::move(items));
    benchmark::DoNotOptimize(form.Names.ListCount());
  }
  state.counters["entries"] = static_cast<double>(names.size());
}
BENCHMARK(BM_FillSortedListAtOnce)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace aloftra
