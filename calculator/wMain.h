#pragma once

#include "calculator/CalculationReview.h"
#include "calculator/Calculator.h"
#include "calculator/CalculatorSurface.h"
#include "platform/MenuEnabling.h"

#include <QMainWindow>
#include <QTimer>

#include <array>

class DisplayField;
class QPushButton;
class editFieldExtras;

// The calculator window: the display, eighteen keys and the transcript. The keys are disabled
// for the first second after opening. Closing the window ends the application.
class wMain : public QMainWindow, public MenuEnabling, private CalculatorSurface
{
    Q_OBJECT

public:
    wMain();

    bool efDisplay_KeyDown(QChar key);
    bool efHistory_KeyDown();
    void PushButton_GotFocus(); // of any of the eighteen keys
    void PushButton1_Action();
    void PushButton2_Action();
    void PushButton3_Action();
    void PushButton4_Action();
    void PushButton5_Action();
    void PushButton6_Action();
    void PushButton7_Action();
    void PushButton8_Action();
    void PushButton9_Action();
    void PushButton10_Action();
    void PushButton11_Action();
    void PushButton12_Action();
    void PushButton13_Action();
    void PushButton14_Action();
    void PushButton15_Action();
    void PushButton16_Action();
    void PushButton17_Action();
    void PushButton18_Action();
    void Timer1_Action();

    // The items of the menu bar the application installed, or null where there is none.
    QAction *HelpMenu() const;
    QAction *HelpAbout() const;
    QAction *HelpHelp() const;
    QAction *EditMenu() const;
    QAction *EditCopy() const;
    QAction *FileMenu() const;
    QAction *FileAbout() const;
    QAction *FileQuit() const;

    // Attaches the window's own commands to the installed menu bar's items.
    void AddMenuHandlers();
    void Event_EnableMenuItems() override;

    // The window's commands; each clear is exactly a press of its key.
    void copyTranscript();
    void saveTranscript();
    void printTranscript();
    void clearWorkArea();
    void clearAll();
    CalculationReview &reviewCommands() { return review; } // the Review menu's, Say Display's

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void Event_Open();
    void Event_Close();
    void mAppearanceUpdate();
    QAction *menuItem(const QString &name) const;
    QPushButton *keyCaptioned(const QString &caption) const;

    // CalculatorSurface
    QString displayText() const override;
    void setDisplayText(const QString &text) override;
    void placeInsertionPointAfterSign() override;
    void appendToTranscript(const QString &text) override;
    void clearTranscript() override;
    bool transcriptIsEmpty() const override;
    void scrollTranscriptToEnd() override;
    void focusDisplay() override;
    bool keysEnabled() const override;

    DisplayField *efDisplay = nullptr;
    std::array<QPushButton *, 18> keys {}; // PushButton1 to PushButton18
    editFieldExtras *efHistory = nullptr;
    QTimer Timer1;
    Calculator calculator;
    CalculationReview review;
    bool centred = false;
};
