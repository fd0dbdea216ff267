// Whole runs of roccalc-cli through the shell, for what a plain argument
// list cannot show: full and closed outputs, pipes, odd line ends. Each row
// gives the exit status, and what stdout and stderr must hold.
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

class ExitStatusTest : public QObject {
    Q_OBJECT

  private slots:
    void run_data();
    void run();
    void devZeroEndsAtOnce();
};

namespace {

// Runs `command` in bash with $CLI set; returns exit code, stdout, stderr.
struct Run {
    int code;
    QByteArray out;
    QByteArray err;
};

Run runInBash(const QString& command) {
    QProcess bash;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("CLI"), QStringLiteral(ROCCALC_CLI));
    bash.setProcessEnvironment(environment);
    bash.start(QStringLiteral("bash"), {QStringLiteral("-c"), command});
    bash.closeWriteChannel();
    if (!bash.waitForFinished(20000)) {
        bash.kill();
        bash.waitForFinished();
        return {-1, {}, "did not end"};
    }
    return {bash.exitCode(), bash.readAllStandardOutput(), bash.readAllStandardError()};
}

}  // namespace

void ExitStatusTest::run_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("out");  // a regular expression stdout must match
    QTest::addColumn<QString>("err");  // one stderr must match

    const QString none = QStringLiteral("^$");
    const QString full =
        QStringLiteral("^roccalc-cli: write error: standard output: No space left on device\\n$");
    // Write errors.
    QTest::newRow("flags into a full disk") << "\"$CLI\" --pfa 1 >/dev/full" << 3 << none << full;
    QTest::newRow("flags into a closed stdout")
        << "\"$CLI\" --pfa 1 >&-" << 3 << none
        << "^roccalc-cli: write error: standard output: Bad file descriptor\\n$";
    QTest::newRow("batch into a full disk")
        << "printf 'pfa\\n1\\n' | \"$CLI\" --batch - >/dev/full" << 3 << none << full;
    QTest::newRow("replay into a full disk")
        << "printf 'Text1=1\\nCommand1\\n' | \"$CLI\" --replay - >/dev/full" << 3 << none << full;
    QTest::newRow("help into a full disk") << "\"$CLI\" --help >/dev/full" << 3 << none << full;

    // Refusals in words, the run going on as the window's would.
    QTest::newRow("p(FA) above 49.5, later sections on the stored q")
        << "\"$CLI\" --pfa 60 --pd 90 --band 1 --rc 1" << 1
        << "^p\\(FA\\) = \\.\\nq = \\.\\np\\(D\\) =    90\\.01\\nd = 1\\.6381\\nS/N dB = -\\.4\\n$"
        << "^roccalc-cli: --pfa \"60\" is above 49\\.5 %: refused, the box is emptied; the "
           "stored q 0 and p\\(FA\\) 0 % are shown\\n"
           "roccalc-cli: --pd \"90\": section 1 was refused, so this runs at the stored q 0\\n$";
    QTest::newRow("p(D) below the p(FA) reached")
        << "\"$CLI\" --pfa 10 --pd 5" << 1 << "p\\(D\\) =\\nd =\\n$"
        << "^roccalc-cli: --pd \"5\" is below the p\\(FA\\) reached, 9\\.85015 %: refused, the "
           "box is emptied \\(give a p\\(D\\) above it\\)\\n$";
    QTest::newRow("p(FA) that reads as 0")
        << "\"$CLI\" --pfa x" << 1 << "^p\\(FA\\) = \\.\\nq = \\.\\n$"
        << "--pfa \"x\" reads as 0\\n.*--pfa \"x\" reads as 0: no threshold is searched";
    QTest::newRow("d outside 0 to 40")
        << "\"$CLI\" --d 41" << 1 << "^p\\(D\\) for the set d =\\n$"
        << "^roccalc-cli: --d \"41\" is outside 0 to 40: refused\\n$";
    QTest::newRow("section 3 with a zero") << "\"$CLI\" --band 0 --rc 1" << 1 << "^S/N dB =\\n$"
                                           << "--band \"0\", --rc \"1\" give no S/N";
    QTest::newRow("search that runs out") << "\"$CLI\" --pfa 0.1 --pd 99.9" << 1 << "d = 30\\.0001"
                                          << "--pfa \"0.1\" is below every p\\(FA\\) reached up "
                                             "to q = 3.*\\n.*--pd \"99.9\" is not exceeded up to d "
                                             "= 30: the search ran out at d 30\\.0001, p\\(D\\) "
                                             "99\\.3472 %";
    QTest::newRow("batch refusal with file and line")
        << "printf 'pfa,pd\\n1,90\\n60,\\n' | \"$CLI\" --batch -" << 1
        << "\\n60,,\\.,\\.,,,,\\n$"  // a fresh session: the stored values are 0
        << "^roccalc-cli: <stdin>:3: pfa \"60\" is above 49\\.5 %";
    QTest::newRow("replay warns but keeps its status")
        << "printf 'Text1=1,5\\nCommand1\\nText1=60\\nCommand1\\n' | \"$CLI\" --replay -" << 0
        << "^(\\{[^\\n]*\\}\\n){2}$"
        << "^roccalc-cli: <stdin>:1: Text1 \"1,5\" reads as 1\\n"
           "roccalc-cli: <stdin>:4: Command1: Text1 \"60\" is above 49\\.5 %";

    // The separator: one character, no digit, sign, blank or control.
    for (const auto& [name, argument, reason] :
         {std::tuple{"digit", "5", "is a digit"},
          {"other script's digit", "\xD9\xA5", "is a digit"},
          {"minus", "-", "is a sign"},
          {"plus", "+", "is a sign"},
          {"blank", "' '", "is white space"},
          {"tab", "$'\\t'", "is white space"},
          {"control", "$'\\x01'", "is a control"},
          {"two characters", "ab", "takes one character, not 2"},
          {"none", "''", "takes one character, and got none"},
          {"invalid byte", "$'\\xff'", "is not valid UTF-8"}}) {
        QTest::newRow(qPrintable(QStringLiteral("separator: %1").arg(QLatin1String(name))))
            << QStringLiteral("\"$CLI\" --pfa 1 --separator %1").arg(QString::fromUtf8(argument))
            << 2 << none << QStringLiteral("^roccalc-cli: --separator .* %1").arg(reason);
    }
    QTest::newRow("separator: Arabic decimal separator")
        << QStringLiteral("\"$CLI\" --pfa 1 --separator \u066B") << 0
        << QStringLiteral("^p\\(FA\\) = \u066B9875\\n") << none;
    QTest::newRow("separator: a character beyond the BMP")
        << QStringLiteral("\"$CLI\" --pfa 1 --separator \U0001D538") << 0
        << QStringLiteral("^p\\(FA\\) = \U0001D5389875\\n") << none;

    // One form for all inputs: BOM, CRLF and CR-only alike, right line numbers.
    QTest::newRow("replay with a byte order mark")
        << "printf '\\xef\\xbb\\xbfText1=1\\r\\nCommand1\\r\\n' | \"$CLI\" --replay -" << 0
        << "\"Label11\":\"2\\.33\"" << none;
    QTest::newRow("replay with CR-only line ends")
        << "printf 'Text1=1\\rCommand1\\rText9\\r' | \"$CLI\" --replay -" << 2
        << "^\\{[^\\n]*\\}\\n$"
        << "^roccalc-cli: <stdin>:3: not a box text";
    QTest::newRow("batch with CR-only line ends")
        << "printf 'pfa\\r\\r1\\r60\\r' | \"$CLI\" --batch -" << 1 << "^pfa,pfa_reached"
        << "^roccalc-cli: <stdin>:4: pfa \"60\"";
    QTest::newRow("batch row longer than 1 MiB")
        << "{ echo pfa; printf '%1048577s' | tr ' ' 1; } | \"$CLI\" --batch -" << 2 << "^pfa,"
        << "^roccalc-cli: <stdin>:2: the line is longer than 1 MiB\\n$";

    // The chart file.
    QTest::newRow("plot as PNG without a display")
        << "out=$(mktemp -d) && env -u DISPLAY \"$CLI\" --pfa 1 --pd 90 --plot \"$out/roc.png\" "
           "--plot-size 300x200 && head -c 8 \"$out/roc.png\" | od -An -c && rm -r \"$out\""
        << 0 << "p\\(FA\\) = \\.9875.*211   P   N   G" << none;
    QTest::newRow("plot with an unknown extension")
        << "\"$CLI\" --pfa 1 --plot roc.jpg" << 2 << none
        << "^roccalc-cli: --plot \"roc.jpg\": the file name must end in .svg or .png\n";
    QTest::newRow("plot with a bad size") << "\"$CLI\" --pfa 1 --plot roc.svg --plot-size 800" << 2
                                          << none << "^roccalc-cli: --plot-size \"800\": give WxH";
    QTest::newRow("plot into a missing folder")
        << "\"$CLI\" --pfa 1 --plot /nonexistent/roc.svg" << 3 << "q = 2\\.33"
        << "^roccalc-cli: write error: /nonexistent/roc.svg: No such file or directory\n$";
    QTest::newRow("plot goes with the flags only")
        << "printf 'pfa\\n1\\n' | \"$CLI\" --batch - --plot roc.svg" << 2 << none
        << "^roccalc-cli: --plot goes with the flags of one session\n";

    // Options and diagnostics.
    QTest::newRow("help-all works") << "\"$CLI\" --help-all" << 0 << "Exit status:\\n  0" << none;
    QTest::newRow("replay without a file name")
        << "\"$CLI\" --replay ''" << 2 << none
        << "^roccalc-cli: --replay needs a file name \\(- for standard input\\)\\n";
    QTest::newRow("batch with band but no rc")
        << "printf 'pfa,band\\n1,1\\n' | \"$CLI\" --batch -" << 2 << none
        << "^roccalc-cli: <stdin>:1: column \"band\" needs the column \"rc\" too";
    QTest::newRow("long cell cut and escaped")
        << "printf 'pfa\\n\"1\\r%s\"\\n' $(printf '%5000s' | tr ' ' x) | "
           "\"$CLI\" --batch -"
        << 0 << "^pfa,"
        << "^roccalc-cli: <stdin>:2: pfa \"1\\\\nx{78}\"… reads as 1\\n";
}

