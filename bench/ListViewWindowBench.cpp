// The flight list view of the largest logbook in its Qt window: opening it (rows built, the
// table shown and painted), and the binding's work for one click or key while it is open.
// Runs on the offscreen platform unless told otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTableView>

#include "RunningProgram.h"
#include "pagekit/MenuItems.h"
#include "qt/ApplicationSetup.h"
#include "qt/FormBinding.h"
#include "qt/FormWindow.h"
#include "views/frmListViewFlight.h"

namespace aloftra {
namespace {

// The program on 32,767 flights with every form given its window.
class ProgramOnScreen {
 public:
  ProgramOnScreen()
      : program_([] {
          LogbookShape shape;
          shape.flights = kMaxSlots;
          return shape;
        }()) {
    binding_.SetErrorReporter([](const std::string&) {});
    for (Form* form : program_.app().AllForms())
      binding_.AddForm(*form);
    binding_.Dispatch([this] { program_.page().Show(); });
    QApplication::processEvents();
  }

  frmListViewFlight& List() { return program_.app().Dialogs().Get<DialogId::kListViewFlight>(); }
  qt::FormBinding& Binding() { return binding_; }

  void OpenList() {
    binding_.Dispatch([this] { program_.page().SearchMenu.Click(kSearchListView); });
    QApplication::processEvents();
  }
  void CloseList() {
    binding_.Dispatch([this] { List().Close_Click(); });
    QApplication::processEvents();
  }
  QTableView* Table() {
    qt::FormWindow* window = binding_.WindowOf(List());
    return window != nullptr ? window->findChild<QTableView*>(QStringLiteral("FlexGrid")) : nullptr;
  }

 private:
  RunningProgram program_;
  qt::FormBinding binding_;
};

ProgramOnScreen& Screen() {
  static ProgramOnScreen screen;
  return screen;
}

// Search > List View to the table painted in its window.
void BM_OpenFlightListWindow(benchmark::State& state) {
  ProgramOnScreen& screen = Screen();
  for (auto _ : state) {
    screen.OpenList();
    QTableView* table = screen.Table();
    if (table == nullptr || !table->isVisible() || table->model()->rowCount() != kMaxSlots) {
      state.SkipWithError("the list view did not show every flight");
      return;
    }
    table->viewport()->repaint();
    state.PauseTiming();
    screen.CloseList();
    if (table->isVisible()) state.SkipWithError("the list view did not close");
    state.ResumeTiming();
  }
  state.counters["rows"] = kMaxSlots;
}
BENCHMARK(BM_OpenFlightListWindow)->Unit(benchmark::kMillisecond);

// A click on a row while the list is open: the red selected row moves, and the binding brings
// the windows up to date (the table repaints the two rows that changed, later).
void BM_ClickARowWhileTheListIsOpen(benchmark::State& state) {
  ProgramOnScreen& screen = Screen();
  screen.OpenList();
  QTableView* table = screen.Table();
  if (table == nullptr) {
    state.SkipWithError("no table");
    return;
  }
  frmListViewFlight& list = screen.List();
  int row = 0;
  for (auto _ : state) {
    row = (row + 7) % 20;
    screen.Binding().Dispatch([&list, row] { list.FlexGrid.Click(row, 2); });
  }
  if (list.SelectedRow != row) state.SkipWithError("the click did not reach the list");
  screen.CloseList();
}
BENCHMARK(BM_ClickARowWhileTheListIsOpen)->Unit(benchmark::kMicrosecond);

// A key that changes nothing in the forms (an arrow key in the table) while the list is open:
// the binding's check of every window after the event.
void BM_KeyInTheTableWhileTheListIsOpen(benchmark::State& state) {
  ProgramOnScreen& screen = Screen();
  screen.OpenList();
  QTableView* table = screen.Table();
  if (table == nullptr) {
    state.SkipWithError("no table");
    return;
  }
  bool down = true;
  for (auto _ : state) {
    QKeyEvent press(QEvent::KeyPress, down ? Qt::Key_Down : Qt::Key_Up, Qt::NoModifier);
    QCoreApplication::sendEvent(table, &press);
    down = !down;
  }
  screen.CloseList();
}
BENCHMARK(BM_KeyInTheTableWhileTheListIsOpen)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace aloftra

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  aloftra::qt::SetUpApplication(application);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
