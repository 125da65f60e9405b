#include <QtTest>
#include <string>
#include <vector>

#include "desktop/start_options.h"

using namespace quilsk;

namespace {

StartRequest Read(const QStringList& arguments)
{
    std::vector<std::string> owned{"quilsk"};
    for (const QString& argument : arguments) owned.push_back(argument.toStdString());
    std::vector<const char*> argv;
    for (const std::string& each : owned) argv.push_back(each.c_str());
    return ReadStartArguments(static_cast<int>(argv.size()), argv.data());
}

// A request with every field the options can change set the other way, then changed by them.
SearchRequest Changed(const StartRequest& start)
{
    SearchRequest request;
    request.keyword1 = "stored1";
    request.keyword2 = "stored2";
    request.keyword1WholeWord = true;
    request.keyword1Suffix = true;
    request.tagForm = true;
    for (const RequestChange& change : start.search.changes) change(request);
    return request;
}

}  // namespace

class StartOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void Actions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("problem");
        const int open = int(StartAction::OpenWindow), help = int(StartAction::PrintHelp),
                  version = int(StartAction::PrintVersion), bad = int(StartAction::BadArguments);
        QTest::newRow("nothing") << QStringList{} << open << QString();
        QTest::newRow("qt options left to qt") << QStringList{"-platform", "offscreen"} << open << QString();
        QTest::newRow("help") << QStringList{"--ini", "x.ini", "-h"} << help << QString();
        QTest::newRow("the value of --ini is no option") << QStringList{"--ini", "--help"} << open << QString();
        QTest::newRow("version after a search") << QStringList{"--search", "apple", "--version"} << version << QString();
        QTest::newRow("--ini without a value") << QStringList{"--ini"} << bad << "--ini needs a value";
        QTest::newRow("unknown search option") << QStringList{"--search", "apple", "--colour"} << bad
                                               << "unknown search option: --colour";
        QTest::newRow("bad match mode") << QStringList{"--search", "a", "--match=whole"} << bad
                                        << "unknown match mode: whole";
        QTest::newRow("--mode needs a value") << QStringList{"--search", "a", "--mode"} << bad << "--mode needs a value";
        QTest::newRow("three keywords") << QStringList{"--search", "a", "b", "c"} << bad
                                        << "--search takes one or two keywords";
        QTest::newRow("not Shift-JIS") << QStringList{"--search", QString::fromUtf8("\xF0\x9F\x8D\x8E")} << bad
                                       << QString::fromUtf8("the keyword cannot be written in Shift-JIS: \xF0\x9F\x8D\x8E");
    }

    void Actions()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(QString, problem);
        const StartRequest request = Read(arguments);
        QCOMPARE(int(request.action), action);
        QCOMPARE(QString::fromStdString(request.problem), problem);
    }

    void SearchOptionsBecomeSettingsOfThatSearch()
    {
        const StartRequest request = Read({"-style", "fusion", "--search", QString::fromUtf8("林檎"), "--or", "-i",
                                           "--match1", "prefix", "--mode=quick", "--no-tag", "--no-history", "--",
                                           "--dash"});
        QCOMPARE(int(request.action), int(StartAction::OpenWindow));
        QVERIFY(request.search.requested);
        QVERIFY(!request.search.recordHistory);
        const SearchRequest changed = Changed(request);
        QCOMPARE(changed.keyword1, std::string("\x97\xD1\x8C\xE7"));
        QCOMPARE(changed.keyword2, std::string("--dash"));
        QVERIFY(!changed.andSearch && !changed.notSearch && changed.orSearch);
        QVERIFY(changed.ignoreCase);
        QVERIFY(!changed.keyword1WholeWord && changed.keyword1Prefix && !changed.keyword1Suffix);
        QCOMPARE(changed.searchModeSetting, 1);
        QVERIFY(!changed.tagForm);
        // Options given later win.
        QVERIFY(!Changed(Read({"--search", "a", "--tag", "--no-tag"})).tagForm);
        QVERIFY(Changed(Read({"--search", "a", "--match", "word", "--match2", "suffix"})).keyword2Suffix);
        QVERIFY(!Read({}).search.requested);
        // A keyword after "--" may start with '-': a third one is still too many.
        QCOMPARE(int(Read({"--search", "a", "--", "-b", "-c"}).action), int(StartAction::BadArguments));
    }

    void HelpNamesEveryOption()
    {
        const QString help = QString::fromStdString(StartHelpText());
        for (const char* option : {"--ini", "--search", "--help", "--version", "--and", "--group2", "--match1",
                                   "--ignore-case", "--index-dir", "--mode", "--no-history", "--dedupe"})
            QVERIFY2(help.contains(QLatin1String(option)), option);
        QVERIFY(help.endsWith('\n'));
    }
};

QTEST_MAIN(StartOptionsTest)
#include "start_options_test.moc"
