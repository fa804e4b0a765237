#pragma once
// SIGTERM and SIGINT end a window program the way its close box does: the
// signal handler only writes a byte into a pipe, and the event loop, woken by
// that pipe, closes the window. The program then returns normally with status
// 0 and gives up its window-title claim. This is how a parent program or a
// test asks a tool to close.

// Call first thing in main(): a signal that arrives before the event loop
// runs stays in the pipe and is served once it does. Returns the pipe's read
// end to watch, or -1 when no pipe could be made (the signals then keep their
// default action and end the process).
int CatchTerminationSignals();

// Empties the pipe after it woke the event loop.
void DrainTerminationSignals(int descriptor);
