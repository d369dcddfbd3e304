// The Qt binding's work after each event: one keystroke into a text box of a form that also
// shows a combo box holding the most names a logbook holds, and the combo box's widget
// refilled when its list changes. Runs on the offscreen platform unless told otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "ManyNames.h"
#include "core/RecordTable.h"
#include "form/ComboBox.h"
#include "form/Form.h"
#include "form/TextBox.h"
#include "qt/ApplicationSetup.h"
#include "qt/FormBinding.h"
#include "qt/FormWindow.h"

namespace aloftra {
namespace {

std::vector<ListItem> Items(const std::vector<std::string>& names) {
  std::vector<ListItem> items;
  items.reserve(names.size());
  for (const std::string& name : names)
    items.push_back({name});
  return items;
}

class BigListForm : public Form {
 public:
  BigListForm() : Form("frmBigList") {
    SetCaption("Big list");
    Resize(6000, 3000);
    Names.Move(120, 120, 3000, 315);
    Entry.Move(120, 600, 3000, 315);
    Names.SetSorted(true);
    Names.SetItems(Items(ManyNames(kMaxSlots)));
    Entry.onChange = [this] { ++changes; };
  }
  ComboBox Names{*this, "Names"};
  TextBox Entry{*this, "Entry"};
  long changes = 0;
};

// The form in its shown window, with the text box's editor.
class ShownForm {
 public:
  ShownForm() {
    binding_.SetErrorReporter([](const std::string&) {});
    binding_.AddForm(form);
    binding_.Dispatch([this] { form.Show(); });
    QApplication::processEvents();
    editor = binding_.WindowOf(form)->findChild<QLineEdit*>(QStringLiteral("Entry"));
  }
  qt::FormBinding& Binding() { return binding_; }

  BigListForm form;
  QLineEdit* editor = nullptr;

 private:
  qt::FormBinding binding_;
};

// A key pressed in the editor, as the window system delivers it: the form and the text box
// hear of the key, the editor takes the character, the text box's text follows, and after
// each of those calls the windows are brought up to date.
void PressKey(QLineEdit* editor, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(editor, &press);
}

void BM_KeystrokeBesideALargeCombo(benchmark::State& state) {
  ShownForm shown;
  if (shown.editor == nullptr) {
    state.SkipWithError("no editor");
    return;
  }
  bool type = true;
  for (auto _ : state) {
    // A letter, then Backspace, so the text stays short.
    if (type) {
      PressKey(shown.editor, Qt::Key_A, QStringLiteral("a"));
    } else {
      PressKey(shown.editor, Qt::Key_Backspace, QString());
    }
    type = !type;
  }
  if (shown.form.changes != static_cast<long>(state.iterations())) {
    state.SkipWithError("the keystrokes did not all reach the text box");
  }
}
BENCHMARK(BM_KeystrokeBesideALargeCombo)->Unit(benchmark::kMicrosecond);

void BM_RefillLargeComboWidget(benchmark::State& state) {
  ShownForm shown;
  const std::vector<std::string> lists[2] = {ManyNames(kMaxSlots, 1), ManyNames(kMaxSlots, 2)};
  ComboBox& names = shown.form.Names;
  int next = 0;
  for (auto _ : state) {
    // The program refills the list (not timed); the binding shows the new entries.
    state.PauseTiming();
    names.SetItems(Items(lists[next]));
    next = 1 - next;
    state.ResumeTiming();
    shown.Binding().SyncAll();
  }
}
BENCHMARK(BM_RefillLargeComboWidget)->Unit(benchmark::kMillisecond);

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
