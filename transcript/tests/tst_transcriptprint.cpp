#include "ScriptedOutputDialogs.h"

#include "app/Globals.h"
#include "transcript/editFieldExtras.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Prints the transcript to PDF files and reads them back with pdftotext.
class TranscriptPrintTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder;
    QString pdfPath;

    static QString numberedLines(int count)
    {
        QStringList lines;
        for (int line = 1; line <= count; ++line)
            lines.append(QStringLiteral("Line %1").arg(line));
        return lines.join(u'\n');
    }

    static QByteArray pdfToText(const QStringList &arguments)
    {
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), arguments);
        if (!pdftotext.waitForFinished() || pdftotext.exitCode() != 0)
            return QByteArray();
        return pdftotext.readAllStandardOutput();
    }

    // The text of each sheet, its lines without the blank ones.
    static QList<QStringList> sheetsOf(const QString &pdf)
    {
        QList<QStringList> sheets;
        const QString text = QString::fromUtf8(pdfToText({ pdf, QStringLiteral("-") }));
        for (const QString &sheet : text.split(u'\f', Qt::SkipEmptyParts)) {
            if (!sheet.trimmed().isEmpty())
                sheets.append(sheet.split(u'\n', Qt::SkipEmptyParts));
        }
        return sheets;
    }

    // The box, in points from the sheet's top left corner, of the first word that reads word.
    static QRectF boxOf(const QString &pdf, const QString &word)
    {
        const QString page = QString::fromUtf8(pdfToText({ QStringLiteral("-bbox"), pdf, "-" }));
        const QString box = QStringLiteral(
            R"re(xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">%1<)re");
        const QRegularExpression wordBox(box.arg(QRegularExpression::escape(word)));
        const QRegularExpressionMatch match = wordBox.match(page);
        if (!match.hasMatch())
            return QRectF();
        return QRectF(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
            QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()));
    }

    static void print(const QString &text, bool pageNumbers)
    {
        editFieldExtras field;
        field.setReadOnly(true);
        field.setFont(QFont(mGlobals.sTheFont, 24));
        field.setPlainText(text);
        field.print(pageNumbers);
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is needed to read the printed sheets");
        QVERIFY(folder.isValid());
        pdfPath = folder.filePath(QStringLiteral("transcript.pdf"));
    }

    void init()
    {
        mGlobals.sTheFont = QStringLiteral("Geneva");
        QFile::remove(pdfPath);
    }

    void sheets_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("pageNumbers");
        QTest::addColumn<int>("fromPage");
        QTest::addColumn<int>("toPage");
        QTest::addColumn<int>("sheets"); // 0: as many as the text needs, more than one

        QTest::newRow("short, no footer") << 3 << false << 0 << 0 << 1;
        QTest::newRow("short, numbered, pages 1 to 5") << 3 << true << 1 << 5 << 1;
        QTest::newRow("short, numbered, pages 2 to 3") << 3 << true << 2 << 3 << 1;
        QTest::newRow("long, numbered, all pages") << 120 << true << 0 << 0 << 0;
        QTest::newRow("long, numbered, pages 2 to 3") << 120 << true << 2 << 3 << 2;
    }

    // Sheets start at the beginning of the text and follow on line by line; the range only caps
    // their number and labels them.
    void sheets()
    {
        QFETCH(int, lines);
        QFETCH(bool, pageNumbers);
        QFETCH(int, fromPage);
        QFETCH(int, toPage);
        QFETCH(int, sheets);

        ScriptedOutputDialogs dialogs;
        dialogs.pdfPath = pdfPath;
        dialogs.fromPage = fromPage;
        dialogs.toPage = toPage;
        print(numberedLines(lines), pageNumbers);

        const QList<QStringList> printed = sheetsOf(pdfPath);
        if (sheets > 0)
            QCOMPARE(printed.size(), sheets);
        else
            QVERIFY2(printed.size() > 1, "a long transcript takes more than one sheet");

        int nextLine = 1;
        for (qsizetype sheet = 0; sheet < printed.size(); ++sheet) {
            QStringList text = printed.at(sheet);
            if (pageNumbers) {
                const int firstNumber = fromPage > 0 ? fromPage : 1;
                QCOMPARE(text.takeLast(), QStringLiteral("Page: %1").arg(firstNumber + sheet));
            }
            for (const QString &line : std::as_const(text))
                QCOMPARE(line, QStringLiteral("Line %1").arg(nextLine++));
        }
        if (sheets == 0)
            QCOMPARE(nextLine, lines + 1);
    }

    // Text and footer sit 65 points inside the printable area, which starts 36 points in.
    void margins()
    {
        ScriptedOutputDialogs dialogs;
        dialogs.pdfPath = pdfPath;
        print(QStringLiteral("Total"), true);

        const QRectF text = boxOf(pdfPath, QStringLiteral("Total"));
        QVERIFY(text.isValid());
        QVERIFY2(qAbs(text.left() - 101) < 2, qPrintable(QString::number(text.left())));
        QVERIFY2(text.top() >= 101 && text.top() < 110, qPrintable(QString::number(text.top())));

        const QRectF footer = boxOf(pdfPath, QStringLiteral("Page:"));
        QVERIFY(footer.isValid());
        const qreal a4Height = QPageSize(QPageSize::A4).size(QPageSize::Point).height();
        const qreal baseline = a4Height - 36 - 5;
        QVERIFY2(qAbs(footer.left() - 101) < 2, qPrintable(QString::number(footer.left())));
        // An 8-point word: its box reaches a little below the baseline and some 6 points above.
        QVERIFY2(footer.bottom() > baseline && footer.bottom() < baseline + 3,
            qPrintable(QString::number(footer.bottom())));
        QVERIFY2(footer.height() < 10, qPrintable(QString::number(footer.height())));
    }

    void cancelling_data()
    {
        QTest::addColumn<bool>("acceptPageSetup");
        QTest::addColumn<QStringList>("asked");

        QTest::newRow("page setup cancelled") << false << QStringList { "page setup" };
        QTest::newRow("print dialog cancelled") << true << QStringList { "page setup", "print" };
    }

    void cancelling()
    {
        QFETCH(bool, acceptPageSetup);
        QFETCH(QStringList, asked);

        ScriptedOutputDialogs dialogs;
        dialogs.pdfPath = pdfPath;
        dialogs.acceptPageSetup = acceptPageSetup;
        dialogs.acceptPrint = false;
        print(numberedLines(3), true);

        QCOMPARE(dialogs.asked, asked);
        QVERIFY(!QFile::exists(pdfPath));
    }
};

QTEST_MAIN(TranscriptPrintTest)
#include "tst_transcriptprint.moc"
