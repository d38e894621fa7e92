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
    int run(const QString& mode);

    QString m_output;
};

// The scripted program's exit code, or -1 where it crashed or never ended; what it printed is kept in m_output.
int TestRuntimeError::run(const QString& mode)
{
    QProcess process;
    process.start(QStringLiteral(SCRIPTED_APP), {mode});
    const bool ended = process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit;
    m_output = QString::fromUtf8(process.readAllStandardOutput());
    return ended ? process.exitCode() : -1;
}

void TestRuntimeError::failureShowsTheBoxAndEndsTheProgram()
{
    QCOMPARE(run(QStringLiteral("failing-clock")), 1);
    QVERIFY2(m_output.contains(QStringLiteral("box title: Kalendix v2.0")), qPrintable(m_output));
    QVERIFY2(m_output.contains(QStringLiteral("часы недоступны")), qPrintable(m_output));
    QVERIFY2(!m_output.contains(QStringLiteral("days:")), qPrintable(m_output));
    // One box only, though the timer kept ticking behind it.
    QCOMPARE(m_output.count(QStringLiteral("box title:")), 1);
}

void TestRuntimeError::normalRunEndsCleanly()
{
    QCOMPARE(run(QStringLiteral("run")), 0);
    QVERIFY2(m_output.contains(
                 QRegularExpression(QStringLiteral("^days: [0-9]+\\r?$"), QRegularExpression::MultilineOption)),
             qPrintable(m_output));
    QVERIFY2(!m_output.contains(QStringLiteral("box title:")), qPrintable(m_output));
}

QTEST_GUILESS_MAIN(TestRuntimeError)
#include "tst_runtime_error.moc"
