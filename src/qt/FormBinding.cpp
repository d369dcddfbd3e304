#include "qt/FormBinding.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>
#include <QWindow>
#include <algorithm>
#include <exception>

#include "form/Platform.h"
#include "qt/FormCanvas.h"
#include "qt/QtConvert.h"

namespace aloftra::qt {

namespace {

void ShowError(const std::string& message) {
  QMessageBox::critical(QApplication::activeWindow(), QString::fromLatin1(kProgramTitle),
                        QStringLiteral("An unexpected error occurred: ") + ToQString(message));
}

}  // namespace

FormBinding::FormBinding() : errorReporter_(ShowError) {
  connect(qApp, &QApplication::focusChanged, this,
          [this](QWidget* old, QWidget* now) { FocusChanged(old, now); });
}

FormBinding::~FormBinding() {
  // The windows go before this object does; their focus changes must not come back here.
  disconnect(qApp, nullptr, this, nullptr);
  ++syncing_;
  entries_.clear();
}

void FormBinding::AddForm(Form& form) {
  AddForm(form, form.Menus().empty() ? WindowKind::kDialog : WindowKind::kPage);
}

void FormBinding::AddForm(Form& form, WindowKind kind) {
  if (EntryOf(form) != nullptr) return;
  entries_.push_back(Entry{&form, kind, nullptr});
}

FormBinding::Entry* FormBinding::EntryOf(const Form& form) {
  for (Entry& entry : entries_) {
    if (entry.form == &form) return &entry;
  }
  return nullptr;
}

const FormBinding::Entry* FormBinding::EntryOf(const Form& form) const {
  for (const Entry& entry : entries_) {
    if (entry.form == &form) return &entry;
  }
  return nullptr;
}

FormWindow* FormBinding::WindowOf(const Form& form) const {
  const Entry* entry = EntryOf(form);
  return entry != nullptr ? entry->window.get() : nullptr;
}

FormWindow& FormBinding::EnsureWindow(Form& form) {
  Entry* entry = EntryOf(form);
  if (entry == nullptr) {
    AddForm(form);
    entry = EntryOf(form);
  }
  if (!entry->window) entry->window = std::make_unique<FormWindow>(form, entry->kind, *this);
  return *entry->window;
}

QWidget* FormBinding::WidgetOf(const Control& control) const {
  FormWindow* window = WindowOf(control.Parent());
  return window != nullptr ? window->WidgetOf(control) : nullptr;
}

bool FormBinding::Dispatch(const std::function<void()>& call) {
  // One call at a time: events that arrive while a handler runs (a message box open inside
  // it) or while the windows are being updated are turned away.
  if (depth_ > 0 || syncing_ > 0 || quitDone_) return false;
  ++depth_;
  RunGuarded(call);
  --depth_;
  SyncAll();
  RunPaintHandlersDue();
  QuitIfDone();
  return true;
}

void FormBinding::RunPaintHandlersDue() {
  // A paint handler may show another form or resize one, which asks for that form's
  // handler in turn. Each form's handler runs at most once here; asked for again, it runs
  // after the next call, so no handler can keep this loop going.
  std::vector<const Form*> painted;
  for (bool ranOne = true; ranOne && !quitDone_;) {
    ranOne = false;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
      Form& form = *entries_[i].form;
      FormWindow* window = entries_[i].window.get();
      if (window == nullptr || !form.Visible()) continue;
      if (std::find(painted.begin(), painted.end(), &form) != painted.end()) continue;
      if (!window->Canvas().TakePaintHandlerRequest()) continue;
      painted.push_back(&form);
      ++depth_;
      RunGuarded([&form] { form.Paint(); });
      --depth_;
      SyncAll();
      ranOne = true;
    }
  }
}

void FormBinding::RunGuarded(const std::function<void()>& call) {
  // An exception must not unwind through Qt's event handling; the pilot hears of it and
  // the program carries on.
  try {
    call();
  } catch (const std::exception& error) {
    errorReporter_(error.what());
  } catch (...) {
    errorReporter_("unknown error");
  }
}

