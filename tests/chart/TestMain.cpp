#include "QtTestMain.h"

QUORVEL_QT_TEST_MAIN(QApplication)
