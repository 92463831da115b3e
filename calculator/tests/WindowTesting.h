#pragma once

#include "platform/testing/RecordingSpeech.h"
#include "program/Globals.h"

#include <QTest>

// Program-wide values as the application object leaves them at start.
inline void resetProgramValues()
{
    mGlobals.reset();
    mGlobals.sOperation.clear();
    mGlobals.bSpeech = true;
    mGlobals.sTheFont = QStringLiteral("Geneva");
    mGlobals.iTheFontSize = 12;
}

// Recorded phrases, those spoken without interrupting marked with a leading "~".
inline QStringList spoken(const RecordingSpeech &speech)
{
    QStringList result;
    for (const RecordingSpeech::Phrase &phrase : speech.phrases)
        result.append(phrase.interrupt == Interrupt::Yes ? phrase.text : u'~' + phrase.text);
    return result;
}

// Types keys into a widget: printable characters as themselves, control characters as the
// editing keys they stand for (8 Backspace, 9 Tab, 13 Return, 3 Enter, 27 Escape, 28 to 31 the
// arrows, 127 Delete).
inline void typeKeys(QWidget *widget, const QString &keys)
{
    for (QChar key : keys) {
        switch (key.unicode()) {
        case 3:
            QTest::keyClick(widget, Qt::Key_Enter);
            break;
        case 28:
            QTest::keyClick(widget, Qt::Key_Left);
            break;
        case 29:
            QTest::keyClick(widget, Qt::Key_Right);
            break;
        case 30:
            QTest::keyClick(widget, Qt::Key_Up);
            break;
        case 31:
            QTest::keyClick(widget, Qt::Key_Down);
            break;
        case 127:
            QTest::keyClick(widget, Qt::Key_Delete);
            break;
        default:
            QTest::keyClick(widget, key.toLatin1());
        }
    }
}
