#include <QCoreApplication>
#include <QTest>

#include <memory>
#include <vector>

QObject *newProfileRulesTest();
QObject *newProfileWritesTest();
QObject *newProfileCacheTest();
QObject *newGameDataTest();
QObject *newConfigurationTest();
QObject *newIniCommandTest();
QObject *newGoldenReadsTest();
QObject *newHostileFilesTest();
QObject *newDatabaseCheckTest();
QObject *newCodePage936Test();

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::vector<std::unique_ptr<QObject>> tests;
    tests.emplace_back(newProfileRulesTest());
    tests.emplace_back(newProfileWritesTest());
    tests.emplace_back(newProfileCacheTest());
    tests.emplace_back(newGameDataTest());
    tests.emplace_back(newConfigurationTest());
    tests.emplace_back(newIniCommandTest());
    tests.emplace_back(newGoldenReadsTest());
    tests.emplace_back(newHostileFilesTest());
    tests.emplace_back(newDatabaseCheckTest());
    tests.emplace_back(newCodePage936Test());
    int failed = 0;
    for (const auto &test : tests)
        failed += QTest::qExec(test.get(), argc, argv);
    return failed == 0 ? 0 : 1;
}
