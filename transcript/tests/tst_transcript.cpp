#include "transcript/FileTypes.h"
#include "transcript/OutputDialogs.h"
#include "transcript/TextFileSaving.h"
#include "transcript/editFieldExtras.h"

#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>

class tst_transcript : public QObject, OutputDialogs
{
    Q_OBJECT

    QTimer poll;
    std::function<void(QDialog *)> answer; // to Qt's own dialogs, as each test scripts it
    const QTemporaryDir dir; // for the printed sheets and the saved files

    bool pageSetup(QPrinter &) override { return false; }
    bool print(QPrinter &) override { return false; }
    QString saveFileName(const QString &type, const QString &name, QWidget *) override
    {
        return type.isEmpty() ? QString() : dir.filePath(type + u'.' + name); // the question
    }

private slots:
    void initTestCase()
    {
        connect(&poll, &QTimer::timeout, this, [this] {
            if (auto *open = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                answer(open);
        });
        poll.start(10);
        FileTypes::createRecords();
        QVERIFY(FileTypes::find("Text/Plain") && !FileTypes::find("image"));
    }

    void copy() // by key or menu: the whole text, even where a window's shortcut would take it
    {
        editFieldExtras field;
        field.setReadOnly(true);
        field.setPlainText(QStringLiteral("12\n+ 3"));
        field.addAction(QStringLiteral("Copy"), QKeySequence::Copy, [] {});
        field.show();
        QVERIFY(QTest::qWaitForWindowActive(&field));
        QTest::keySequence(&field, QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), field.toPlainText());
        QGuiApplication::clipboard()->clear();
        QTimer::singleShot(0, [] { // the menu's first item that is enabled
            QTest::keySequence(QApplication::activePopupWidget(), QKeySequence("Down, Return"));
        });
        QTest::mouseClick(field.windowHandle(), Qt::RightButton); // opens the menu
        QCOMPARE(QGuiApplication::clipboard()->text(), field.toPlainText());
        QVERIFY(field.copy() == CopyOutcome::TranscriptCopied
            && editFieldExtras().copy() == CopyOutcome::TranscriptEmpty);
    }

    // Every line printed within 65-point margins, on sheets numbered below them.
    void printing()
    {
        const QString pdf = dir.filePath("sheets.pdf");
        answer = [&, cancelled = false](QDialog *dialog) mutable { // page setup, then print
            auto *print = qobject_cast<QPrintDialog *>(dialog);
            if (QPrinter *printer = print ? print->printer() : nullptr) {
                printer->setPageLayout(
                    { QPageSize::A4, QPageLayout::Portrait, { 36, 36, 36, 36 } });
                printer->setOutputFileName(pdf);
            }
            dialog->done(!print || std::exchange(cancelled, true)); // cancels the first print only
        };
        editFieldExtras field;
        QList<int> all, pages, lines; // as printed: each sheet's number, the lines' numbers
        qsizetype textEnds = 0; // on the sheet with the text's last word
        for (int line = 1; line <= 120; ++line)
            all.append(line), field.append(QString::number(line) + QString(" -").repeated(80));
        using Ending = PrintOutcome::Ending;
        QVERIFY(editFieldExtras().print(true).ending == Ending::NothingToPrint); // and no dialog
        QVERIFY(field.print(/*pageNumbers*/ true).ending == Ending::Cancelled);
        QVERIFY(!QFile::exists(pdf));
        const PrintOutcome printed = field.print(true);
        QProcess pdftotext;
        pdftotext.start("pdftotext", { "-tsv", pdf, "-" });
        QVERIFY(pdftotext.waitForFinished());
        QRectF footers, text; // around all their words, in points
        for (const QByteArray &item : pdftotext.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> f = item.split('\t'); // level, sheet, ..., box, ..., word
            const QRectF box(f.value(6).toDouble(), f.value(7).toDouble(), f.value(8).toDouble(),
                f.value(9).toDouble());
            if (f[0] == "1")
                pages.append(0);
            else if (f[0] == "5" && box.top() > 760) // below the text: "Page:" and the number
                footers |= box, pages.last() = f[11].toInt();
            else if (f[0] == "5" && (text |= box, textEnds = pages.size(), f[11] != "-"))
                lines.append(f[11].toInt());
        }
        QCOMPARE(lines, all); // each once, in order, wrapped
        QCOMPARE(pages, all.first(pages.size())); // below each sheet, counting from 1
        QCOMPARE(textEnds, pages.size()); // and no sheet left blank after it
        QVERIFY(printed.ending == Ending::Printed && printed.sheets == pages.size()
            && printed.file == "sheets.pdf");
        QVERIFY(text.topLeft().toPoint() == QPoint(101, 101) && text.right() < 495); // 36 + 65
        QVERIFY(footers.toRect().topLeft() == QPoint(101, 795) && qRound(footers.height()) == 8);
    }

