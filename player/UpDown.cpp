#include "UpDown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

#include <algorithm>

UpDown::UpDown(QLineEdit* associate, QWidget* parent) : QWidget(parent), m_associate(associate)
{
    setFocusPolicy(Qt::StrongFocus);
    Show();
}

void UpDown::SetMin(int min)
{
    m_min = min;
    m_max = std::max(m_max, m_min);
    SetPosition(m_position);
}

void UpDown::SetMax(int max)
{
    m_max = std::max(max, m_min);
    SetPosition(m_position);
}

void UpDown::SetPosition(int position)
{
    m_position = std::clamp(position, m_min, m_max);
    Show();
}

void UpDown::StepUp()
{
    SetPosition(m_position >= m_max ? m_min : m_position + 1);
}

void UpDown::StepDown()
{
    SetPosition(m_position <= m_min ? m_max : m_position - 1);
}

void UpDown::Show()
{
    if (m_associate)
        m_associate->setText(QString::number(m_position));
    update();
}

void UpDown::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect whole = rect();
    const int half = whole.height() / 2;
    const QRect upper(0, 0, whole.width(), half);
    const QRect lower(0, half, whole.width(), whole.height() - half);
    for (const QRect& box : {upper, lower}) {
        painter.fillRect(box, palette().button());
        painter.setPen(palette().dark().color());
        painter.drawRect(box.adjusted(0, 0, -1, -1));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(isEnabled() ? palette().buttonText() : palette().mid());
    const int cx = whole.width() / 2;
    const QPolygon upArrow({QPoint(cx - 3, half - 2), QPoint(cx + 3, half - 2), QPoint(cx, half - 5)});
    const QPolygon downArrow({QPoint(cx - 3, half + 2), QPoint(cx + 3, half + 2), QPoint(cx, half + 5)});
    painter.drawPolygon(upArrow);
    painter.drawPolygon(downArrow);
}

void UpDown::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (event->position().y() < height() / 2.0)
        StepUp();
    else
        StepDown();
}

void UpDown::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        StepUp();
        break;
    case Qt::Key_Down:
        StepDown();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
