#include "transcript/FileTypes.h"
#include "transcript/OutputDialogs.h"
#include "transcript/TextFileSaving.h"
#include "transcript/editFieldExtras.h"

#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>

// The transcript field with Qt's own dialogs answered as each test scripts them.
class tst_transcript : public QObject, OutputDialogs
{
    Q_OBJECT

    QTimer poll;
    std::function<void(QDialog *)> answer;
    QString offered, typed; // the save questions asked, the path of the answer

    bool pageSetup(QPrinter &) override { return false; }
    bool print(QPrinter &) override { return false; }
    QString saveFileName(const QString &type, const QString &name, QWidget *) override
    {
        offered += type + u' ' + name + u' ';
        return typed;
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

    // Copy, by key or menu, takes the whole text, even where a window's shortcut would.
    void copy()
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
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Down);
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
        });
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {}, {});
        QApplication::sendEvent(field.viewport(), &menuKey);
        QCOMPARE(QGuiApplication::clipboard()->text(), field.toPlainText());
    }

    // Cancelling prints nothing, else every line once, in order, wrapped within 65-point margins
    // of the printable area, the sheets numbered from 1 below them, in black in a dark theme too.
    void printing()
    {
        QPalette dark;
        dark.setColor(QPalette::Text, Qt::white);
        QApplication::setPalette(dark);
        const QTemporaryDir folder;
        bool cancelled = false;
        answer = [&](QDialog *dialog) { // page setup, then print
            auto *print = qobject_cast<QPrintDialog *>(dialog);
            if (QPrinter *printer = print ? print->printer() : nullptr) {
                printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                    QMarginsF(36, 36, 36, 36), QPageLayout::Point));
                printer->setOutputFileName(folder.filePath("sheets.pdf"));
            }
            dialog->done(!print || std::exchange(cancelled, true)); // cancels the first print only
        };
        editFieldExtras field;
        QList<int> all, pages, lines; // as printed: each sheet's number, the lines' numbers
        for (int line = 1; line <= 120; ++line)
            all.append(line), field.append(QString::number(line) + QString(" -").repeated(80));
        field.print(/*pageNumbers*/ true);
        QVERIFY(!QFile::exists(folder.filePath("sheets.pdf")));
        field.print(true);
        QProcess pdftotext;
        pdftotext.start("pdftotext", { "-tsv", folder.filePath("sheets.pdf"), "-" });
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
            else if (f[0] == "5" && (text |= box, f[11] != "-"))
                lines.append(f[11].toInt());
        }
        QCOMPARE(lines, all);
        QCOMPARE(pages, all.first(pages.size()));
        QVERIFY(text.topLeft().toPoint() == QPoint(101, 101) && text.right() < 495);
        QVERIFY(footers.toRect().topLeft() == QPoint(101, 795) && qRound(footers.height()) == 8);
        QProcess::execute("pdftoppm",
            { "-png", "-singlefile", folder.filePath("sheets.pdf"), folder.filePath("sheet") });
        QImage inked
            = QImage(folder.filePath("sheet.png")).convertToFormat(QImage::Format_Grayscale8);
        inked = inked.copy(0, 0, inked.width(), inked.height() / 2); // above the footer
        QVERIFY(*std::min_element(inked.constBits(), inked.constBits() + inked.sizeInBytes()) < 64);
    }

    // Qt's save question offers text files first. A default name without ".txt" has it appended
    // (the names answered here: Qt's dialog may reset a typed name when its folder loads).
    void save()
    {
        QStringList types;
        answer = [&](auto *d) { types = static_cast<QFileDialog *>(d)->nameFilters(), d->done(0); };
        QCOMPARE(outputDialogs().saveFileName("text", "untitled.txt", nullptr), QString());
        QVERIFY(types.size() == 2 && types[0].endsWith(" *.txt)")); // and then all files
        const QTemporaryDir dir;
        installOutputDialogs(this);
        editFieldExtras field;
        field.setPlainText(QStringLiteral("12\n÷ 4\n---\n3\n"));
        for (const QString name : { "a", "b", "" }) { // "": cancel
            typed = name.isEmpty() ? name : dir.filePath(name);
            name == u"a" ? field.save() : field.save(QStringLiteral("text"), "transcript");
        }
        installOutputDialogs(nullptr);
        QCOMPARE(offered, "text untitled.txt text transcript text transcript ");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).join(u','), "a,b.txt");
        QFile saved(dir.filePath(QStringLiteral("a")));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), field.toPlainText().toUtf8()); // UTF-8, with the line ends
        QVERIFY(!saveTextFile(dir.filePath("missing/a"), "into a folder that is not there"));
    }
};

QTEST_MAIN(tst_transcript)
#include "tst_transcript.moc"
