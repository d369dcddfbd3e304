// The top-level window of one form: a main window with the form's menu bar for a page, a
// dialog window for a dialog, each holding a canvas of the form's inside size with one
// widget per control. Sync brings the window up to date with its form; the pilot moving the
// window is written back into the form, and the close box asks the form to unload. The form's
// Left and Top are the place of the window's inside (below the desktop's title bar), so a
// page put where another was covers it exactly, whatever frame the desktop draws.
#pragma once

#include <QMainWindow>
#include <memory>
#include <optional>
#include <vector>

#include "form/Form.h"
#include "qt/ControlView.h"
#include "qt/Dispatcher.h"

namespace aloftra::qt {

class FormCanvas;
class MenuBarView;
class OptionGroupKeys;

enum class WindowKind { kPage, kDialog };

class FormWindow : public QMainWindow {
 public:
  FormWindow(Form& form, WindowKind kind, Dispatcher& dispatcher);
  ~FormWindow() override;

  Form& GetForm() const { return form_; }
  WindowKind Kind() const { return kind_; }
  FormCanvas& Canvas() const { return *canvas_; }

  // Everything but the window's visibility and the keyboard focus.
  void Sync();
  // Gives Qt's focus to the widget of the form's active control.
  void SyncFocus();
  void RepaintIfChanged();

  // The view whose widget is this one or holds it, or nullptr.
  ControlView* ViewOf(const QWidget* widget) const;
  QWidget* WidgetOf(const Control& control) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  // A page takes local track files (.igc) dropped onto it and hands their paths to the form.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildViews();
  void PutFramesUnderneath();
  void SetTabOrder();
  void SyncTabStops();
  void SyncWindowGeometry();
  void PlaceInside(QPoint inside);

  Form& form_;
  WindowKind kind_;
  Dispatcher& dispatcher_;
  FormCanvas* canvas_;
  OptionGroupKeys* optionKeys_;
  MenuBarView* menuBarView_ = nullptr;
  std::vector<std::unique_ptr<ControlView>> views_;
  std::optional<Rect> appliedGeometry_;
};

}  // namespace aloftra::qt
