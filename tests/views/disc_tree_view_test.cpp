#include <QtTest>

class Placeholder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void builds() {}
};

QTEST_MAIN(Placeholder)
#include "disc_tree_view_test.moc"
