// The site, glider and notes pages on a logbook with 2,000 of each and the most flights a
// logbook holds: Enter, Delete and choosing from the list, a rename that follows into the
// flight page's list, and showing an entry with its statistics.
#include <benchmark/benchmark.h>

#include <string>

#include "RunningProgram.h"
#include "lists/frmGliders.h"
#include "lists/frmNotes.h"
#include "lists/frmSiteList.h"

namespace aloftra {
namespace {

LogbookShape ManyOfEach() {
  LogbookShape shape;
  shape.flights = kMaxSlots;
  shape.sites = 2000;
  shape.gliders = 2000;
  shape.topics = 2000;
  return shape;
}

RunningProgram& Program() {
  static RunningProgram program(ManyOfEach());
  return program;
}

// Picks list entries far apart, as a pilot jumping around the list does.
int NextListIndex(int index, int count) {
  return (index + count / 2 + 1) % count;
}

void BM_SiteChooseFromList(benchmark::State& state) {
  frmSiteList& page = Program().app().SiteList();
  int index = 0;
  for (auto _ : state) {
    index = NextListIndex(index, page.SiteName.ListCount());
    page.SiteName.SetListIndex(index);
  }
}
BENCHMARK(BM_SiteChooseFromList)->Unit(benchmark::kMicrosecond);

void BM_SiteEnterChange(benchmark::State& state) {
  frmSiteList& page = Program().app().SiteList();
  page.SiteName.SetListIndex(7);
  int n = 0;
  for (auto _ : state) {
    page.Location.SetText("Valley " + std::to_string(++n));
    page.Enter_Click();
  }
}
BENCHMARK(BM_SiteEnterChange)->Unit(benchmark::kMicrosecond);

// The site the flight page shows, renamed back and forth: the flight page's list and its
// shown entry follow.
void BM_SiteRenameFollowsIntoFlightPage(benchmark::State& state) {
  RunningProgram& program = Program();
  frmSiteList& page = program.app().SiteList();
  const std::string shown = program.page().SiteName.Text();
  page.SiteName.SetListIndex(page.SiteName.FindItem(shown));
  bool renamed = false;
  for (auto _ : state) {
    renamed = !renamed;
    page.SiteName.SetText(renamed ? shown + " (renamed)" : shown);
    page.Enter_Click();
  }
  if (program.page().SiteName.Text() != (renamed ? shown + " (renamed)" : shown))
    state.SkipWithError("the flight page did not follow the rename");
}
BENCHMARK(BM_SiteRenameFollowsIntoFlightPage)->Unit(benchmark::kMicrosecond);

void BM_SiteNewEnterThenDelete(benchmark::State& state) {
  frmSiteList& page = Program().app().SiteList();
  for (auto _ : state) {
    page.NewSite_Click();
    page.SiteName.SetText("Zz bench site");
    page.Enter_Click();
    page.Delete_Click();  // the headless platform answers Yes
  }
}
BENCHMARK(BM_SiteNewEnterThenDelete)->Unit(benchmark::kMicrosecond);

void BM_SiteDisplayEntry(benchmark::State& state) {
  frmSiteList& page = Program().app().SiteList();
  for (auto _ : state)
    page.SiteListDisplayEntry();
}
BENCHMARK(BM_SiteDisplayEntry)->Unit(benchmark::kMicrosecond);

void BM_GliderChooseFromList(benchmark::State& state) {
  frmGliders& page = Program().app().Gliders();
  int index = 0;
  for (auto _ : state) {
    index = NextListIndex(index, page.GliderName.ListCount());
    page.GliderName.SetListIndex(index);
  }
}
BENCHMARK(BM_GliderChooseFromList)->Unit(benchmark::kMicrosecond);

// Enter on the glider page recomputes the statistics of every flight.
void BM_GliderEnterChange(benchmark::State& state) {
  frmGliders& page = Program().app().Gliders();
  page.GliderName.SetListIndex(7);
  int n = 0;
  for (auto _ : state) {
    page.Model.SetText("Model " + std::to_string(++n));
    page.Enter_Click();
  }
}
BENCHMARK(BM_GliderEnterChange)->Unit(benchmark::kMicrosecond);

void BM_GliderRenameFollowsIntoFlightPage(benchmark::State& state) {
  RunningProgram& program = Program();
  frmGliders& page = program.app().Gliders();
  const std::string shown = program.page().GliderName.Text();
  page.GliderName.SetListIndex(page.GliderName.FindItem(shown));
  bool renamed = false;
  for (auto _ : state) {
    renamed = !renamed;
    page.GliderName.SetText(renamed ? shown + " (renamed)" : shown);
    page.Enter_Click();
  }
  if (program.page().GliderName.Text() != (renamed ? shown + " (renamed)" : shown))
    state.SkipWithError("the flight page did not follow the rename");
}
BENCHMARK(BM_GliderRenameFollowsIntoFlightPage)->Unit(benchmark::kMicrosecond);

void BM_GliderNewEnterThenDelete(benchmark::State& state) {
  frmGliders& page = Program().app().Gliders();
  for (auto _ : state) {
    page.NewGlider_Click();
    page.GliderName.SetText("Zz bench glider");
    page.Enter_Click();
    page.Delete_Click();
  }
}
BENCHMARK(BM_GliderNewEnterThenDelete)->Unit(benchmark::kMicrosecond);

void BM_GliderDisplayEntry(benchmark::State& state) {
  frmGliders& page = Program().app().Gliders();
  for (auto _ : state)
    page.GlidersDisplayEntry();
}
BENCHMARK(BM_GliderDisplayEntry)->Unit(benchmark::kMicrosecond);

void BM_TopicChooseFromList(benchmark::State& state) {
  frmNotes& page = Program().app().Notes();
  int index = 0;
  for (auto _ : state) {
    index = NextListIndex(index, page.Topic.ListCount());
    page.Topic.SetListIndex(index);
  }
}
BENCHMARK(BM_TopicChooseFromList)->Unit(benchmark::kMicrosecond);

void BM_TopicNewEnterThenDelete(benchmark::State& state) {
  frmNotes& page = Program().app().Notes();
  for (auto _ : state) {
    page.NewTopic_Click();
    page.Topic.SetText("Zz bench topic");
    page.GeneralNotes.SetText("Notes of the bench topic.");
    page.Enter_Click();
    page.Delete_Click();
  }
}
BENCHMARK(BM_TopicNewEnterThenDelete)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace aloftra
