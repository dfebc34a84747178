#pragma once

// Times the launcher's start-up beside a minimal dialog program's, and
// reports the executable's size and the launcher's private memory.
void RunStartupBenchmark();
