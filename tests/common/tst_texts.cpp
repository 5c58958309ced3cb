#include <QtTest>
#include "support/TestEnvironment.h"
class T : public QObject { Q_OBJECT };
PULSAR_TEST_MAIN_CORE(T)
#include "tst_texts.moc"
