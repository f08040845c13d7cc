#include "AccessibleWidgets.h"
#include "ApplicationTestMain.h"

QUORVEL_APPLICATION_TEST_MAIN(installAccessibleWidgets())
