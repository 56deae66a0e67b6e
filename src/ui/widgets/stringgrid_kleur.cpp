#include "ui/widgets/stringgrid_kleur.h"

namespace kzo {

namespace {

QColor Midden(const QColor& a, const QColor& b) {
  return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

QColor SysteemKleurQt(int index, const QPalette& pal) {
  switch (index) {
    case 0:   // scroll bar
    case 15:  // button face
      return pal.color(QPalette::Button);
    case 1:  // desktop
    case 4:  // menu
    case 10:
    case 11:
    case 30:
      return pal.color(QPalette::Window);
    case 2:  // active caption
    case 13:
    case 27:
    case 29:
      return pal.color(QPalette::Highlight);
    case 3:  // inactive caption
    case 28:
      return Midden(pal.color(QPalette::Button), pal.color(QPalette::Mid));
    case 5:
      return pal.color(QPalette::Base);
    case 6:
    case 21:
      return pal.color(QPalette::Shadow);
    case 7:
      return pal.color(QPalette::WindowText);
    case 8:
    case 19:
      return pal.color(QPalette::Text);
    case 9:
    case 14:
      return pal.color(QPalette::HighlightedText);
    case 12:
    case 16:
      return pal.color(QPalette::Dark);
    case 17:
      return pal.color(QPalette::Disabled, QPalette::Text);
    case 18:
      return pal.color(QPalette::ButtonText);
    case 20:
      return pal.color(QPalette::Light);
    case 22:
      return pal.color(QPalette::Midlight);
    case 23:
      return pal.color(QPalette::ToolTipText);
    case 24:
      return pal.color(QPalette::ToolTipBase);
    case 26:
      return pal.color(QPalette::Link);
    default:
      return pal.color(QPalette::Base);
  }
}

}  // namespace

QColor KleurNaarQt(TColor kleur, const QPalette& pal) {
  if ((kleur & 0xFF000000u) == 0xFF000000u) return SysteemKleurQt(kleur & 0xFFu, pal);
  return QColor(kleur & 0xFFu, (kleur >> 8) & 0xFFu, (kleur >> 16) & 0xFFu);
}

QFont LetterNaarFont(const Tletter& letter, const QFont& standaard) {
  QFont f = standaard;
  if (!letter.Name.Leeg()) f.setFamily(QString::fromStdString(letter.Name.Get()));
  if (letter.Size > 0) f.setPointSize(letter.Size);
  f.setBold(letter.Style & 1);
  f.setItalic(letter.Style & 2);
  f.setUnderline(letter.Style & 4);
  f.setStrikeOut(letter.Style & 8);
  return f;
}

QColor LetterKleur(const Tletter& letter, const QPalette& pal) {
  if (letter.Name.Leeg()) return pal.color(QPalette::Text);
  return KleurNaarQt(letter.Color, pal);
}

}  // namespace kzo
