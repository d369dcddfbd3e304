// The questions asked before an edited or new glider is left, and each answer. Nothing
// typed is lost unless the pilot answers No: a Yes that Enter refuses keeps the page on the
// glider being edited, as typed.
#include <gtest/gtest.h>

#include "GliderPageFixture.h"

namespace aloftra::test {
namespace {

using Strings = std::vector<std::string>;

class GliderSaveQuestionsTest : public GliderPageTest {
 protected:
  void Restart() {
    app = std::make_unique<App>(platform, files);
    OpenOnStart("Gliders.log", GlidersAndSites());
    platform.ClearMessages();
  }
  // Mentor edited (its name typed as given), or a new glider typed with that name.
  void StartEditing(bool asNew, const std::string& name) {
    if (asNew) Page().NewGlider.Click();
    Page().GliderName.SetText(name);
    Page().Model.SetText("edited");
  }
};

TEST_F(GliderSaveQuestionsTest, ChoosingAnotherGliderAsksAboutTheOneBeingEdited) {
  const auto yes = MsgBoxAnswer::kYes;
  const auto no = MsgBoxAnswer::kNo;
  struct Case {
    bool asNew;
    std::string typed;
    MsgBoxAnswer answer;
    std::string refusal;  // what Enter says when it refuses the Yes
  };
  for (const Case& c : std::vector<Case>{
           {false, "Mentor", yes, ""},
           {false, "Mentor X", yes, ""},  // the typed rename is what is saved
           {false, "Mentor X", no, ""},
           {false, "falcon", yes, "The glider name 'falcon' has already been used."},
           {true, "Gamma", yes, ""},
           {true, "Gamma", no, ""},
           {true, "", yes, "The glider name cannot be blank."},
           {true, "MENTOR", yes, "The glider name 'MENTOR' has already been used."},
       }) {
    SCOPED_TRACE((c.asNew ? "new " : "edited ") + c.typed);
    Restart();
    StartEditing(c.asNew, c.typed);
    const EditState editing = Page().State;
    platform.QueueAnswer(c.answer);
    Choose("Falcon");

    const std::string question = c.asNew
                                     ? "Do you want to save the new glider?"
                                     : "Do you want to save the changes to the 'Mentor' glider?";
    ASSERT_FALSE(platform.Messages().empty());
    EXPECT_EQ(platform.Messages()[0].prompt, question);
    EXPECT_EQ(platform.Messages()[0].title, "Save Changes");
    if (!c.refusal.empty()) {
      EXPECT_EQ(platform.Prompts(), (Strings{question, c.refusal}));
      EXPECT_EQ(Page().State, editing);
      EXPECT_EQ(Page().GliderName.Text(), c.typed);
      EXPECT_EQ(Page().Model.Text(), "edited");
      EXPECT_EQ(Page().Model.ForeColor(), kRed);
      EXPECT_EQ(Book().doc.currentGlider, 1);
      EXPECT_EQ(Glider(1).MODEL, "");
      EXPECT_EQ(Book().gliders.SlotCount(), 2);
      continue;
    }
    EXPECT_EQ(platform.Prompts(), Strings{question});
    EXPECT_EQ(Page().GliderName.Text(), "Falcon");
    EXPECT_EQ(Book().doc.currentGlider, 0);
    EXPECT_EQ(Page().State, EditState::kClean);
    EXPECT_EQ(Page().Model.ForeColor(), kBlack);
    const int saved = c.asNew ? 2 : 1;
    if (c.answer == yes) {
      ASSERT_EQ(Book().gliders.SlotCount(), c.asNew ? 3 : 2);
      EXPECT_EQ(Glider(saved).GLIDER_NAME, c.typed);
      EXPECT_EQ(Glider(saved).MODEL, "edited");
      EXPECT_GE(FlightPage().GliderName.FindItem(c.typed), 0);
    } else {
      EXPECT_EQ(Book().gliders.SlotCount(), 2);
      EXPECT_EQ(Glider(1).GLIDER_NAME, "Mentor");
      EXPECT_EQ(Glider(1).MODEL, "");
    }
  }
}

TEST_F(GliderSaveQuestionsTest, NewAsksAboutAnEditedGliderAndStaysWhenEnterRefuses) {
  struct Case {
    MsgBoxAnswer answer;
    std::string color;
    std::string storedModel;
    EditState after;
  };
  for (const Case& c : std::vector<Case>{
           {MsgBoxAnswer::kYes, "blue", "edited", EditState::kNew},
           {MsgBoxAnswer::kNo, "blue", "", EditState::kNew},
           {MsgBoxAnswer::kYes, "-1", "", EditState::kModified},
       }) {
    SCOPED_TRACE(c.color + c.storedModel);
    Restart();
    StartEditing(false, "Mentor");
    Page().GliderColor.SetText(c.color);
    platform.QueueAnswer(c.answer);
    Page().NewGlider.Click();
    EXPECT_EQ(platform.Messages()[0].prompt,
              "Do you want to save the changes to the 'Mentor' glider info?");
    EXPECT_EQ(Glider(1).MODEL, c.storedModel);
    EXPECT_EQ(Page().State, c.after);
    EXPECT_EQ(Page().Model.Text(), c.after == EditState::kNew ? "" : "edited");
  }
}

}  // namespace
}  // namespace aloftra::test
