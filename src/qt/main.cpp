// The aloftra program: the forms of the application on the desktop.
#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <iostream>

#include "core/PosixFileSystem.h"
#include "qt/ApplicationSetup.h"
#include "qt/FormBinding.h"
#include "qt/ProgramOptions.h"
#include "qt/QtPlatform.h"
#include "qt/Session.h"
#include "shell/App.h"

namespace {

// Where the program keeps its start-up settings (the logbook used last, window places): the
// desktop's configuration folder, ~/.config/Aloftra, so a program started from the menu does
// not write into whatever folder it was started in; the current folder when that cannot be
// made.
std::string SettingsFolder() {
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (!config.isEmpty()) {
    const QString folder = config + QStringLiteral("/Aloftra");
    if (QDir().mkpath(folder)) return folder.toStdString();
  }
  return QDir::currentPath().toStdString();
}

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
  if (std::optional<std::string> information =
          qt::InformationRequested(std::vector<std::string>(argv + 1, argv + argc))) {
    std::cout << *information;
    return 0;
  }
  QApplication application(argc, argv);
  qt::SetUpApplication(application);
  std::optional<qt::ProgramOptions> options = qt::ParseProgramArguments(ArgumentsAfterTheProgram());
  if (!options) {
    std::cerr << "usage: aloftra [--screenshots FOLDER] [LOGBOOK]  (aloftra --help)\n";
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

  std::string programFolder = SettingsFolder();
  binding.Dispatch([&] { app.Start(options->commandLine, programFolder); });
  if (screenshots) {
    QString folder = QString::fromStdString(*options->screenshotFolder);
    return qt::RenderScreenshots(binding, app.AllForms(), folder) == 0 ? 0 : 1;
  }
  if (binding.QuitDone()) return 0;
  return application.exec();
}
