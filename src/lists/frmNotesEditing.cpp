// New, Enter, Delete and choosing a topic from the list: the ways the notes page changes
// the logbook or leaves the topic it shows.
#include <string>

#include "core/Logbook.h"
#include "core/NameOrder.h"
#include "form/Platform.h"
#include "lists/frmNotes.h"

namespace aloftra {

namespace {

// The first live slot holding exactly this name, or -1.
int FirstTopicNamed(const Logbook& book, const std::string& name) {
  for (int i = 0; i < book.topics.SlotCount(); ++i) {
    if (!book.topics[i].IsFree() && book.topics[i].TOPIC == name) return i;
  }
  return -1;
}

}  // namespace

void frmNotes::NewTopic_Click() {
  if (State == EditState::kModified && !SaveBeforeLeaving()) return;
  State = EditState::kFilling;
  Topic.SetListIndex(-1);
  Topic.SetText("");
  GeneralNotes.SetText("");
  typedTopic_.clear();
  SetFocus(Topic);
  State = EditState::kNew;
  NotesColor(true);
}

void frmNotes::Topic_Click() {
  if (State == EditState::kFilling) return;
  const int chosen = Topic.ListIndex();
  if (chosen < 0) return;
  // Found before any save: entering the pending topic never moves another topic's slot.
  const int slot = FirstTopicNamed(host_.Book(), Topic.List(chosen));
  if ((State == EditState::kModified || State == EditState::kNew) && !SaveBeforeLeaving()) return;
  if (slot >= 0) ShowTopic(slot);
  SetFocus(NewTopic);
}

bool frmNotes::SaveBeforeLeaving() {
  std::string question = "Do you want to save the new topic?";
  if (State == EditState::kModified) {
    const NoteTopic* stored = host_.Book().topics.Live(host_.Book().doc.currentTopic);
    const std::string name = stored != nullptr ? stored->TOPIC : typedTopic_;
    question = "Do you want to save the changes to the '" + name + "' topic?";
  }
  const MsgBoxAnswer answer = host_.GetPlatform().MsgBox(question, MsgBoxButtons::kYesNo,
                                                         MsgBoxIcon::kNone, "Save Changes");
  if (answer != MsgBoxAnswer::kYes) return true;
  // The name goes back into the box as typed, so Enter stores what the pilot meant, and a
  // refusal leaves the page with everything typed.
  ShowTypedTopic();
  return EnterTopic();
}

void frmNotes::Enter_Click() {
  EnterTopic();
}

bool frmNotes::TopicRefused(const std::string& name) {
  if (IsBlankName(name)) {
    ShowMessage("The topic cannot be blank.");
    SetFocus(Topic);
    return true;
  }
  const Logbook& book = host_.Book();
  for (int i = 0; i < book.topics.SlotCount(); ++i) {
    const NoteTopic& topic = book.topics[i];
    if (topic.IsFree()) continue;
    // A topic renamed may keep its own name in another letter case.
    if (State == EditState::kModified && i == book.doc.currentTopic) continue;
    if (NameIsTaken(name, topic.TOPIC)) {
      ShowMessage("The topic '" + name + "' has already been used.");
      SetFocus(Topic);
      return true;
    }
  }
  return false;
}

bool frmNotes::EnterTopic() {
  if (State != EditState::kModified && State != EditState::kNew) return false;
  if (TopicRefused(Topic.Text())) return false;
  const std::string name = NameAsStored(Topic.Text());

  Logbook& book = host_.Book();
  int slot = book.doc.currentTopic;
  std::string previous;
  if (State == EditState::kNew) {
    slot = book.topics.TakeSlotForNewEntry();
    if (slot < 0) {
      ShowMessage("The topic list is full.");
      return false;
    }
  } else {
    if (!book.topics.IsLive(slot)) return false;
    previous = book.topics[slot].TOPIC;
  }
  book.topics[slot] = NoteTopic{name, GeneralNotes.Text()};
  book.doc.currentTopic = slot;

  State = EditState::kFilling;
  if (!previous.empty()) Topic.RemoveItem(Topic.FindItem(previous));
  Topic.SetListIndex(Topic.AddItem(name));
  typedTopic_ = name;
  State = EditState::kClean;
  NotesColor(false);
  host_.UpdateCaption(true, false);
  return true;
}

void frmNotes::Delete_Click() {
  Logbook& book = host_.Book();
  if (Topic.ListCount() == 0) {
    ShowMessage("There are no topics to delete.");
    return;
  }
  if (State == EditState::kNew) {
    ShowMessage("The current topic has not yet been entered and cannot be deleted.");
    return;
  }
  const int slot = book.doc.currentTopic;
  if (!book.topics.IsLive(slot)) return;
  const std::string name = book.topics[slot].TOPIC;
  if (host_.GetPlatform().MsgBox("Are you sure you want delete the '" + name + "' topic?",
                                 MsgBoxButtons::kYesNo, MsgBoxIcon::kNone,
                                 "Confirm Delete") != MsgBoxAnswer::kYes) {
    SetFocus(NewTopic);
    return;
  }

  State = EditState::kFilling;
  Topic.RemoveItem(Topic.FindItem(name));
  book.topics[slot] = NoteTopic{};
  // The deleted topic's unentered edits went with it: nothing is left to ask about.
  State = EditState::kClean;
  if (Topic.ListCount() == 0) {
    book.doc.currentTopic = -1;
    book.topics.TrimFreeTail();
    NewTopic_Click();
  } else {
    ShowTopic(FirstTopicNamed(book, Topic.List(0)));
    SetFocus(NewTopic);
    book.topics.TrimFreeTail();
  }
  host_.UpdateCaption(true, false);
}

}  // namespace aloftra
