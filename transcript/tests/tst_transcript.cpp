#include "transcript/FileTypes.h"
#include "transcript/OutputDialogs.h"
#include "transcript/editFieldExtras.h"

#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>

// The transcript field with Qt's own dialogs and menus, answered as each test scripts them.
class tst_transcript : public QObject
{
    Q_OBJECT

    QTimer poll;
    std::function<void(QWidget *)> answer;

private slots:
    void initTestCase()
    {
        connect(&poll, &QTimer::timeout, this, [this] {
            QWidget *open = QApplication::activeModalWidget();
            if (open || (open = QApplication::activePopupWidget()))
                answer(open);
        });
        poll.start(10);
        FileTypes::createRecords();
        QVERIFY(FileTypes::find("Text/Plain") && !FileTypes::find("image"));
    }

    // Copy takes the whole text, not the selection, even where a window's shortcut would.
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
        answer = [](QWidget *menu) { // the first item that is enabled
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        };
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {}, {});
        QApplication::sendEvent(field.viewport(), &menuKey);
        QCOMPARE(QGuiApplication::clipboard()->text(), field.toPlainText());
    }

    // Cancelling prints nothing; otherwise the sheets carry every line once, in order, wrapped
    // 65 points inside the printable area, and their numbers from 1 below that.
    void print()
    {
        const QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("sheets.pdf"));
        bool accept = false;
        answer = [&](QWidget *dialog) { // page setup, then print
            auto *print = qobject_cast<QPrintDialog *>(dialog);
            if (QPrinter *printer = print ? print->printer() : nullptr) {
                printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                    QMarginsF(36, 36, 36, 36), QPageLayout::Point));
                printer->setOutputFileName(pdf);
            }
            static_cast<QDialog *>(dialog)->done(accept || !print); // 1: accepted
        };
        editFieldExtras field;
        QList<int> all, pages, lines; // as printed: each sheet's number, the lines' numbers
        for (int line = 1; line <= 120; ++line)
            all.append(line), field.append(QString::number(line) + QString(" -").repeated(60));
        field.print(/*pageNumbers*/ true);
        QVERIFY(!QFile::exists(pdf));
        accept = true;
        field.print(true);
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), { QStringLiteral("-tsv"), pdf, "-" });
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
        QCOMPARE(text.topLeft().toPoint(), QPoint(101, 101));
        QVERIFY(text.right() < 495 && text.bottom() < 742);
        QCOMPARE(footers.toRect().topLeft(), QPoint(101, 795)); // 8 points, 5 above the bottom
        QCOMPARE(qRound(footers.height()), 8);
    }

    // The save question offers the default name; a default name without ".txt" has it appended
    // to the saved file's, unless that name is taken. (Answered through the seam: Qt's own file
    // dialog may reset a typed name when its folder finishes loading late.)
    void save()
    {
        struct SaveAs final : OutputDialogs
        {
            bool pageSetup(QPrinter &) override { return false; }
            bool print(QPrinter &) override { return false; }
            QString saveFileName(const QString &type, const QString &name, QWidget *) override
            {
                offered += type + u' ' + name + u' ';
                return typed.isEmpty() ? QString() : folder + typed;
            }
            QString folder, offered, typed;
        } dialogs;
        const QTemporaryDir dir;
        dialogs.folder = dir.path() + u'/';
        installOutputDialogs(&dialogs);
        editFieldExtras field;
        field.setPlainText(QStringLiteral("12\n÷ 4\n---\n3\n"));
        QVERIFY(QFile(dir.filePath(QStringLiteral("c.txt"))).open(QIODevice::WriteOnly)); // taken
        for (const QString name : { "a", "b", "c", "" }) { // "": cancel
            dialogs.typed = name;
            name == u"a" ? field.save() : field.save(QStringLiteral("text"), "transcript");
        }
        installOutputDialogs(nullptr);
        QCOMPARE(dialogs.offered,
            "text untitled.txt text transcript text transcript text transcript ");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).join(u','), "a,b.txt,c,c.txt");
        QFile saved(dir.filePath(QStringLiteral("a")));
        QVERIFY(saved.open(QIODevice::ReadOnly) && QFileInfo(dir.filePath("c.txt")).size() == 0);
        QCOMPARE(saved.readAll(), field.toPlainText().toUtf8()); // UTF-8, with the line ends
    }
};

QTEST_MAIN(tst_transcript)
#include "tst_transcript.moc"
