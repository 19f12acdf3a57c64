#pragma once

#include <QWidget>

class QLineEdit;

// Up and down arrows bound to a line edit that shows their position. A
// step past the maximum wraps to the minimum and a step below the minimum
// to the maximum. The upper half of the control steps up, the lower half
// down; with the focus, the arrow keys step too.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(QLineEdit* associate, QWidget* parent);

    int Min() const { return m_min; }
    int Max() const { return m_max; }
    int Position() const { return m_position; }
    void SetMin(int min);
    void SetMax(int max);
    // Shown at once in the bound edit; a position outside the range is
    // brought into it.
    void SetPosition(int position);

    void StepUp();
    void StepDown();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Show();

    QLineEdit* m_associate;
    int m_min = 1;
    int m_max = 1;
    int m_position = 1;
};
