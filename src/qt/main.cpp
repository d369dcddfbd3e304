// The aloftra program: the forms of the application on the desktop.
#include <QApplication>
#include <QDir>
#include <iostream>

#include "core/PosixFileSystem.h"
#include "qt/ApplicationSetup.h"
#include "qt/FormBinding.h"
#include "qt/ProgramOptions.h"
#include "qt/QtPlatform.h"
#include "qt/Session.h"
#include "shell/App.h"

namespace {

std::vector<std::string> ArgumentsAfterTheProgram() {
  std::vector<std::string> arguments;
  for (const QString& argument : QApplication::arguments().mid(1)) {
    arguments.push_back(argument.toStdString());
  }
  return arguments;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace aloftra;
  QApplication application(argc, argv);
  qt::SetUpApplication(application);
  std::optional<qt::ProgramOptions> options = qt::ParseProgramArguments(ArgumentsAfterTheProgram());
  if (!options) {
    std::cerr << "usage: aloftra [--screenshots FOLDER] [LOGBOOK]\n";
    return 2;
  }

  PosixFileSystem fileSystem;
  qt::QtPlatform platform;
  App app(platform, fileSystem);
  qt::FormBinding binding;
  qt::BindProgram(binding, platform, app.AllForms(), [&app] { return app.Ended(); });
  bool screenshots = options->screenshotFolder.has_value();
  if (screenshots) {
    platform.SetInteractive(false);
    binding.SetShowWindows(false);
  }

  std::string programFolder = QDir::currentPath().toStdString();
  binding.Dispatch([&] { app.Start(options->commandLine, programFolder); });
  if (screenshots) {
    QString folder = QString::fromStdString(*options->screenshotFolder);
    return qt::RenderScreenshots(binding, app.AllForms(), folder) == 0 ? 0 : 1;
  }
  if (binding.QuitDone()) return 0;
  return application.exec();
}
