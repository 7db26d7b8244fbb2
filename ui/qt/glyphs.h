// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace quarvel::ui::qt {

// The bottom buttons' glyphs, drawn rather than read from image files: the
// window shows sooner without the image decoders.
enum class Glyph { Erase, Open, Save, Quit, Camera, Dslr, Night, CopyPicture };
QIcon glyph(Glyph kind);

// The program's own icon, at the sizes the desktop entry's is rendered at.
QIcon programIcon();

}  // namespace quarvel::ui::qt
