#include <QProcess>
#include <QRegularExpression>
#include <QTest>

class TestRuntimeError : public QObject
{
    Q_OBJECT

private slots:
    void failureShowsTheBoxAndEndsTheProgram();
    void normalRunEndsCleanly();

private:
    static QProcess* run(const QString& mode);
};

QProcess* TestRuntimeError::run(const QString& mode)
{
    auto* process = new QProcess;
    process->start(QStringLiteral(SCRIPTED_APP), {mode});
    if (!process->waitForFinished(20000))
        qFatal("the scripted program did not end");
    return process;
}

void TestRuntimeError::failureShowsTheBoxAndEndsTheProgram()
{
    const std::unique_ptr<QProcess> process(run(QStringLiteral("failing-clock")));
    const QString output = QString::fromUtf8(process->readAllStandardOutput());
    QCOMPARE(process->exitStatus(), QProcess::NormalExit);
    QCOMPARE(process->exitCode(), 1);
    QVERIFY2(output.contains(QStringLiteral("box title: Kalendix v2.0")), qPrintable(output));
    QVERIFY2(output.contains(QStringLiteral("часы недоступны")), qPrintable(output));
    QVERIFY2(!output.contains(QStringLiteral("days:")), qPrintable(output));
    // One box only, though the timer kept ticking behind it.
    QCOMPARE(output.count(QStringLiteral("box title:")), 1);
}

void TestRuntimeError::normalRunEndsCleanly()
{
    const std::unique_ptr<QProcess> process(run(QStringLiteral("run")));
    const QString output = QString::fromUtf8(process->readAllStandardOutput());
    QCOMPARE(process->exitStatus(), QProcess::NormalExit);
    QCOMPARE(process->exitCode(), 0);
    QVERIFY2(
        output.contains(QRegularExpression(QStringLiteral("^days: [0-9]+\\r?$"), QRegularExpression::MultilineOption)),
        qPrintable(output));
    QVERIFY2(!output.contains(QStringLiteral("box title:")), qPrintable(output));
}

QTEST_GUILESS_MAIN(TestRuntimeError)
#include "tst_runtime_error.moc"
