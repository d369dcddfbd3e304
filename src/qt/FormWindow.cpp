#include "qt/FormWindow.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "form/Frame.h"
#include "form/TabOrder.h"
#include "qt/FormCanvas.h"
#include "qt/MenuBarView.h"
#include "qt/OptionGroupKeys.h"
#include "qt/QtConvert.h"

namespace aloftra::qt {

namespace {

Qt::WindowFlags FlagsFor(WindowKind kind) {
  Qt::WindowFlags common = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (kind == WindowKind::kDialog) return Qt::Dialog | common;
  return Qt::Window | common | Qt::WindowMinimizeButtonHint;
}

int FrameDepth(const Control& control) {
  int depth = 0;
  for (const Frame* frame = control.Container(); frame != nullptr; frame = frame->Container()) {
    ++depth;
  }
  return depth;
}

}  // namespace

FormWindow::FormWindow(Form& form, WindowKind kind, Dispatcher& dispatcher)
    : QMainWindow(nullptr, FlagsFor(kind)),
      form_(form),
      kind_(kind),
      dispatcher_(dispatcher),
      canvas_(new FormCanvas(form, dispatcher, this)),
      optionKeys_(new OptionGroupKeys(
          dispatcher,
          [this](QObject* widget) -> OptionButton* {
            ControlView* view = ViewOf(qobject_cast<QWidget*>(widget));
            if (view == nullptr || view->GetControl().Kind() != ControlKind::kOptionButton) {
              return nullptr;
            }
            return &static_cast<OptionButton&>(view->GetControl());
          },
          this)) {
  setObjectName(ToQString(form.Name()));
  setCentralWidget(canvas_);
  canvas_->setFont(DefaultFormFont());
  if (!form.Menus().empty()) {
    menuBarView_ = new MenuBarView(form, menuBar(), dispatcher);
  }
  // The window is as large as the form's inside and its menu bar, no larger.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  BuildViews();
  setAcceptDrops(kind == WindowKind::kPage);
}

FormWindow::~FormWindow() = default;

namespace {

// The local files among the dragged data that are track files, letter case ignored.
std::vector<std::string> DroppedTrackFiles(const QMimeData* data) {
  std::vector<std::string> paths;
  if (data == nullptr || !data->hasUrls()) return paths;
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) continue;
    const QString path = url.toLocalFile();
    if (path.endsWith(QStringLiteral(".igc"), Qt::CaseInsensitive)) {
      paths.push_back(ToStdString(path));
    }
  }
  return paths;
}

}  // namespace

void FormWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (form_.Enabled() && !DroppedTrackFiles(event->mimeData()).empty()) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void FormWindow::dragMoveEvent(QDragMoveEvent* event) {
  if (form_.Enabled() && !DroppedTrackFiles(event->mimeData()).empty()) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void FormWindow::dropEvent(QDropEvent* event) {
  const std::vector<std::string> paths = DroppedTrackFiles(event->mimeData());
  if (paths.empty() || !form_.onFilesDropped) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  Form& form = form_;
  dispatcher_.Dispatch([&form, paths] { form.onFilesDropped(paths); });
}

void FormWindow::BuildViews() {
  for (Control* control : form_.Controls()) {
    std::unique_ptr<ControlView> view = MakeControlView(*control, canvas_, dispatcher_);
    if (view) views_.push_back(std::move(view));
  }
  PutFramesUnderneath();
  SetTabOrder();
}

void FormWindow::PutFramesUnderneath() {
  std::vector<ControlView*> frames;
  for (const auto& view : views_) {
    if (view->GetControl().Kind() == ControlKind::kFrame) frames.push_back(view.get());
  }
  // Lowering the innermost frames first leaves the outermost at the bottom.
  std::stable_sort(frames.begin(), frames.end(), [](ControlView* a, ControlView* b) {
    return FrameDepth(a->GetControl()) > FrameDepth(b->GetControl());
  });
  for (ControlView* frame : frames)
    frame->Widget()->lower();
}

void FormWindow::SetTabOrder() {
  // Every control that takes the focus is in the chain; which of them Tab stops on follows
  // the form as it changes (SyncTabStops).
  std::vector<QWidget*> chain;
  for (Control* control : TabOrder(form_)) {
    if (QWidget* widget = WidgetOf(*control)) chain.push_back(widget);
  }
  for (std::size_t i = 1; i < chain.size(); ++i) {
    QWidget::setTabOrder(chain[i - 1], chain[i]);
  }
  for (const auto& view : views_) {
    if (view->GetControl().Kind() == ControlKind::kOptionButton) {
      optionKeys_->Watch(view->Widget());
    }
  }
}

void FormWindow::SyncTabStops() {
  // A control Tab passes over still takes the focus from a click.
  for (const auto& view : views_) {
    const Control& control = view->GetControl();
    if (!control.Focusable()) continue;
    Qt::FocusPolicy policy = IsTabStop(control) ? Qt::StrongFocus : Qt::ClickFocus;
    if (view->Widget()->focusPolicy() != policy) view->Widget()->setFocusPolicy(policy);
  }
}

void FormWindow::Sync() {
  QString caption = ToQString(form_.Caption());
  if (windowTitle() != caption) setWindowTitle(caption);
  if (isEnabled() != form_.Enabled()) setEnabled(form_.Enabled());
  SyncWindowGeometry();
  for (const auto& view : views_)
    view->Sync();
  SyncTabStops();
  if (menuBarView_ != nullptr) menuBarView_->Sync();
}

void FormWindow::SyncWindowGeometry() {
  const Rect& geometry = form_.Geometry();
  if (appliedGeometry_ && *appliedGeometry_ == geometry) return;
  if (!appliedGeometry_ || appliedGeometry_->width != geometry.width ||
      appliedGeometry_->height != geometry.height) {
    canvas_->setFixedSize(ToPixels(geometry.width), ToPixels(geometry.height));
  }
  if (!appliedGeometry_ || appliedGeometry_->left != geometry.left ||
      appliedGeometry_->top != geometry.top) {
    PlaceInside(QPoint(ToPixels(geometry.left), ToPixels(geometry.top)));
  }
  appliedGeometry_ = geometry;
}

void FormWindow::PlaceInside(QPoint inside) {
  // The form's place is where its inside begins, never where the desktop's frame begins: the
  // frame's size is only known some time after the window first shows, so a place read or
  // set as the frame's would put the next page 20 pixels off whenever it was not yet known.
  // setGeometry places the inside itself, whether the window exists on the desktop or not.
  setGeometry(QRect(inside, geometry().size()));
}

void FormWindow::SyncFocus() {
  Control* active = form_.ActiveControl();
  if (active == nullptr) return;
  for (const auto& view : views_) {
    if (&view->GetControl() != active) continue;
    if (view->Owns(focusWidget())) return;
    if (view->Widget()->isVisible() && view->Widget()->isEnabled()) {
      view->Widget()->setFocus(Qt::OtherFocusReason);
    }
    return;
  }
}

void FormWindow::RepaintIfChanged() {
  canvas_->RepaintIfChanged();
}

ControlView* FormWindow::ViewOf(const QWidget* widget) const {
  if (widget == nullptr) return nullptr;
  for (const auto& view : views_) {
    if (view->Owns(widget)) return view.get();
  }
  return nullptr;
}

QWidget* FormWindow::WidgetOf(const Control& control) const {
  for (const auto& view : views_) {
    if (&view->GetControl() == &control) return view->Widget();
  }
  return nullptr;
}

void FormWindow::closeEvent(QCloseEvent* event) {
  // The form decides: a page turns the close into File > Exit, and a form that stays loaded
  // keeps its window. The windows follow the forms once the call returns.
  event->ignore();
  if (dispatcher_.Syncing()) return;
  Form& form = form_;
  dispatcher_.Dispatch([&form] { form.Unload(); });
}

void FormWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  // While the desktop is still framing a new window it reports passing places (its inside
  // at 0,0 among them); only a window on the screen has a place of its own.
  if (dispatcher_.Syncing() || !isVisible() || !windowHandle()->isExposed()) return;
  // The inside's place, as the form holds it (see PlaceInside).
  QPoint inside = geometry().topLeft();
  int left = static_cast<int>(std::lround(ToTwips(inside.x())));
  int top = static_cast<int>(std::lround(ToTwips(inside.y())));
  form_.Move(left, top);
  if (appliedGeometry_) {
    appliedGeometry_->left = left;
    appliedGeometry_->top = top;
  }
}

}  // namespace aloftra::qt
