#include "SkinImage.h"

#include "SkinPicture.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

SkinImage::SkinImage(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
}

void SkinImage::SetPicture(const QImage& picture)
{
    m_canvas = picture.convertToFormat(QImage::Format_RGB32);
    resize(m_canvas.size());
    setAttribute(Qt::WA_OpaquePaintEvent, !m_transparent);
    update();
}

void SkinImage::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    setAttribute(Qt::WA_OpaquePaintEvent, !m_transparent && !m_canvas.isNull());
    update();
}

void SkinImage::Changed()
{
    update();
}

void SkinImage::SetHint(const QString& hint)
{
    if (hint != m_hint && QToolTip::isVisible())
        QToolTip::hideText();
    m_hint = hint;
}

void SkinImage::SetShowHint(bool show)
{
    if (!show && m_showHint && QToolTip::isVisible())
        QToolTip::hideText();
    m_showHint = show;
}

void SkinImage::paintEvent(QPaintEvent*)
{
    // A picture control without a picture is an invisible hot area.
    if (m_canvas.isNull())
        return;
    QPainter painter(this);
    if (!m_transparent) {
        painter.drawImage(0, 0, m_canvas);
        return;
    }
    // What lies under the key colour stays visible: the window behind shows
    // through, as with any transparent picture.
    QImage shown(m_canvas.size(), QImage::Format_ARGB32_Premultiplied);
    shown.fill(Qt::transparent);
    DrawKeyed(shown, 0, 0, m_canvas, TransparentKey());
    painter.drawImage(0, 0, shown);
}

void SkinImage::mousePressEvent(QMouseEvent* event)
{
    m_swallowRelease = false;
    if (OnMouseDown) {
        const QPoint at = event->position().toPoint();
        OnMouseDown(event->button(), at.x(), at.y());
    }
}

void SkinImage::mouseMoveEvent(QMouseEvent* event)
{
    if (OnMouseMove) {
        const QPoint at = event->position().toPoint();
        OnMouseMove(at.x(), at.y());
    }
}

void SkinImage::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (OnMouseUp)
        OnMouseUp(event->button(), at.x(), at.y());
    // The release that ends a double click is not a click of its own.
    const bool click = event->button() == Qt::LeftButton && rect().contains(at) && !m_swallowRelease;
    m_swallowRelease = false;
    if (click && OnClick)
        OnClick();
}

void SkinImage::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    if (OnMouseDown) {
        const QPoint at = event->position().toPoint();
        OnMouseDown(event->button(), at.x(), at.y());
    }
    m_swallowRelease = true;
    if (OnDblClick)
        OnDblClick();
}

bool SkinImage::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (m_showHint && !m_hint.isEmpty())
            QToolTip::showText(help->globalPos(), m_hint, this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}
