// The File menu's document commands (New, Open, Save, Save As, Exit), the save question
// asked before a logbook with changes is left, loading and saving the logbook with their
// failure messages, and the caption that shows the document's name and unsaved changes.
#pragma once

#include <string>

namespace aloftra {

class App;

// Answers of the save question; kNothingToSave when the logbook had no changes.
enum class SaveAnswer { kNothingToSave = 0, kYes = 6, kNo = 7, kCancel = 2 };

class DocumentCommands {
 public:
  explicit DocumentCommands(App& app) : app_(app) {}

  void New();
  void Open();
  void Save();
  void SaveAs();
  void Exit();
  // True once Exit has been agreed to.
  bool Ended() const { return ended_; }

  // Asks whether to save a logbook with changes, and saves it on Yes.
  SaveAnswer SavePrompt();
  // Loads the document's file path into the (reset) logbook; reports failures.
  bool LoadLogbook();
  // Saves the logbook to the document's file path; reports failures.
  bool SaveLogbook();

  // "Aloftra - <name>", with "*" while the logbook has unsaved changes. Without force,
  // nothing happens unless the modified mark changes.
  void UpdateCaption(bool modified, bool force);
  // Save needs a file path; a new logbook has none.
  void SetSaveEnabled(bool enabled);

 private:
  void ShowLoadedLogbook();
  void RememberInSettings(const std::string& path);

  App& app_;
  bool ended_ = false;
};

}  // namespace aloftra