void FormBinding::SyncAll() {
  ++syncing_;
  for (Entry& entry : entries_) {
    if (entry.form->Visible()) EnsureWindow(*entry.form).Sync();
  }
  if (showWindows_ && !quitDone_) {
    // Shown before others are hidden, so the screen is never without a window.
    for (Entry& entry : entries_) {
      if (entry.form->Visible() && !entry.window->isVisible()) {
        if (entry.kind == WindowKind::kDialog) KeepOverOwner(*entry.window);
        entry.window->show();
        entry.window->raise();
        entry.window->activateWindow();
      }
    }
    for (Entry& entry : entries_) {
      if (!entry.form->Visible() && entry.window && entry.window->isVisible()) {
        entry.window->hide();
      }
    }
    for (Entry& entry : entries_) {
      if (entry.form->Visible()) entry.window->SyncFocus();
    }
  }
  for (Entry& entry : entries_) {
    if (entry.form->Visible()) entry.window->RepaintIfChanged();
  }
  --syncing_;
}

void FormBinding::KeepOverOwner(FormWindow& dialog) {
  // A dialog belongs to the page it disabled, else to the window the pilot was using; the
  // desktop then keeps it above that window.
  QWidget* owner = nullptr;
  for (Entry& entry : entries_) {
    if (entry.kind == WindowKind::kPage && entry.window && entry.window->isVisible() &&
        !entry.form->Enabled()) {
      owner = entry.window.get();
      break;
    }
  }
  if (owner == nullptr) owner = QApplication::activeWindow();
  if (owner == nullptr || owner == &dialog) return;
  // The native windows are made now, so the desktop knows the owner before the dialog shows.
  dialog.winId();
  owner->winId();
  dialog.windowHandle()->setTransientParent(owner->windowHandle());
}

void FormBinding::FocusChanged(QWidget* old, QWidget* now) {
  (void)old;
  if (depth_ > 0 || syncing_ > 0 || quitDone_ || !showWindows_) return;
  for (Entry& entry : entries_) {
    if (!entry.window) continue;
    ControlView* view = entry.window->ViewOf(now);
    if (view == nullptr) continue;
    Form& form = *entry.form;
    Control& control = view->GetControl();
    if (form.ActiveControl() == &control) return;
    // The form moves its focus itself, running the lost-focus check of the control left;
    // when that check keeps the focus, the update moves Qt's focus back.
    Dispatch([&form, &control] { form.SetFocus(control); });
    return;
  }
}

void FormBinding::QuitIfDone() {
  if (quitDone_ || !quitCondition_ || !quitCondition_()) return;
  quitDone_ = true;
  ++syncing_;
  for (Entry& entry : entries_) {
    if (entry.window) entry.window->hide();
  }
  --syncing_;
  // exit() rather than quit(): the windows' close boxes belong to the forms, and the forms
  // have already agreed to end. Without a running event loop there is nothing to end, and
  // exit() would make every later event loop (a message box's) return at once.
  if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}

QPixmap FormBinding::Render(Form& form) {
  FormWindow& window = EnsureWindow(form);
  // The picture shows what the paint handler draws, as the window on the screen does.
  if (depth_ == 0 && syncing_ == 0) {
    ++depth_;
    RunGuarded([&form] { form.Paint(); });
    --depth_;
  }
  ++syncing_;
  window.Sync();
  bool wasVisible = window.isVisible();
  if (!wasVisible) {
    window.setAttribute(Qt::WA_DontShowOnScreen, true);
    window.show();
  }
  QPixmap image = window.grab();
  if (!wasVisible) {
    window.hide();
    window.setAttribute(Qt::WA_DontShowOnScreen, false);
  }
  --syncing_;
  return image;
}

}  // namespace aloftra::qt
