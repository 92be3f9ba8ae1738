// Marks between the steps of start-up, for the start-up benchmark's timed build of the launcher. The
// launcher itself is built without TR_STARTUP_STEPS, and then every mark is nothing at all.
#ifndef TUMBLERIDGE_STARTUPSTEPS_H
#define TUMBLERIDGE_STARTUPSTEPS_H

#ifdef TR_STARTUP_STEPS
// Records the performance counter as the end of the named step (a text that lives for the run).
void MarkStartupStep(const char* step);
#define STARTUP_STEP(step) MarkStartupStep(step)
#else
#define STARTUP_STEP(step) ((void)0)
#endif

#endif
