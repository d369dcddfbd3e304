// Puts the program's forms on the desktop: each form gets its window through the binding,
// the platform brings the windows up to date before it shows a message box or lets events
// run, and the event loop ends when the program has ended (or the platform was asked to
// quit). Also renders every window to an image file, for the screenshots.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "form/Form.h"
#include "qt/FormBinding.h"
#include "qt/QtPlatform.h"

namespace aloftra::qt {

void BindProgram(FormBinding& binding, QtPlatform& platform, const std::vector<Form*>& forms,
                 std::function<bool()> ended);

// Loads each form that is not loaded yet and writes its window to <folder>/<form name>.png.
// Returns the number of images that could not be written.
int RenderScreenshots(FormBinding& binding, const std::vector<Form*>& forms, const QString& folder);

}  // namespace aloftra::qt
