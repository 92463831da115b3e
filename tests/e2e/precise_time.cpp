// Preloaded into the sessions' speech daemon, whose log is the tests' record of what was said
// when. The daemon dates each line with time() and adds microseconds from gettimeofday(); glibc's
// time() reads the clock as of the last tick, so a line from the first milliseconds of a second
// was dated a whole second early. Here time() reads the clock that gettimeofday() reads.
#include <ctime>

extern "C" time_t time(time_t *seconds) noexcept
{
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    if (seconds)
        *seconds = now.tv_sec;
    return now.tv_sec;
}
