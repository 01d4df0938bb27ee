#pragma once

// Modal message box with one OK button; returns once it has been confirmed.
// Shown through SDL where a display exists, otherwise written to standard
// error. With QUIRTAL_NO_MESSAGE_BOX set in the environment it is always
// written to standard error, so unattended runs never block.
void showMessageBox(const char* text, const char* caption);

// The box alone, where it can be shown (or to the installed hook); nothing
// on standard error. False when no box was shown.
bool showMessageBoxOnDisplay(const char* text, const char* caption);

// Tests install a hook that receives the text and caption instead of a box;
// nullptr restores the real box.
using MessageBoxHook = void (*)(const char* text, const char* caption);
void setMessageBoxHook(MessageBoxHook hook);
