#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

#include "core/records/records.h"

namespace kzo {

// A stored colour on screen: system colours (0xFF0000nn) come from the palette, other
// values are 0x00BBGGRR. Inactive caption has no palette role: a neutral grey between
// button face and the mid tone stands in for it.
QColor KleurNaarQt(TColor kleur, const QPalette& pal);

// A stored font on screen: an empty name keeps the family of the given default font;
// size in points (0 keeps the default size); style bits bold, italic, underline, strike-out.
QFont LetterNaarFont(const Tletter& letter, const QFont& standaard);

// The text colour of a stored font: its own colour, or the palette's text colour when
// the font is the default one.
QColor LetterKleur(const Tletter& letter, const QPalette& pal);

}  // namespace kzo
