// The notes page: free-form notes under unique topics. The page shows one topic at a time;
// its name and text are written into the logbook only when the pilot presses Enter.
#pragma once

#include <string>

#include "form/ComboBox.h"
#include "form/Label.h"
#include "form/TextBox.h"
#include "pagekit/EditState.h"
#include "pagekit/Page.h"

namespace aloftra {

class frmNotes : public Page {
 public:
  explicit frmNotes(PageHost& host);

  aloftra::Label TopicLabel;
  aloftra::Label NotesLabel;
  ComboBox Topic;
  TextBox GeneralNotes;
  CommandButton NewTopic;
  CommandButton Enter;
  CommandButton Delete;

  EditState State = EditState::kClean;

  // An empty logbook opens on a blank new topic; a loaded one on its current topic.
  void OnLogbookReset() override;
  void OnLogbookLoaded() override;

  void Topic_Change();
  void GeneralNotes_Change();
  void Topic_Click();
  void NewTopic_Click();
  void Enter_Click();
  void Delete_Click();
  // Shows the logbook's current topic as stored.
  void NotesDisplayEntry();
  // Red while the page holds text not yet entered, black otherwise.
  void NotesColor(bool changed);

 private:
  void BuildLayout();
  void SetTabOrder();
  // Enter's work; false when the topic was refused (the page then stays as it was).
  bool EnterTopic();
  bool TopicRefused(const std::string& name);
  // Asks whether to save the unentered topic; true when the page may go on to another one
  // (saved, or the pilot said No), false when the save was refused and the page stays.
  bool SaveBeforeLeaving();
  // Puts the name as the pilot typed it back into the box, no entry of the list selected.
  void ShowTypedTopic();
  // Shows a topic slot and makes it the current one.
  void ShowTopic(int slot);
  void ShowMessage(const std::string& text);

  // The topic name as the pilot last typed it: choosing from the list replaces the box's
  // text before the click handler runs, and a pending topic must not lose its name.
  std::string typedTopic_;
};

}  // namespace aloftra
