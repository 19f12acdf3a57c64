#pragma once

#include "SkinSet.h"

#include <QImage>

// One picture for review: the face playing and switched off, every
// control's looks, and the three dialogs with their buttons, laid out as the
// program draws them.
QImage ComposePreview(const SkinSet& set);
