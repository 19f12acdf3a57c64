#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

// A picture control of a skinned window: shows one image, lets the mouse
// events through to the window's handlers, and hides the pixels of the key
// colour when it is drawn transparent. The face picture of each window is
// one of these, and so are the small images that lie on it.
class SkinImage : public QWidget {
    Q_OBJECT
public:
    using MouseHandler = std::function<void(Qt::MouseButton button, int x, int y)>;
    using MoveHandler = std::function<void(int x, int y)>;
    using ClickHandler = std::function<void()>;

    explicit SkinImage(QWidget* parent);

    // The canvas: draw on it, then call Changed() (or let the next event
    // loop turn repaint it).
    QImage& Canvas() { return m_canvas; }
    const QImage& Canvas() const { return m_canvas; }
    void SetPicture(const QImage& picture);
    // Pixels of the key colour are not shown; the picture still takes the
    // mouse over its whole rectangle.
    void SetTransparent(bool transparent);
    void Changed();

    // The hint shown when the pointer rests over the picture, and whether
    // it is shown at all.
    void SetHint(const QString& hint);
    QString Hint() const { return m_hint; }
    void SetShowHint(bool show);
    bool ShowHint() const { return m_showHint; }

    MouseHandler OnMouseDown;
    MoveHandler OnMouseMove;
    MouseHandler OnMouseUp;
    ClickHandler OnClick;
    ClickHandler OnDblClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    QImage m_canvas;
    QString m_hint;
    bool m_showHint = false;
    bool m_transparent = false;
    bool m_swallowRelease = false;
};
