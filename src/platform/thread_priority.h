#pragma once

// Lets the calling thread give way to the others of the process (a nice
// value of 10 for this thread alone), so background loading does not slow
// the frames being drawn meanwhile. Does nothing where it is not allowed.
void yieldToOtherThreads();
