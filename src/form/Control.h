// The base of every control of a form: name and index, geometry in twips (form
// coordinates, whatever frame the control sits in), colours, enabled and visible state,
// tab order and the mouse, key and focus events every kind shares. Every property set to a
// new value counts as a change of the control's revision, so a front end can tell which
// controls it must bring up to date.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "form/Color.h"

namespace aloftra {

class Form;
class Frame;

enum class ControlKind {
  kTextBox,
  kLabel,
  kCommandButton,
  kCheckBox,
  kOptionButton,
  kComboBox,
  kListBox,
  kFrame,
  kShape,
  kLine,
  kImage,
  kGrid,
};

enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ShiftState : int { kShiftMask = 1, kCtrlMask = 2, kAltMask = 4 };
enum class Alignment { kLeft, kRight, kCenter };

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool Contains(double x, double y) const {
    return x >= left && x < left + width && y >= top && y < top + height;
  }
  bool operator==(const Rect&) const = default;
};

struct Font {
  double size = 8.25;  // points
  bool bold = false;
  bool italic = false;
  // The typeface; empty is the forms' own. Reports ask for "Arial" by name.
  std::string family{};
  bool operator==(const Font&) const = default;
};

using MouseHandler = std::function<void(int button, int shift, double x, double y)>;

class Control {
 public:
  Control(Form& form, ControlKind kind, std::string name, int index = -1);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  ControlKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  int Index() const { return index_; }  // -1 unless the control is one of an array
  // "Places(1)" for a member of a control array, else the name.
  std::string QualifiedName() const;
  Form& Parent() const { return form_; }

  // The frame the control sits in, or nullptr for one placed on the form itself. Option
  // buttons in one container form one group; a hidden or disabled frame hides or disables
  // what it holds.
  Frame* Container() const { return container_; }
  void SetContainer(Frame* frame) { SetProperty(container_, frame); }

  const Rect& Geometry() const { return geometry_; }
  void Move(int left, int top, int width, int height) {
    SetProperty(geometry_, Rect{left, top, width, height});
  }
  void Move(int left, int top) { Move(left, top, geometry_.width, geometry_.height); }
  int Left() const { return geometry_.left; }
  int Top() const { return geometry_.top; }
  int Width() const { return geometry_.width; }
  int Height() const { return geometry_.height; }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { SetProperty(enabled_, enabled); }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { SetProperty(visible_, visible); }
  // Shown and usable once the frames around the control are taken into account.
  bool EffectivelyVisible() const;
  bool EffectivelyEnabled() const;

  Color ForeColor() const { return foreColor_; }
  void SetForeColor(Color color) { SetProperty(foreColor_, color); }
  Color BackColor() const { return backColor_; }
  void SetBackColor(Color color) { SetProperty(backColor_, color); }
  const Font& GetFont() const { return font_; }
  void SetFont(Font font) { SetProperty(font_, font); }

  const std::string& ToolTipText() const { return toolTip_; }
  void SetToolTipText(std::string text) { SetProperty(toolTip_, std::move(text)); }

  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int index) { SetProperty(tabIndex_, index); }
  // Whether the control can take the keyboard focus at all.
  virtual bool Focusable() const { return false; }

  // Counts the changes of the control's properties; setting a property to the value it holds
  // is no change. Whether it is shown and usable also depends on the frames around it and
  // on its form (EffectivelyVisible, EffectivelyEnabled), which this count does not follow.
  unsigned long Revision() const { return revision_; }

  // Events every kind may have. Handlers are set by the form that owns the control.
  MouseHandler onMouseDown;
  MouseHandler onMouseUp;
  MouseHandler onMouseMove;
  std::function<void()> onGotFocus;
  std::function<void()> onLostFocus;
  std::function<void(int& keyAscii)> onKeyPress;
  std::function<void(int& keyCode, int shift)> onKeyDown;
  std::function<void()> onDblClick;

  // What the user (or the platform on the user's behalf) does to any control.
  void MouseDown(int button, int shift, double x, double y);
  void MouseUp(int button, int shift, double x, double y);
  // Returns the character after the handlers saw it; 0 when they swallowed it.
  int KeyPress(int keyAscii);
  int KeyDown(int keyCode, int shift);
  void DblClick();

 protected:
  // Counts a change the property setters below cannot see.
  void Changed() { ++revision_; }
  // Gives a property a new value and counts the change; false when it held that value.
  template <class Property, class Value>
  bool SetProperty(Property& property, Value&& value) {
    if (property == value) return false;
    property = std::forward<Value>(value);
    Changed();
    return true;
  }

 private:
  Form& form_;
  ControlKind kind_;
  std::string name_;
  int index_;
  Frame* container_ = nullptr;
  Rect geometry_;
  bool enabled_ = true;
  bool visible_ = true;
  Color foreColor_ = kWindowText;
  Color backColor_ = kButtonFace;
  Font font_;
  std::string toolTip_;
  int tabIndex_ = 0;
  unsigned long revision_ = 0;
};

}  // namespace aloftra
