#pragma once
// The crash flag "Running" in the program key: raised while the program runs and
// lowered by every orderly exit, so a start that finds it raised knows the last run
// did not end in order.
namespace store {

bool ReadRunningFlag();  // a missing flag reads as a clean exit
void WriteRunningFlag(bool running);

}  // namespace store
