#include "QtTestMain.h"
#include "TApplication.h"

QUORVEL_QT_TEST_MAIN(TApplication)
