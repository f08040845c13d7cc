#include "ApplicationTestMain.h"

// An error thrown through Qt's own event delivery skips the clean-up of Qt's frames, which were
// built without exception support, so a few small Qt allocations per reported error stay behind:
// the copies of the mouse event that QApplication::notify was delivering, and the accessibility
// interfaces of the widgets in those frames. That is the price of reporting errors that escape
// handlers; the leak checker of sanitizer builds is told so here, and only for these two Qt
// constructors. Qt's libraries keep no frame pointers, so telling them apart needs the slow,
// complete unwinding of every allocation, in this test program only. Without a sanitizer nothing
// calls these.
extern "C" const char* __asan_default_options() { return "fast_unwind_on_malloc=0"; }

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:QSinglePointEvent::QSinglePointEvent\n"
           "leak:QAccessibleObject::QAccessibleObject\n";
}

QUORVEL_APPLICATION_TEST_MAIN()
