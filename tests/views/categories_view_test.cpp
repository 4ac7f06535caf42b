#include <QtTest>

class Placeholder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void builds() {}
};

QTEST_MAIN(Placeholder)
#include "categories_view_test.moc"
