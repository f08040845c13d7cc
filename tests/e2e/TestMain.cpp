#include "ApplicationTestMain.h"

// The printer errors of these steps are thrown through Qt's event delivery, whose frames were
// built without exception support, so a few small Qt allocations per reported error stay behind;
// the leak checker of sanitizer builds is told so here. Without a sanitizer nothing calls this.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:QArrayData::allocate\n"
           "leak:QtSharedPointer::ExternalRefCountData::getAndRef\n"
           "leak:QMutableEventPoint::detach\n"
           "leak:QEventPoint::QEventPoint\n";
}

// The program's application object (with its font), so the window prints as the program does.
QUORVEL_APPLICATION_TEST_MAIN()
