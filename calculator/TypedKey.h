#pragma once

#include <QChar>

#include <optional>

class QKeyEvent;

// A chord with Ctrl, Alt or Meta: a command, never a key typed into a field.
bool isCommandChord(const QKeyEvent *event);

// The character a typed key stands for: its text, or a control character for an editing key
// (Backspace 8, Tab 9, Return 13, Enter 3, Escape 27, the arrows 28 to 31, Delete 127), the
// point for the keypad's decimal key. Keys with neither (a lone Shift, Home, a function key)
// stand for none.
std::optional<QChar> typedCharacter(const QKeyEvent *event);
