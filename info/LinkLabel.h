#pragma once

#include <QLabel>

// A line of text that acts as a link. Under the mouse it shows the pointing hand; a press on it
// holds the mouse, so that the release activates it wherever it happens. From the keyboard it
// takes the focus with Tab and is activated with Space or Return; screen readers see a link with
// a press action. Its colour never changes, and a text too wide for it is condensed to fit.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    enum class Trigger { Mouse, Keyboard };

    explicit LinkLabel(QWidget *parent = nullptr);

    void setLinkText(const QString &text); // also its accessible name
    void activate(Trigger trigger) { emit activated(trigger); }

signals:
    void activated(LinkLabel::Trigger trigger);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool pressed = false;
};
