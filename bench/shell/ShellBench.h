#pragma once
// What the window benchmarks of teile share: the largest database, made once
// per run, and the program started on it offscreen.

#include <memory>

class TeileProgram;
class TemporaryDatabase;

const TemporaryDatabase& Database();
// Processes the events a measured step caused, the repaint of the list included.
void Settle();
std::unique_ptr<TeileProgram> StartedProgram();
