// Graphical controls drawn on the form behind the windowed ones: a shape (rectangle or
// circle, hollow or filled), a straight line and a picture.
#pragma once

#include "form/Control.h"

namespace aloftra {

class Shape : public Control {
 public:
  enum class Kind { kRectangle, kCircle };

  Shape(Form& form, std::string name, int index = -1)
      : Control(form, ControlKind::kShape, std::move(name), index) {}

  Kind ShapeKind() const { return kind_; }
  void SetShapeKind(Kind kind) { SetProperty(kind_, kind); }
  bool Filled() const { return filled_; }
  void SetFilled(bool filled) { SetProperty(filled_, filled); }
  Color FillColor() const { return fillColor_; }
  void SetFillColor(Color color) { SetProperty(fillColor_, color); }
  Color BorderColor() const { return borderColor_; }
  void SetBorderColor(Color color) { SetProperty(borderColor_, color); }

 private:
  Kind kind_ = Kind::kRectangle;
  bool filled_ = false;
  Color fillColor_ = kBlack;
  Color borderColor_ = kBlack;
};

class LineControl : public Control {
 public:
  LineControl(Form& form, std::string name, int index = -1)
      : Control(form, ControlKind::kLine, std::move(name), index) {}

  void SetEnds(int x1, int y1, int x2, int y2) {
    if (x1 == x1_ && y1 == y1_ && x2 == x2_ && y2 == y2_) return;
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    Changed();
  }
  int X1() const { return x1_; }
  int Y1() const { return y1_; }
  int X2() const { return x2_; }
  int Y2() const { return y2_; }
  Color BorderColor() const { return borderColor_; }
  void SetBorderColor(Color color) { SetProperty(borderColor_, color); }

 private:
  int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  Color borderColor_ = kBlack;
};

class Image : public Control {
 public:
  Image(Form& form, std::string name, int index = -1)
      : Control(form, ControlKind::kImage, std::move(name), index) {}

  // The name of a picture the front end knows how to draw.
  const std::string& Picture() const { return picture_; }
  void SetPicture(std::string picture) { SetProperty(picture_, std::move(picture)); }

 private:
  std::string picture_;
};

}  // namespace aloftra
