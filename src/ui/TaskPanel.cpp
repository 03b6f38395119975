#include "ui/TaskPanel.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace korvel::ui {

HoverLink::HoverLink(const QString& objectName, const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
    updateStyle();
}

void HoverLink::click()
{
    if (isEnabled())
        emit clicked();
}

void HoverLink::enterEvent(QEnterEvent* event)
{
    m_hover = true;
    updateStyle();
    QLabel::enterEvent(event);
}

void HoverLink::leaveEvent(QEvent* event)
{
    m_hover = false;
    updateStyle();
    QLabel::leaveEvent(event);
}

void HoverLink::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        click();
    QLabel::mouseReleaseEvent(event);
}

void HoverLink::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        updateStyle();
    QLabel::changeEvent(event);
}

void HoverLink::updateStyle()
{
    QFont f = font();
    f.setUnderline(m_hover && isEnabled());
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, isEnabled() ? (m_hover ? QColor(66, 142, 255) : QColor(33, 93, 198))
                                                 : QColor(150, 150, 150));
    setPalette(p);
}

TaskSection::TaskSection(const QString& title, QWidget* parent) : QWidget(parent)
{
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(10, 4, 6, 4);
    m_layout->setSpacing(3);
    m_title = new QLabel(title, this);
    QFont f = m_title->font();
    f.setBold(true);
    m_title->setFont(f);
    m_layout->addWidget(m_title);
}

QString TaskSection::title() const { return m_title->text(); }

HoverLink* TaskSection::addLink(const QString& objectName, const QString& text)
{
    auto* link = new HoverLink(objectName, text, this);
    m_layout->addWidget(link);
    return link;
}

void TaskSection::addWidget(QWidget* widget) { m_layout->addWidget(widget); }

TaskBox::TaskBox(const QString& objectName, const QString& title, QWidget* parent) : QFrame(parent)
{
    setObjectName(objectName);
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(214, 223, 247));
    setPalette(p);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    m_header = new QLabel(title, this);
    m_header->setAutoFillBackground(true);
    QPalette hp = m_header->palette();
    hp.setColor(QPalette::Window, QColor(255, 255, 255));
    hp.setColor(QPalette::WindowText, QColor(33, 93, 198));
    m_header->setPalette(hp);
    QFont f = m_header->font();
    f.setBold(true);
    m_header->setFont(f);
    m_header->setContentsMargins(8, 4, 8, 4);
    outer->addWidget(m_header);
    auto* body = new QWidget(this);
    m_body = new QVBoxLayout(body);
    m_body->setContentsMargins(0, 2, 0, 4);
    m_body->setSpacing(2);
    outer->addWidget(body, 1);
}

QString TaskBox::title() const { return m_header->text(); }

TaskSection* TaskBox::addSection(const QString& title)
{
    auto* s = new TaskSection(title, this);
    m_body->addWidget(s);
    return s;
}

TaskSection* TaskBox::section(const QString& title) const
{
    for (auto* s : findChildren<TaskSection*>())
        if (s->title() == title)
            return s;
    return nullptr;
}

void TaskBox::addWidget(QWidget* widget, int stretch) { m_body->addWidget(widget, stretch); }

TaskPanel::TaskPanel(QWidget* parent) : QWidget(parent)
{
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(12, 12, 12, 12);
    m_layout->setSpacing(12);
}

TaskBox* TaskPanel::addBox(const QString& objectName, const QString& title)
{
    auto* box = new TaskBox(objectName, title, this);
    m_layout->addWidget(box);
    return box;
}

void TaskPanel::addStretch() { m_layout->addStretch(1); }

void TaskPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, palette().color(QPalette::Window));
    g.setColorAt(1, QColor(245, 245, 245));
    p.fillRect(rect(), g);
}

} // namespace korvel::ui
