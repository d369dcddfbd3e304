// A page or dialog without a window system: its controls, its menus, its drawing, the
// control with the keyboard focus, and the form's own events. Page and dialog classes
// derive from Form, hold their controls as members and wire the controls' events to their
// handlers in their constructors.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "form/Color.h"
#include "form/Control.h"
#include "form/DrawList.h"
#include "form/Menu.h"

namespace aloftra {

class Form {
 public:
  explicit Form(std::string name);
  virtual ~Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { caption_ = std::move(caption); }

  // Position of the window on the screen and size of its inside, in twips.
  const Rect& Geometry() const { return geometry_; }
  int Left() const { return geometry_.left; }
  int Top() const { return geometry_.top; }
  int Width() const { return geometry_.width; }
  int Height() const { return geometry_.height; }
  void Move(int left, int top) {
    geometry_.left = left;
    geometry_.top = top;
  }
  void Resize(int width, int height) {
    geometry_.width = width;
    geometry_.height = height;
  }

  Color BackColor() const { return backColor_; }
  void SetBackColor(Color color) { backColor_ = color; }

  bool Loaded() const { return loaded_; }
  bool Visible() const { return visible_; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }

  // Loading runs the load handler once; showing loads first; unloading asks the unload
  // handler, which may cancel, and hides the form. Returns false when cancelled.
  void Load();
  void Show();
  void Hide() { visible_ = false; }
  bool Unload();

  // Controls register themselves when they are built, in the order of the tab sequence.
  int Register(Control& control);
  const std::vector<Control*>& Controls() const { return controls_; }
  Control* FindControl(const std::string& name, int index = -1) const;

  // The keyboard focus. Moving it runs the lost-focus handler of the control that had it,
  // then the got-focus handler of the new one. A hidden or disabled control cannot take it.
  Control* ActiveControl() const { return active_; }
  bool SetFocus(Control& control);

  Menu& AddMenu(std::string name, std::string caption);
  Menu* FindMenu(const std::string& name) const;
  const std::vector<std::unique_ptr<Menu>>& Menus() const { return menus_; }

  DrawList& Drawing() { return drawing_; }
  const DrawList& Drawing() const { return drawing_; }

  // The form's own events, set by the page or dialog.
  std::function<void()> onLoad;
  std::function<void(int& cancel)> onUnload;
  std::function<void()> onPaint;
  MouseHandler onMouseDown;
  MouseHandler onMouseUp;
  MouseHandler onMouseMove;
  std::function<void(int& keyCode, int shift)> onKeyDown;
  // Files dropped onto the form's window, as full local paths.
  std::function<void(const std::vector<std::string>& paths)> onFilesDropped;

  // What the window system reports about the form itself. Paint runs the paint handler,
  // which draws into the drawing (and may change controls); a front end runs it when the
  // form is shown or resized or a repaint is asked for, like any other handler, and then
  // paints the drawing.
  void Paint();
  void MouseDown(int button, int shift, double x, double y);
  void MouseUp(int button, int shift, double x, double y);
  void MouseMove(int button, int shift, double x, double y);
  // The form sees a key before its controls do; returns 0 when its handler swallowed it.
  int KeyDown(int keyCode, int shift);

 private:
  std::string name_;
  std::string caption_;
  Rect geometry_;
  Color backColor_ = kButtonFace;
  bool loaded_ = false;
  bool visible_ = false;
  bool enabled_ = true;
  std::vector<Control*> controls_;
  Control* active_ = nullptr;
  std::vector<std::unique_ptr<Menu>> menus_;
  DrawList drawing_;
};

}  // namespace aloftra
