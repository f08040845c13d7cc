#include "QtTestMain.h"
#include "TApplication.h"

// An error thrown through Qt's own event delivery skips the clean-up of Qt's frames, which were
// built without exception support, so a few small Qt allocations per reported error stay behind.
// That is the price of reporting errors that escape handlers; the leak checker of sanitizer
// builds is told so here. Without a sanitizer nothing calls this.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:QArrayData::allocate\n"
           "leak:QtSharedPointer::ExternalRefCountData::getAndRef\n"
           "leak:QMutableEventPoint::detach\n"
           "leak:QEventPoint::QEventPoint\n";
}

QUORVEL_QT_TEST_MAIN(TApplication)
