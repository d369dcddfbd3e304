// The base of every control of a form: name and index, geometry in twips (form
// coordinates, whatever frame the control sits in), colours, enabled and visible state,
// tab order and the mouse, key and focus events every kind shares.
#pragma once

#include <functional>
#include <string>

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
  void SetContainer(Frame* frame) { container_ = frame; }

  const Rect& Geometry() const { return geometry_; }
  void Move(int left, int top, int width, int height) { geometry_ = {left, top, width, height}; }
  void Move(int left, int top) {
    geometry_.left = left;
    geometry_.top = top;
  }
  int Left() const { return geometry_.left; }
  int Top() const { return geometry_.top; }
  int Width() const { return geometry_.width; }
  int Height() const { return geometry_.height; }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  // Shown and usable once the frames around the control are taken into account.
  bool EffectivelyVisible() const;
  bool EffectivelyEnabled() const;

  Color ForeColor() const { return foreColor_; }
  void SetForeColor(Color color) { foreColor_ = color; }
  Color BackColor() const { return backColor_; }
  void SetBackColor(Color color) { backColor_ = color; }
  const Font& GetFont() const { return font_; }
  void SetFont(Font font) { font_ = font; }

  const std::string& ToolTipText() const { return toolTip_; }
  void SetToolTipText(std::string text) { toolTip_ = std::move(text); }

  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int index) { tabIndex_ = index; }
  // Whether the control can take the keyboard focus at all.
  virtual bool Focusable() const { return false; }

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
};

}  // namespace aloftra
