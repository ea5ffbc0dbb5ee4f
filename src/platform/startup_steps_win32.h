#pragma once
// Marks a step of start-up for a debugger to time (the start-up benchmark
// traces the program this way); does nothing when no debugger listens.
namespace teko {

void MarkStartupStep(const wchar_t* step);

}  // namespace teko
