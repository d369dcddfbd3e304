// The notes page's controls, what the program tells it, and showing a topic.
#include "lists/frmNotes.h"

#include <vector>

#include "core/Logbook.h"
#include "form/Platform.h"

namespace aloftra {

frmNotes::frmNotes(PageHost& host)
    : Page(host, PageId::kNotes, "frmNotes"),
      TopicLabel(*this, "TopicLabel"),
      NotesLabel(*this, "NotesLabel"),
      Topic(*this, "Topic"),
      GeneralNotes(*this, "GeneralNotes"),
      NewTopic(*this, "NewTopic"),
      Enter(*this, "Enter"),
      Delete(*this, "Delete") {
  BuildLayout();
  SetTabOrder();
  Topic.onChange = [this] { Topic_Change(); };
  Topic.onClick = [this] { Topic_Click(); };
  GeneralNotes.onChange = [this] { GeneralNotes_Change(); };
  NewTopic.onClick = [this] { NewTopic_Click(); };
  Enter.onClick = [this] { Enter_Click(); };
  Delete.onClick = [this] { Delete_Click(); };
}

void frmNotes::BuildLayout() {
  TopicLabel.SetCaption("Topic:");
  TopicLabel.Move(90, 600, 1200, 240);
  Topic.SetComboStyle(ComboBox::Style::kDropDownCombo);
  Topic.SetSorted(true);
  Topic.Move(90, 840, 7470, 315);
  NotesLabel.SetCaption("Notes:");
  NotesLabel.Move(90, 1290, 1200, 240);
  GeneralNotes.SetMultiLine(true);
  GeneralNotes.Move(90, 1530, 7470, 4080);

  NewTopic.SetCaption("New");
  NewTopic.Move(3780, 5760, 1080, 375);
  Enter.SetCaption("Enter");
  Enter.Move(5010, 5760, 1080, 375);
  Delete.SetCaption("Delete");
  Delete.Move(6240, 5760, 1080, 375);
}

void frmNotes::SetTabOrder() {
  // The topic, its text, then the buttons below them; the page buttons come last.
  int order = 0;
  for (Control* control :
       std::initializer_list<Control*>{&Topic, &GeneralNotes, &NewTopic, &Enter, &Delete}) {
    control->SetTabIndex(order++);
  }
  for (Control* control : Controls()) {
    if (control->Kind() == ControlKind::kCommandButton && control->Name().rfind("Goto", 0) == 0) {
      control->SetTabIndex(order++);
    }
  }
}

void frmNotes::OnLogbookReset() {
  State = EditState::kFilling;
  Topic.Clear();
  NewTopic_Click();
}

void frmNotes::OnLogbookLoaded() {
  const Logbook& book = host_.Book();
  std::vector<ListItem> names;
  for (const NoteTopic& topic : book.topics) {
    if (!topic.IsFree()) names.push_back({topic.TOPIC});
  }
  const EditState saved = State;
  State = EditState::kFilling;
  Topic.SetItems(std::move(names));
  State = saved;
  if (book.topics.IsLive(book.doc.currentTopic)) {
    NotesDisplayEntry();
  } else {
    // A logbook without topics opens on a blank new one, as a new logbook does.
    State = EditState::kFilling;
    NewTopic_Click();
  }
}

void frmNotes::Topic_Change() {
  typedTopic_ = Topic.Text();
  if (State != EditState::kClean) return;
  State = EditState::kModified;
  NotesColor(true);
}

void frmNotes::GeneralNotes_Change() {
  if (State != EditState::kClean) return;
  State = EditState::kModified;
  NotesColor(true);
}

void frmNotes::NotesDisplayEntry() {
  const Logbook& book = host_.Book();
  const NoteTopic* stored = book.topics.Live(book.doc.currentTopic);
  if (stored == nullptr) return;
  const NoteTopic topic = *stored;
  State = EditState::kFilling;
  // Selecting the entry shows its name; the text is set as well in case the list lacks it.
  Topic.SetListIndex(Topic.FindItem(topic.TOPIC));
  Topic.SetText(topic.TOPIC);
  GeneralNotes.SetText(topic.NOTE_TEXT);
  typedTopic_ = topic.TOPIC;
  State = EditState::kClean;
  NotesColor(false);
}

void frmNotes::ShowTopic(int slot) {
  host_.Book().doc.currentTopic = slot;
  NotesDisplayEntry();
}

void frmNotes::ShowTypedTopic() {
  const EditState saved = State;
  const std::string typed = typedTopic_;
  State = EditState::kFilling;
  Topic.SetListIndex(-1);
  Topic.SetText(typed);
  State = saved;
}

void frmNotes::NotesColor(bool changed) {
  const Color color = changed ? kRed : kBlack;
  Topic.SetForeColor(color);
  GeneralNotes.SetForeColor(color);
}

void frmNotes::ShowMessage(const std::string& text) {
  host_.GetPlatform().Message(text);
}

}  // namespace aloftra
