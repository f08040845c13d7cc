#include "QtTestMain.h"
#include "Application.h"

QUORVEL_QT_TEST_MAIN(Application)
