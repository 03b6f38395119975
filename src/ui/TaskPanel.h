#pragma once

#include <QFrame>
#include <QLabel>
#include <QWidget>

class QVBoxLayout;

namespace korvel::ui {

// A link in a task panel: underlined while the mouse is over it, hand cursor, clicked().
class HoverLink : public QLabel
{
    Q_OBJECT

public:
    HoverLink(const QString& objectName, const QString& text, QWidget* parent = nullptr);
    // Clicks a link as the user would (ignored while disabled).
    void click();

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void updateStyle();
    bool m_hover = false;
};

// A titled group of links (and other controls) inside a task box.
class TaskSection : public QWidget
{
    Q_OBJECT

public:
    explicit TaskSection(const QString& title, QWidget* parent = nullptr);
    HoverLink* addLink(const QString& objectName, const QString& text);
    void addWidget(QWidget* widget);
    QString title() const;

private:
    QLabel* m_title;
    QVBoxLayout* m_layout;
};

// A box of the task panel with a header ("Aufgaben", "Favoriten", ...) and sections.
class TaskBox : public QFrame
{
    Q_OBJECT

public:
    TaskBox(const QString& objectName, const QString& title, QWidget* parent = nullptr);
    TaskSection* addSection(const QString& title);
    void addWidget(QWidget* widget, int stretch = 0);
    QString title() const;
    TaskSection* section(const QString& title) const;

private:
    QLabel* m_header;
    QVBoxLayout* m_body;
};

// The left-hand panel of a window: boxes on a background running from the window colour
// to light grey.
class TaskPanel : public QWidget
{
    Q_OBJECT

public:
    explicit TaskPanel(QWidget* parent = nullptr);
    TaskBox* addBox(const QString& objectName, const QString& title);
    void addStretch();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QVBoxLayout* m_layout;
};

} // namespace korvel::ui
