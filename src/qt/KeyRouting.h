// What the forms see of the keyboard and the mouse: the character codes of key presses
// (control characters included, so Ctrl+D arrives as 4), the key codes of key downs, the
// shift state and the mouse buttons, as numbers the pages compare against.
#pragma once

#include <QList>
#include <QString>
#include <Qt>
#include <optional>

namespace aloftra::qt {

// The character a key press types, or nullopt for keys that type none (arrows, function
// keys, Tab, Delete, the modifiers themselves).
std::optional<int> KeyAsciiFor(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text);

// Whether a key press is Alt with a character: a command to the window (a menu's access
// key) that no editor may type. Ctrl with Alt is left alone, as some keyboards type with it.
bool IsAltCommand(Qt::KeyboardModifiers modifiers, const QString& text);

// The key code of a key down (the letters' and digits' own codes, 112 for F1, 37 to 40 for
// the arrows, ...), or 0 for keys the forms do not know.
int KeyCodeFor(int qtKey);

// Shift 1, Ctrl 2, Alt 4.
int ShiftStateFor(Qt::KeyboardModifiers modifiers);

// Left 1, right 2, middle 4; the sum for several buttons held at once.
int MouseButtonsFor(Qt::MouseButtons buttons);

}  // namespace aloftra::qt
