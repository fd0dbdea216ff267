// Hostile texts replayed through roccalc-cli: huge, out of range, foreign
// digits, radix prefixes, lone signs and every byte value, into every box.
// The run must end normally with the window's reaction to the text, and its
// warnings stay short and printable.
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

namespace {

constexpr int kHangGuardMs = 20000;

QByteArray everyByte() {
    QByteArray bytes;
    for (int b = 1; b < 256; ++b) {
        if (b != '\n' && b != '\r') {  // they end a replay line
            bytes.append(static_cast<char>(b));
        }
    }
    return bytes;
}

}  // namespace

class HostileInputTest : public QObject {
    Q_OBJECT

  private slots:
    void replay_data();
    void replay();
};

void HostileInputTest::replay_data() {
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");

    const QByteArray digits(100000, '9');
    const QByteArray letters(100000, 'x');
    QTest::newRow("overflow empties Text1") << "Text1=1e999999999\nCommand1\n"_qba
                                            << "Text1"
                                            << "";
    QTest::newRow("underflow reads as zero") << "Text1=-1e-400\nCommand1\n"_qba
                                             << "Label11"
                                             << ".";
    QTest::newRow("hex prefix reads as zero") << "Text5=&H10\nCommand4\n"_qba
                                              << "Label27"
                                              << "   49.99";
    QTest::newRow("C hex reads its zero") << "Text5=0x10\nCommand4\n"_qba
                                          << "Label27"
                                          << "   49.99";
    QTest::newRow("Arabic-Indic digits are no digits") << "Text5=\u0661\u0662\u0663\nCommand4\n"_qba
                                                       << "Label27"
                                                       << "   49.99";
    QTest::newRow("lone minus searches from zero") << "Text2=-\nCommand2\n"_qba
                                                   << "Label16"
                                                   << ".";
    QTest::newRow("lone point gives no S/N") << "Text3=.\nText4=1\nCommand3\n"_qba
                                             << "Label20"
                                             << "";
    QTest::newRow("lone plus gives no S/N") << "Text3=1\nText4=+\nCommand3\n"_qba
                                            << "Label20"
                                            << "";
    QTest::newRow("negative overflow refused by the search") << "Text2=-1e400\nCommand2\n"_qba
                                                             << "Label16"
                                                             << "";
    QTest::newRow("100000 digits empty Text1") << "Text1=" + digits + "\nCommand1\n"
                                               << "Text1"
                                               << "";
    QTest::newRow("100000 digits run the search out") << "Text2=" + digits + "\nCommand2\n"
                                                      << "Label16"
                                                      << "30.0001";
    QTest::newRow("100000 digits refused as d") << "Text5=" + digits + "\nCommand4\n"
                                                << "Label27"
                                                << "";
    QTest::newRow("100000 digits give no S/N")
        << "Text3=" + digits + "\nText4=" + digits + "\nCommand3\n"
        << "Label20"
        << "";
    QTest::newRow("100000 letters read as zero") << "Text1=" + letters + "\nCommand1\n"
                                                 << "Label11"
                                                 << ".";
    QTest::newRow("every byte value as d") << "Text5=" + everyByte() + "\nCommand4\n"
                                           << "Label27"
                                           << "   49.99";
    QTest::newRow("every byte value as p(FA)") << "Text1=" + everyByte() + "\nCommand1\n"
                                               << "Label19"
                                               << ".";
}

void HostileInputTest::replay() {
    QFETCH(QByteArray, script);
    QFETCH(QString, field);
    QFETCH(QString, expected);

    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    cli.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    cli.start(QStringLiteral(ROCCALC_CLI), {QStringLiteral("--replay"), QStringLiteral("-")});
    QVERIFY(cli.waitForStarted());
    cli.write(script);
    cli.closeWriteChannel();
    QVERIFY2(cli.waitForFinished(kHangGuardMs), "roccalc-cli did not end");
    qInfo("%s: %lld ms", QTest::currentDataTag(), static_cast<long long>(clock.elapsed()));

    QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
    QCOMPARE(cli.exitCode(), 0);
    // Replays warn like the other modes, but never copy a hostile text raw:
    // each warning is one short line with no control character in it.
    for (const QByteArray& line : cli.readAllStandardError().split('\n')) {
        if (line.isEmpty()) {
            continue;
        }
        QVERIFY2(line.startsWith("roccalc-cli: "), line.left(200).constData());
        QVERIFY2(line.size() < 400, line.left(200).constData());
        for (const char c : line) {
            QVERIFY2(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F,
                     line.left(200).constData());
        }
    }
    const QList<QByteArray> lines = cli.readAllStandardOutput().trimmed().split('\n');
    QJsonParseError error;
    const QJsonObject last = QJsonDocument::fromJson(lines.last(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(last.value(field).toString(), expected);
}

QTEST_GUILESS_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
