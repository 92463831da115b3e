// The floor for start-up: a bare Qt window with a line edit, 18 buttons and a text edit, doing
// nothing else.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(525, 530);
    auto *display = new QLineEdit(&window);
    display->setGeometry(3, 2, 365, 85);
    for (int key = 0; key < 18; ++key)
        (new QPushButton(QString::number(key), &window))->setGeometry(3 + key % 4 * 93, 93 + key / 4 * 94, 87, 87);
    (new QTextEdit(&window))->setGeometry(375, 3, 145, 520);
    window.show();
    return app.exec();
}
