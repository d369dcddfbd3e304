#include "shell/WindowPlacement.h"

namespace aloftra {

namespace {

constexpr int kDefaultWindowLeft = 500;
constexpr int kDefaultWindowTop = 500;
// A dialog opens this far right of and below its page's top-left corner.
constexpr int kDialogOffsetX = 300;
constexpr int kDialogOffsetY = 600;

}  // namespace

void WindowPlacement::PlaceAtDefault(Form& mainWindow) {
  mainWindow.Move(kDefaultWindowLeft, kDefaultWindowTop);
}

void WindowPlacement::PlaceRemembered(Form& mainWindow, long left, long top) {
  if (left > 0 && left < 10000) mainWindow.Move(static_cast<int>(left), mainWindow.Top());
  if (top > 0 && top < 7000) mainWindow.Move(mainWindow.Left(), static_cast<int>(top));
}

void WindowPlacement::SwitchPage(Form& from, Form& to) {
  if (&from == &to) return;
  // Nothing on the target page is refreshed: each page keeps its state while hidden.
  to.Move(from.Left(), from.Top());
  to.Show();
  from.Hide();
}

void WindowPlacement::OpenDialogOver(Form& dialog, Form& page) {
  dialog.Move(page.Left() + kDialogOffsetX, page.Top() + kDialogOffsetY);
  page.SetEnabled(false);
  owners_[&dialog] = Owner{&page, false};
  dialog.Show();
}

void WindowPlacement::ShowInPlaceOf(Form& window, Form& page) {
  window.Move(page.Left(), page.Top());
  owners_[&window] = Owner{&page, true};
  page.Hide();
  window.Show();
}

const Form* WindowPlacement::OwnerOf(const Form& dialog) const {
  auto owner = owners_.find(&dialog);
  return owner == owners_.end() ? nullptr : owner->second.page;
}

void WindowPlacement::DialogClosed(Form& dialog) {
  auto owner = owners_.find(&dialog);
  if (owner == owners_.end()) return;
  Owner closed = owner->second;
  owners_.erase(owner);
  closed.page->SetEnabled(true);
  if (closed.hidden) {
    closed.page->Move(dialog.Left(), dialog.Top());
    closed.page->Show();
  }
}

}  // namespace aloftra
