// Model values become Qt values: twips to pixels, colours, text with its line breaks and
// positions in it, keys and mouse buttons.
#include <gtest/gtest.h>

#include <QPalette>

#include "QStringPrinter.h"
#include "form/Control.h"
#include "qt/KeyRouting.h"
#include "qt/QtConvert.h"
#include "qt/TextPositions.h"

namespace aloftra::qt {
namespace {

TEST(QtConvertTest, ControlsThatMeetInTwipsMeetInPixels) {
  // 100 and 107 twips both round, and the edge both share lands on the same pixel.
  QRect left = ToPixelRect(Rect{0, 0, 1007, 300});
  QRect right = ToPixelRect(Rect{1007, 0, 500, 300});
  EXPECT_EQ(left.right() + 1, right.left());
  EXPECT_EQ(ToPixelRect(Rect{90, 150, 990, 330}), QRect(6, 10, 66, 22));
  EXPECT_EQ(ToPixels(7), 0);
  EXPECT_EQ(ToPixels(8), 1);
  EXPECT_DOUBLE_EQ(ToTwips(10), 150);
}

TEST(QtConvertTest, ColoursAreTakenAsTheyAreAndSystemColoursFromThePalette) {
  QPalette palette;
  palette.setColor(QPalette::Window, QColor(1, 2, 3));
  palette.setColor(QPalette::Base, QColor(4, 5, 6));
  palette.setColor(QPalette::Text, QColor(7, 8, 9));
  EXPECT_EQ(ToQColor(Rgb(255, 255, 192), palette), QColor(255, 255, 192));
  EXPECT_EQ(ToQColor(Rgb(12, 34, 56), palette), QColor(12, 34, 56));
  EXPECT_EQ(ToQColor(kButtonFace, palette), QColor(1, 2, 3));
  EXPECT_EQ(ToQColor(kWindowBackground, palette), QColor(4, 5, 6));
  EXPECT_EQ(ToQColor(kWindowText, palette), QColor(7, 8, 9));
}

TEST(QtConvertTest, LineBreaksBecomeLineFeedsAndComeBackAsCarriageReturnLineFeeds) {
  EXPECT_EQ(ToWidgetText("one\r\ntwo\rthree\nfour"), QStringLiteral("one\ntwo\nthree\nfour"));
  EXPECT_EQ(FromWidgetText(QStringLiteral("one\ntwo\n")), "one\r\ntwo\r\n");
  EXPECT_EQ(FromWidgetText(ToWidgetText("a\r\nb")), "a\r\nb");
  EXPECT_EQ(FromWidgetText(QStringLiteral("Zürich")), "Z\xC3\xBCrich");
}

TEST(QtConvertTest, FontsAreSizedInPixelsOnTheFormsScale) {
  QFont font = ToQFont(Font{8.25, true, false});
  EXPECT_EQ(font.pixelSize(), 11);
  EXPECT_TRUE(font.bold());
  EXPECT_EQ(ToQFont(Font{12, false, true}).pixelSize(), 16);
}

TEST(TextPositionsTest, LineBreaksCountTwiceInTheFormAndOnceInTheEditor) {
  std::string text = "ab\r\ncd";
  struct Case {
    int model;
    int widget;
  };
  for (Case c : {Case{0, 0}, Case{2, 2}, Case{4, 3}, Case{6, 5}}) {
    EXPECT_EQ(WidgetPosition(text, c.model), c.widget) << c.model;
    EXPECT_EQ(ModelPosition(text, c.widget), c.model) << c.widget;
  }
  // Inside the line break the position stays before it.
  EXPECT_EQ(WidgetPosition(text, 3), 2);
}

TEST(TextPositionsTest, CharactersBeyondTheBasicPlaneAreTwoUnitsInTheEditor) {
  std::string text =
      "a\xF0\x9F\xAA\x82"
      "b";  // a, a parachute, b
  EXPECT_EQ(WidgetPosition(text, 2), 3);
  EXPECT_EQ(ModelPosition(text, 3), 2);
  EXPECT_EQ(WidgetPosition("\xC3\xA9t\xC3\xA9", 2), 2);
}

TEST(TextPositionsTest, PositionsOutsideTheTextStopAtItsEnds) {
  EXPECT_EQ(WidgetPosition("abc", 10), 3);
  EXPECT_EQ(WidgetPosition("abc", -1), 0);
  EXPECT_EQ(ModelPosition("abc", 99), 3);
}

TEST(KeyRoutingTest, KeyPressesCarryTheCharacterTyped) {
  struct Case {
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    std::optional<int> expected;
  };
  const Case cases[] = {
      {Qt::Key_A, Qt::NoModifier, QStringLiteral("a"), 'a'},
      {Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"), 'A'},
      {Qt::Key_D, Qt::ControlModifier, QString(), 4},
      {Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier, QStringLiteral("\x04"), 4},
      {Qt::Key_Z, Qt::ControlModifier, QString(), 26},
      {Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), 13},
      {Qt::Key_Enter, Qt::KeypadModifier, QStringLiteral("\r"), 13},
      {Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"), 27},
      {Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"), 8},
      {Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), 32},
      {Qt::Key_unknown, Qt::NoModifier, QStringLiteral("é"), 0xE9},
      {Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"), std::nullopt},
      {Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"), std::nullopt},
      {Qt::Key_Left, Qt::NoModifier, QString(), std::nullopt},
      {Qt::Key_F3, Qt::NoModifier, QString(), std::nullopt},
      {Qt::Key_S, Qt::AltModifier, QStringLiteral("s"), std::nullopt},
      {Qt::Key_1, Qt::ControlModifier, QStringLiteral("1"), std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(KeyAsciiFor(c.key, c.modifiers, c.text), c.expected) << c.key;
  }
}

// Alt with a character is a command to the window (a menu's access key) that no editor may
// type; Ctrl+Alt types on some keyboards and keys without a character are no commands.
TEST(KeyRoutingTest, AltWithACharacterIsACommandNotTyping) {
  struct Case {
    Qt::KeyboardModifiers modifiers;
    const char* text;
    bool command;
  };
  const Case cases[] = {
      {Qt::AltModifier, "f", true},    {Qt::AltModifier | Qt::ShiftModifier, "F", true},
      {Qt::AltModifier, "7", true},    {Qt::AltModifier | Qt::ControlModifier, "@", false},
      {Qt::AltModifier, "", false},    {Qt::NoModifier, "f", false},
      {Qt::ShiftModifier, "F", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsAltCommand(c.modifiers, QString::fromLatin1(c.text)), c.command)
        << c.text << " " << c.modifiers.toInt();
  }
}

TEST(KeyRoutingTest, KeyDownsCarryTheFormsKeyCodes) {
  EXPECT_EQ(KeyCodeFor(Qt::Key_A), 65);
  EXPECT_EQ(KeyCodeFor(Qt::Key_7), 55);
  EXPECT_EQ(KeyCodeFor(Qt::Key_F1), 112);
  EXPECT_EQ(KeyCodeFor(Qt::Key_F4), 115);
  EXPECT_EQ(KeyCodeFor(Qt::Key_Left), 37);
  EXPECT_EQ(KeyCodeFor(Qt::Key_Down), 40);
  EXPECT_EQ(KeyCodeFor(Qt::Key_Delete), 46);
  EXPECT_EQ(KeyCodeFor(Qt::Key_Return), 13);
  EXPECT_EQ(KeyCodeFor(Qt::Key_Escape), 27);
  EXPECT_EQ(KeyCodeFor(Qt::Key_Eacute), 0);
}

TEST(KeyRoutingTest, ShiftStatesAndMouseButtonsAreSumsOfTheirFlags) {
  EXPECT_EQ(ShiftStateFor(Qt::NoModifier), 0);
  EXPECT_EQ(ShiftStateFor(Qt::ShiftModifier | Qt::AltModifier), 5);
  EXPECT_EQ(ShiftStateFor(Qt::ControlModifier | Qt::KeypadModifier), 2);
  EXPECT_EQ(MouseButtonsFor(Qt::LeftButton), 1);
  EXPECT_EQ(MouseButtonsFor(Qt::RightButton), 2);
  EXPECT_EQ(MouseButtonsFor(Qt::MiddleButton), 4);
  EXPECT_EQ(MouseButtonsFor(Qt::LeftButton | Qt::RightButton), 3);
  EXPECT_EQ(MouseButtonsFor(Qt::BackButton), 0);
}

}  // namespace
}  // namespace aloftra::qt
