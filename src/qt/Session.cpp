#include "qt/Session.h"

#include <QDir>
#include <QPixmap>
#include <iostream>

#include "qt/QtConvert.h"

namespace aloftra::qt {

void BindProgram(FormBinding& binding, QtPlatform& platform, const std::vector<Form*>& forms,
                 std::function<bool()> ended) {
  for (Form* form : forms)
    binding.AddForm(*form);
  binding.SetQuitCondition([&platform, ended = std::move(ended)] {
    return platform.QuitRequested() || (ended && ended());
  });
  platform.SetRefresh([&binding] { binding.SyncAll(); });
}

int RenderScreenshots(FormBinding& binding, const std::vector<Form*>& forms,
                      const QString& folder) {
  if (!QDir().mkpath(folder)) {
    std::cerr << "Cannot create the folder " << ToStdString(folder) << "\n";
    return static_cast<int>(forms.size());
  }
  int failures = 0;
  for (Form* form : forms) {
    // A form shows what its load handler fills in.
    if (!form->Loaded()) binding.Dispatch([form] { form->Load(); });
    QPixmap image = binding.Render(*form);
    QString path = QDir(folder).filePath(ToQString(form->Name()) + QStringLiteral(".png"));
    if (image.isNull() || !image.save(path)) {
      std::cerr << "Cannot write " << ToStdString(path) << "\n";
      ++failures;
    }
  }
  return failures;
}

}  // namespace aloftra::qt
