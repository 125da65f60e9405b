#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <sys/stat.h>

#include "desktop/index_builder_run.h"
#include "platform/ui/qt_text.h"

using namespace quilsk;

namespace {

// A stand-in builder: prints `output` on stderr and exits with `code`.
std::string StandIn(const QTemporaryDir& dir, const std::string& output, int code)
{
    const std::string path = dir.filePath(QStringLiteral("builder")).toStdString();
    std::ofstream(path) << "#!/bin/sh\nprintf '" << output << "' >&2\nexit " << code << "\n";
    chmod(path.c_str(), 0755);
    return path;
}

}  // namespace

class IndexBuilderRunTest : public QObject {
    Q_OBJECT

private slots:
    void ReportSaysWhatHappened_data()
    {
        QTest::addColumn<bool>("started");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("report");
        QTest::newRow("built") << true << 0 << QStringLiteral("idxmakr: 12 files, 34567 words indexed\n")
                               << Ui("インデックスを作成しました。\nファイル: 12\n単語: 34567\n時間: 2.5 秒");
        QTest::newRow("built, no summary") << true << 0 << QString() << Ui("インデックスを作成しました (2.5 秒)。");
        QTest::newRow("failed: the builder's last line")
            << true << 2 << QStringLiteral("[1/3] x\nidxmakr: /idx/: no such directory\n")
            << Ui("インデックスを作成できませんでした。\nidxmakr: /idx/: no such directory");
        QTest::newRow("failed silently") << true << 3 << QString()
                                         << Ui("インデックスを作成できませんでした。\n終了コード 3");
        QTest::newRow("not started") << false << 0 << QStringLiteral("/opt/idxmakr: No such file")
                                     << Ui("インデックス作成プログラムを起動できませんでした。\n/opt/idxmakr: No such file");
    }

    void ReportSaysWhatHappened()
    {
        QFETCH(bool, started);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QString, report);
        QCOMPARE(BuilderReport(started, exitCode, output, 2500), report);
    }

    void ARunEndsWithItsReport_data()
    {
        QTest::addColumn<std::string>("output");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("succeeded");
        QTest::addColumn<QString>("reportStart");
        QTest::newRow("success") << std::string("idxmakr: 2 files, 9 words indexed\\n") << 0 << true
                                 << Ui("インデックスを作成しました。\nファイル: 2\n単語: 9\n");
        QTest::newRow("failure") << std::string("idxmakr: the index directory is not set\\n") << 2 << false
                                 << Ui("インデックスを作成できませんでした。\nidxmakr: the index directory is not set");
    }

    void ARunEndsWithItsReport()
    {
        QFETCH(std::string, output);
        QFETCH(int, code);
        QFETCH(bool, succeeded);
        QFETCH(QString, reportStart);
        QTemporaryDir dir;
        CIndexBuilderRun run;
        QSignalSpy finished(&run, &CIndexBuilderRun::finished);
        const std::string builder = StandIn(dir, output, code);
        QVERIFY(run.Start({builder, "-i=/tmp/quilsk.ini"}));
        QVERIFY(!run.Start({builder}));  // one run at a time
        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.at(0).at(0).toBool(), succeeded);
        QVERIFY2(finished.at(0).at(1).toString().startsWith(reportStart), qPrintable(finished.at(0).at(1).toString()));
    }

    void AMissingProgramIsReported()
    {
        CIndexBuilderRun run;
        QSignalSpy finished(&run, &CIndexBuilderRun::finished);
        run.Start({"/nonexistent/idxmakr"});
        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.at(0).at(0).toBool(), false);
        QVERIFY(finished.at(0).at(1).toString().startsWith(Ui("インデックス作成プログラムを起動できませんでした。\n/nonexistent/idxmakr")));
    }
};

QTEST_MAIN(IndexBuilderRunTest)
#include "index_builder_run_test.moc"