void ExitStatusTest::run() {
    QFETCH(QString, command);
    QFETCH(int, code);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const Run result = runInBash(command);
    const QString got = QString::fromUtf8(result.out);
    const QString gotErr = QString::fromUtf8(result.err);
    QVERIFY2(QRegularExpression(out, QRegularExpression::DotMatchesEverythingOption)
                 .match(got)
                 .hasMatch(),
             qPrintable(QStringLiteral("stdout: ") + got.left(600)));
    QVERIFY2(QRegularExpression(err, QRegularExpression::DotMatchesEverythingOption)
                 .match(gotErr)
                 .hasMatch(),
             qPrintable(QStringLiteral("stderr: ") + gotErr.left(600)));
    QCOMPARE(result.code, code);
}

// Endless input without a line break: refused at 1 MiB, not read to the end.
void ExitStatusTest::devZeroEndsAtOnce() {
    QElapsedTimer clock;
    clock.start();
    const Run result = runInBash(QStringLiteral("\"$CLI\" --replay /dev/zero"));
    QCOMPARE(result.code, 2);
    QCOMPARE(result.err, QByteArray("roccalc-cli: /dev/zero:1: the line is longer than 1 MiB\n"));
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed()) + " ms"));
}

QTEST_GUILESS_MAIN(ExitStatusTest)
#include "exit_status_test.moc"
