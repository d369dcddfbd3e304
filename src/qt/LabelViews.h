// Labels and frames: captions the pilot reads. A label reports its mouse buttons to the
// control (a right-click on a status label may open a dialog); a frame is a group box drawn
// underneath the controls it holds.
#pragma once

#include <QGroupBox>
#include <QLabel>

#include "form/Frame.h"
#include "form/Label.h"
#include "qt/ControlView.h"

namespace aloftra::qt {

class LabelView : public ControlView {
 public:
  LabelView(Label& label, QWidget* canvas, Dispatcher& dispatcher);

 protected:
  void SyncContent(bool first) override;
  bool FillsBackground() const override { return !label_.Transparent(); }
  bool ReportsMouse() const override { return true; }

 private:
  Label& label_;
  QLabel* widget_;
};

class FrameView : public ControlView {
 public:
  FrameView(Frame& frame, QWidget* canvas, Dispatcher& dispatcher);

 protected:
  void SyncContent(bool first) override;
  bool FillsBackground() const override { return false; }

 private:
  Frame& frame_;
  QGroupBox* widget_;
};

}  // namespace aloftra::qt
