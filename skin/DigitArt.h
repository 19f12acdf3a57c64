#pragma once

#include <QImage>

// Digit cells. Large cells (14 x 24) are seven-segment figures for the
// readout, drawn over their blank, which shows the unlit segments faintly as
// on a real display. Small cells (7 x 11) are crisp pixel figures that read
// on every background of the display: list fields, clock and scale.

QImage LargeBlank();              // n.bmp: backlight with faint segments
QImage LargePlainBlank();         // n2.bmp: plain backlight
QImage LargeDigit(int digit);     // 0-9, keyed
QImage LargeDot();                // decimal point cell, covers the faint "8"
QImage SmallDigit(int digit);     // 0-9, keyed
QImage SmallDot();
QImage SmallClearBlank();         // s_n.bmp: the list fields are redrawn
                                  // before every text, so it leaves them be
QImage SmallPlainBlank();         // s_n2.bmp: plain backlight
QImage ClockColon();
