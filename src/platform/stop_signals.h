#pragma once

// Ctrl+C and SIGTERM: the handlers only note the signal; the main loop asks
// for it once per idle pass and ends the program there, where it is safe to
// close the audio device. A second signal before that ends it at once.
void watchStopSignals();

// The signal noted since watchStopSignals, or 0.
int pendingStopSignal();

// Restores the default action of the signal and raises it again, so the
// process ends the way the shell expects of that signal (status 128 + n).
[[noreturn]] void endBySignal(int signalNumber);
