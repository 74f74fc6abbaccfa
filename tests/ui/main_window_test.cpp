#include <QtTest>

#include "app/sat_lab_form.h"
#include "support/screenshot.h"

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void opensAndCloses() {
    jovi::TSatLabForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.centralWidget()->size(), QSize(632, 434));
    jovi::test::SaveScreenshot(form, "main_window");
    QVERIFY(form.close());
    QVERIFY(!form.isVisible());
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
