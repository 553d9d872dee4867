#include <QtTest>
class Vuoto : public QObject { Q_OBJECT };
QTEST_MAIN(Vuoto)
#include "tst_applicazione.moc"
