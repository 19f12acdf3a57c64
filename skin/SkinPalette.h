#pragma once

#include <QColor>

// Colours of the artwork. The display is a cyan backlit LCD; the program's
// own face text and scale colour (red 19, green 100, blue 149) were chosen to
// read on it.
namespace Palette {

inline const QColor Key{255, 189, 255};

inline const QColor Outline{24, 26, 30};
inline const QColor BodyLight{222, 225, 229};
inline const QColor BodyDark{163, 168, 176};
inline const QColor Bezel{30, 33, 38};

inline const QColor LcdLit{184, 230, 238};
inline const QColor LcdGhost{170, 216, 226};
inline const QColor LcdOff{50, 60, 63};
inline const QColor Ink{20, 58, 92};
inline const QColor FaceText{19, 100, 149};
inline const QColor RowHover{236, 252, 255};
inline const QColor RowPressed{132, 204, 222};
inline const QColor IndexTag{166, 214, 225};

inline const QColor CapTop{80, 86, 96};
inline const QColor CapBottom{42, 45, 52};
inline const QColor IconLit{120, 226, 250};
inline const QColor IconOff{128, 134, 142};
inline const QColor IconWarn{255, 118, 84};
inline const QColor Glow{90, 214, 245};

inline const QColor PanelBody{228, 232, 237};
inline const QColor PanelRim{28, 46, 68};
inline const QColor TitleTop{44, 92, 134};
inline const QColor TitleBottom{20, 48, 78};
inline const QColor Well{128, 255, 255};
inline const QColor WellRim{64, 126, 150};
inline const QColor ListBox{248, 250, 252};

} // namespace Palette
