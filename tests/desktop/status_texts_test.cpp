#include <QtTest>

#include "desktop/status_texts.h"
#include "platform/host.h"
#include "platform/ui/qt_text.h"

using namespace quilsk;

class StatusTextsTest : public QObject {
    Q_OBJECT

private slots:
    void CountSaysWhenTheSearchWasStopped()
    {
        QCOMPARE(ResultCountText(0, false), Ui("0 件"));
        QCOMPARE(ResultCountText(1850000, false), Ui("1850000 件"));
        QCOMPARE(ResultCountText(12, true), Ui("12 件（検索を途中で中止しました）"));
    }

    void ProgressTellsFilesBytesAndHits_data()
    {
        QTest::addColumn<quint64>("done");
        QTest::addColumn<quint64>("total");
        QTest::addColumn<QString>("share");
        QTest::newRow("megabytes") << quint64(45200000) << quint64(150000000) << "45.2/150.0 MB";
        QTest::newRow("just a megabyte") << quint64(0) << quint64(1000000) << "0.0/1.0 MB";
        QTest::newRow("below a megabyte: kilobytes") << quint64(1500) << quint64(999999) << "1.5/1000.0 KB";
    }

    void ProgressTellsFilesBytesAndHits()
    {
        QFETCH(quint64, done);
        QFETCH(quint64, total);
        QFETCH(QString, share);
        const std::string path = "/dict/\x97\xAA\x8C\xEA.TXT";  // 略語 in cp932
        ScanProgress progress{path, 2, 12, 345, done, total};
        QCOMPARE(ScanProgressText(progress), Ui("検索中: ファイル 3/12, %1, 345 件 - /dict/略語.TXT").arg(share));
    }
};

QTEST_MAIN(StatusTextsTest)
#include "status_texts_test.moc"
