// Gives every form of the program a window and keeps them in step. Each event of the window
// system reaches the forms through Dispatch, which runs the call and then brings every shown
// window up to date with its form: windows of forms that became visible are made (when
// first needed) and shown, those of hidden forms hidden, and the keyboard focus follows the
// forms' active controls. Then the paint handlers of the forms whose windows were shown,
// resized or asked to repaint run the same way, each followed by an update. Qt's focus moving
// within a form moves the form's focus, which runs the lost-focus handler of the control
// left. When the quit condition holds after a call, the windows close and the event loop
// ends.
#pragma once

#include <QObject>
#include <QPixmap>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "form/Form.h"
#include "qt/Dispatcher.h"
#include "qt/FormWindow.h"

namespace aloftra::qt {

class FormBinding : public QObject, public Dispatcher {
 public:
  FormBinding();
  ~FormBinding() override;

  // A form with menus gets a main window, one without a dialog window, unless told.
  void AddForm(Form& form);
  void AddForm(Form& form, WindowKind kind);

  // Checked after every call; when it holds, the windows close and the event loop ends.
  void SetQuitCondition(std::function<bool()> condition) { quitCondition_ = std::move(condition); }
  bool QuitDone() const { return quitDone_; }
  // Whether windows are shown on the screen (false when only rendering them to images).
  void SetShowWindows(bool show) { showWindows_ = show; }
  // Reports an error that escaped a handler; by default in a message box.
  void SetErrorReporter(std::function<void(const std::string&)> reporter) {
    errorReporter_ = std::move(reporter);
  }

  bool Dispatch(const std::function<void()>& call) override;
  bool Syncing() const override { return syncing_ > 0; }
  bool Dispatching() const { return depth_ > 0; }

  // Brings every window up to date with its form (and makes the windows of shown forms).
  void SyncAll();

  FormWindow* WindowOf(const Form& form) const;
  FormWindow& EnsureWindow(Form& form);
  QWidget* WidgetOf(const Control& control) const;
  // The window of a form drawn into an image, without showing it on the screen.
  QPixmap Render(Form& form);

 private:
  struct Entry {
    Form* form;
    WindowKind kind;
    std::unique_ptr<FormWindow> window;
  };

  Entry* EntryOf(const Form& form);
  const Entry* EntryOf(const Form& form) const;
  void KeepOverOwner(FormWindow& dialog);
  void FocusChanged(QWidget* old, QWidget* now);
  void RunGuarded(const std::function<void()>& call);
  void RunPaintHandlersDue();
  void QuitIfDone();

  std::vector<Entry> entries_;
  std::function<bool()> quitCondition_;
  std::function<void(const std::string&)> errorReporter_;
  int depth_ = 0;
  int syncing_ = 0;
  bool showWindows_ = true;
  bool quitDone_ = false;
};

}  // namespace aloftra::qt
