// The pictures of the title strip's buttons, drawn at start-up.
#pragma once

#include <QPixmap>
#include <QString>

namespace pelizo {

enum class PictureState { Normal, Hot, Selected };

// A 94 x 72 big button: an emblem over its caption.
QPixmap bigButtonPicture(const QString& caption, QChar emblem, PictureState state);

enum class StripGlyph { Menu, Minimise, Close };
// A 22 x 22 button of the strip.
QPixmap stripButtonPicture(StripGlyph glyph, PictureState state);

// The strip's background.
QPixmap titleStripPicture(int width, int height);

// The application's icon.
QPixmap applicationIcon(int size);

} // namespace pelizo
