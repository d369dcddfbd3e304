// What the program sets on its QApplication before any window exists: one look on every
// desktop (the Fusion style), the forms' font, the glider as the windows' icon, and a life
// that ends when the forms say so, not when the last window closes. On the offscreen platform
// (screenshots, GUI tests) its lines about raising and sizing windows, which mean nothing there,
// are left out.
#pragma once

#include <QApplication>

namespace aloftra::qt {

void SetUpApplication(QApplication& application);

}  // namespace aloftra::qt
