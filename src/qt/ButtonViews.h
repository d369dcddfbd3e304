// Command buttons, check boxes and option buttons. A click of the pilot becomes the
// control's press, toggle or selection; what the button then shows comes from the control,
// so option buttons follow the form's groups rather than Qt's own exclusivity.
#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "form/CheckBox.h"
#include "form/CommandButton.h"
#include "form/OptionButton.h"
#include "qt/ControlView.h"

namespace aloftra::qt {

class CommandButtonView : public ControlView {
 public:
  CommandButtonView(CommandButton& button, QWidget* canvas, Dispatcher& dispatcher);

 protected:
  void SyncContent(bool first) override;
  QPalette::ColorRole ForeRole() const override { return QPalette::ButtonText; }
  QPalette::ColorRole BackRole() const override { return QPalette::Button; }
  bool FillsBackground() const override { return false; }

 private:
  void UpdateIcon();

  CommandButton& button_;
  QPushButton* widget_;
  std::string iconPicture_;
  QSize iconSize_;
  Color iconColor_ = 0;
};

class CheckBoxView : public ControlView {
 public:
  CheckBoxView(CheckBox& box, QWidget* canvas, Dispatcher& dispatcher);

 protected:
  void SyncContent(bool first) override;

 private:
  CheckBox& box_;
  QCheckBox* widget_;
};

class OptionButtonView : public ControlView {
 public:
  OptionButtonView(OptionButton& option, QWidget* canvas, Dispatcher& dispatcher);

 protected:
  void SyncContent(bool first) override;

 private:
  OptionButton& option_;
  QRadioButton* widget_;
};

}  // namespace aloftra::qt
