#include <QtTest>

#include "platform/ui/qt_text.h"

using namespace quilsk;

class QtTextTest : public QObject {
    Q_OBJECT

private slots:
    void RoundTripsThroughCp932()
    {
        const QString text = Ui("青りんごａ");
        const auto cp932 = ToCp932(text);
        QVERIFY(cp932.has_value());
        QCOMPARE(*cp932, std::string("\x90\xC2\x82\xE8\x82\xF1\x82\xB2\x82\x81"));
        QCOMPARE(ToQString(*cp932), text);
        QCOMPARE(*ToCp932(Ui("〜")), std::string("\x81\x60"));
    }

    void RefusesWhatCp932CannotWrite() { QVERIFY(!ToCp932(Ui("😀")).has_value()); }
};

QTEST_MAIN(QtTextTest)
#include "qt_text_test.moc"
