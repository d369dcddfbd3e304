#include "qt/ButtonViews.h"

#include "qt/Pictures.h"
#include "qt/QtConvert.h"

namespace aloftra::qt {

CommandButtonView::CommandButtonView(CommandButton& button, QWidget* canvas, Dispatcher& dispatcher)
    : ControlView(button, new QPushButton(canvas), dispatcher),
      button_(button),
      widget_(static_cast<QPushButton*>(Widget())) {
  connect(widget_, &QPushButton::clicked, this, [this] {
    if (Syncing()) return;
    CommandButton& pressed = button_;
    Dispatch([&pressed] { pressed.Click(); });
  });
}

void CommandButtonView::SyncContent(bool first) {
  QString caption = ToQString(button_.Caption());
  if (first || widget_->text() != caption) widget_->setText(caption);
  widget_->setDefault(button_.IsDefault());
  UpdateIcon();
}

void CommandButtonView::UpdateIcon() {
  const std::string& picture = button_.Picture();
  // The picture fills the button less a margin for its frame.
  QSize size = ToPixelRect(button_.Geometry()).size() - QSize(8, 8);
  if (size.width() < 4 || size.height() < 4) size = QSize(4, 4);
  if (picture == iconPicture_ && size == iconSize_ && button_.ForeColor() == iconColor_) return;
  iconPicture_ = picture;
  iconSize_ = size;
  iconColor_ = button_.ForeColor();
  if (!IsKnownPicture(picture)) {
    widget_->setIcon(QIcon());
    return;
  }
  QColor color = ToQColor(button_.ForeColor(), widget_->palette());
  widget_->setIcon(QIcon(PicturePixmap(picture, size, color)));
  widget_->setIconSize(size);
}

CheckBoxView::CheckBoxView(CheckBox& box, QWidget* canvas, Dispatcher& dispatcher)
    : ControlView(box, new QCheckBox(canvas), dispatcher),
      box_(box),
      widget_(static_cast<QCheckBox*>(Widget())) {
  connect(widget_, &QCheckBox::clicked, this, [this] {
    if (Syncing()) return;
    CheckBox& toggled = box_;
    Dispatch([&toggled] { toggled.Toggle(); });
  });
}

void CheckBoxView::SyncContent(bool first) {
  QString caption = ToQString(box_.Caption());
  if (first || widget_->text() != caption) widget_->setText(caption);
  // A value beyond checked shows the box greyed.
  Qt::CheckState state = Qt::Unchecked;
  if (box_.Value() == CheckBox::kChecked) {
    state = Qt::Checked;
  } else if (box_.Value() > CheckBox::kChecked) {
    state = Qt::PartiallyChecked;
  }
  widget_->setTristate(state == Qt::PartiallyChecked);
  widget_->setCheckState(state);
}

OptionButtonView::OptionButtonView(OptionButton& option, QWidget* canvas, Dispatcher& dispatcher)
    : ControlView(option, new QRadioButton(canvas), dispatcher),
      option_(option),
      widget_(static_cast<QRadioButton*>(Widget())) {
  // The form decides which button of a group is selected.
  widget_->setAutoExclusive(false);
  connect(widget_, &QRadioButton::clicked, this, [this] {
    if (Syncing()) return;
    OptionButton& selected = option_;
    Dispatch([&selected] { selected.SetValue(true); });
  });
}

void OptionButtonView::SyncContent(bool first) {
  QString caption = ToQString(option_.Caption());
  if (first || widget_->text() != caption) widget_->setText(caption);
  widget_->setChecked(option_.Value());
}

}  // namespace aloftra::qt