    void save()
    {
        QStringList types;
        answer = [&](auto *d) { types = static_cast<QFileDialog *>(d)->nameFilters(), d->done(0); };
        QCOMPARE(outputDialogs().saveFileName("text", "untitled.txt", nullptr), QString());
        QVERIFY(types.size() == 2 && types[0].endsWith(" *.txt)")); // text files, then all files
        installOutputDialogs(this); // the names answered: Qt's dialog may reset a typed one
        editFieldExtras field;
        field.setPlainText(QStringLiteral("12\n÷ 4\n---\n3\n"));
        const QString in = QDir(dir.path()).dirName();
        using Ending = SaveOutcome::Ending;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("could not save .*/text.missing/a"));
        const QList<SaveOutcome> outcomes = { field.save(), field.save("text", "transcript"),
            field.save("text", "missing/a"), field.save("", "a cancelled dialog") };
        QCOMPARE(outcomes, // the second with ".txt" appended
            QList<SaveOutcome>({ { Ending::Saved, "text.untitled.txt", in },
                { Ending::Saved, "text.transcript.txt", in },
                { Ending::Failed, {}, {}, "No such file or directory" }, { Ending::Cancelled } }));
        QFile saved(dir.filePath("text.untitled.txt")); // in UTF-8, with the line ends
        QVERIFY(saved.open(QIODevice::ReadOnly) && saved.readAll() == field.toPlainText().toUtf8());
    }

    // The outcomes in the words the program says.
    void spokenOutcomes_data()
    {
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("expected");
        using Print = PrintOutcome::Ending;
        using Save = SaveOutcome::Ending;
        // clang-format off
        QTest::newRow("copied")     << inWords(CopyOutcome::SelectionCopied) << "copied";
        QTest::newRow("unselected") << inWords(CopyOutcome::NothingSelected) << "nothing selected";
        QTest::newRow("transcript") << inWords(CopyOutcome::TranscriptCopied) << "transcript copied";
        QTest::newRow("empty")      << inWords(CopyOutcome::TranscriptEmpty) << "transcript empty, clipboard emptied";
        QTest::newRow("1 page")     << inWords(PrintOutcome { Print::Printed, 1, "Office" }) << "1 page printed on Office";
        QTest::newRow("to a file")  << inWords(PrintOutcome { Print::Printed, 3, "PDF", "tape.pdf" }) << "3 pages printed to tape.pdf";
        QTest::newRow("cancelled")  << inWords(PrintOutcome { Print::Cancelled }) << "printing cancelled";
        QTest::newRow("nothing")    << inWords(PrintOutcome { Print::NothingToPrint }) << "nothing to print";
        QTest::newRow("not printed") << inWords(PrintOutcome { Print::NotPrinted }) << "not printed";
        QTest::newRow("saved")      << inWords(SaveOutcome { Save::Saved, "sums.txt", "Documents" }) << "saved as sums.txt in Documents";
        QTest::newRow("not saved")  << inWords(SaveOutcome { Save::Failed, {}, {}, "Disk full" }) << "not saved, Disk full";
        QTest::newRow("no save")    << inWords(SaveOutcome { Save::Cancelled }) << "save cancelled";
        // clang-format on
    }
    void spokenOutcomes()
    {
        QFETCH(QString, said);
        QTEST(said, "expected");
    }
};

QTEST_MAIN(tst_transcript)
#include "tst_transcript.moc"
