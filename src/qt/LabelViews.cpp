#include "qt/LabelViews.h"

#include "qt/QtConvert.h"

namespace aloftra::qt {

namespace {

Qt::Alignment LabelAlignment(Alignment alignment) {
  switch (alignment) {
    case Alignment::kRight:
      return Qt::AlignRight | Qt::AlignTop;
    case Alignment::kCenter:
      return Qt::AlignHCenter | Qt::AlignTop;
    case Alignment::kLeft:
      break;
  }
  return Qt::AlignLeft | Qt::AlignTop;
}

}  // namespace

LabelView::LabelView(Label& label, QWidget* canvas, Dispatcher& dispatcher)
    : ControlView(label, new QLabel(canvas), dispatcher),
      label_(label),
      widget_(static_cast<QLabel*>(Widget())) {
  // Captions wrap within the label's width, as the forms were laid out for.
  widget_->setWordWrap(true);
  widget_->setTextFormat(Qt::PlainText);
}

void LabelView::SyncContent(bool first) {
  QString caption = ToWidgetText(label_.Caption());
  if (first || widget_->text() != caption) widget_->setText(caption);
  widget_->setAlignment(LabelAlignment(label_.TextAlignment()));
  widget_->setFrameStyle(label_.Bordered() ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
}

FrameView::FrameView(Frame& frame, QWidget* canvas, Dispatcher& dispatcher)
    : ControlView(frame, new QGroupBox(canvas), dispatcher),
      frame_(frame),
      widget_(static_cast<QGroupBox*>(Widget())) {}

void FrameView::SyncContent(bool first) {
  QString caption = ToQString(frame_.Caption());
  if (first || widget_->title() != caption) widget_->setTitle(caption);
}

}  // namespace aloftra::qt
