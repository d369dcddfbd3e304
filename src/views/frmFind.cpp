#include "views/frmFind.h"

#include "core/Logbook.h"
#include "form/Platform.h"
#include "pagekit/FlightPage.h"
#include "views/FilterSettings.h"
#include "views/RemarksSearch.h"

namespace aloftra {

namespace {

constexpr int kSearchWhatCount = 3;

}  // namespace

frmFind::frmFind(PageHost& host)
    : Dialog(host, DialogId::kFind, "frmFind", "Find", 5460, 3150),
      Prompt(*this, "Prompt"),
      TextLabel(*this, "TextLabel"),
      SearchText(*this, "SearchText"),
      SearchWhatFrame(*this, "SearchWhatFrame"),
      SearchWhat(*this, "SearchWhat", kSearchWhatCount),
      MatchCase(*this, "MatchCase"),
      FindNext(*this, "FindNext"),
      Cancel(*this, "Cancel") {
  BuildLayout();
  onLoad = [this] { Form_Load(); };
  SearchText.onChange = [this] { SearchText_Change(); };
  for (int i = 0; i < kSearchWhatCount; ++i) {
    SearchWhat[i].onClick = [this, i] { SearchWhat_Click(i); };
  }
  FindNext.onClick = [this] { FindNext_Click(); };
  Cancel.onClick = [this] { Cancel_Click(); };
}

void frmFind::BuildLayout() {
  Prompt.SetCaption("Search the Remarks field for the specified text.");
  Prompt.Move(120, 120, 5100, 255);
  TextLabel.SetCaption("Text:");
  TextLabel.Move(120, 525, 600, 255);
  SearchText.Move(720, 480, 3060, 315);
  SearchText.SetTabIndex(0);

  SearchWhatFrame.SetCaption("Search What");
  SearchWhatFrame.Move(120, 960, 2760, 1305);
  const char* captions[kSearchWhatCount] = {"Hang Glider Flights", "Paraglider Flights",
                                            "Non-Flying Entries"};
  for (int i = 0; i < kSearchWhatCount; ++i) {
    SearchWhat[i].SetCaption(captions[i]);
    SearchWhat[i].Move(240, 1230 + 315 * i, 2520, 255);
    SearchWhat[i].SetContainer(&SearchWhatFrame);
    SearchWhat[i].SetTabIndex(1 + i);
  }
  MatchCase.SetCaption("Match Case");
  MatchCase.Move(120, 2400, 2040, 255);
  MatchCase.SetTabIndex(4);

  FindNext.SetCaption("Find Next");
  FindNext.Move(3960, 480, 1260, 375);
  FindNext.SetDefault(true);
  FindNext.SetTabIndex(5);
  Cancel.SetCaption("Cancel");
  Cancel.Move(3960, 960, 1260, 375);
  Cancel.SetCancel(true);
  Cancel.SetTabIndex(6);
}

void frmFind::Form_Load() {
  for (int i = 0; i < kSearchWhatCount; ++i) {
    SearchWhat[i].SetChecked(Settings.SearchFlags[i] != 0);
  }
  MatchCase.SetChecked(Settings.SearchFlags[kFindMatchCase] != 0);
  // Showing the last search text is no edit of it: the next search still resumes.
  const std::int16_t resume = Settings.ResumePosition;
  SearchText.SetText(Settings.SearchString);
  Settings.ResumePosition = resume;
  FindNext.SetEnabled(!SearchText.Text().empty());
  SetFocus(SearchText);
}

void frmFind::SearchText_Change() {
  FindNext.SetEnabled(!SearchText.Text().empty());
  Settings.ResumePosition = 0;
}

void frmFind::SearchWhat_Click(int Index) {
  for (int i = 0; i < kSearchWhatCount; ++i) {
    if (SearchWhat[i].Checked()) return;
  }
  // At least one kind of entry is always searched.
  SearchWhat[Index].SetChecked(true);
}

void frmFind::FindNext_Click() {
  for (int i = 0; i < kSearchWhatCount; ++i) {
    Settings.SearchFlags[i] = SearchWhat[i].Checked() ? 1 : 0;
  }
  Settings.SearchFlags[kFindMatchCase] = MatchCase.Checked() ? 1 : 0;
  Settings.SearchString = SearchText.Text();
  FindTextString(*this);
}

void frmFind::Cancel_Click() {
  Close();
}

void frmFind::FindTextString(Form& over) {
  if (host_.Filter().On()) host_.FilterOff();
  if (Settings.SearchString.empty()) {
    if (!Visible()) host_.OpenDialog(DialogId::kFind, over);
    return;
  }
  Platform& platform = host_.GetPlatform();
  const Logbook& book = host_.Book();
  if (book.LastPosition() < 0) {
    platform.MsgBox("There are no Aloftra entries to search.", MsgBoxButtons::kOk,
                    MsgBoxIcon::kNone, kProgramTitle);
    return;
  }
  std::optional<RemarksMatch> match = FindNextRemark(book, Settings);
  if (!match) {
    platform.MsgBox("The search text was not found.", MsgBoxButtons::kOk, MsgBoxIcon::kExclamation,
                    kProgramTitle);
    return;
  }
  // Closing first gives the flight page back its keyboard, so the remarks can take the focus.
  if (Visible()) Close();
  host_.Flights().ShowFlight(match->flightIndex);
  host_.Flights().SelectInRemarks(match->selection.start, match->selection.length);
}

}  // namespace aloftra
