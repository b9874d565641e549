#pragma once

namespace ohmcalc {

// Start-up phase timing for the benchmark build (OHMCALC_STARTUP_MARKS=ON);
// in every other build these are nothing. StartupMark adds the time since
// the previous mark to `phase`; StartupMarksWrite appends the phases, and
// the time from process creation, to the file named by the environment
// variable OHMCALC_STARTUP_MARKS. StartupMarksWriteWhenIdle marks `phase`
// and writes once the thread's message queue is first empty.
#ifdef OHMCALC_STARTUP_MARKS
void StartupMark(const char* phase);
void StartupMarksWrite();
void StartupMarksWriteWhenIdle(const char* phase);
#else
inline void StartupMark(const char*) {}
inline void StartupMarksWrite() {}
inline void StartupMarksWriteWhenIdle(const char*) {}
#endif

}  // namespace ohmcalc
