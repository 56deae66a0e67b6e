#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include "core/file/gebruikersinstellingen.h"

namespace kzo {

// The competition file named on the command line. regel is the whole command line as
// the system gave it, parameters the arguments after the program. A quoted program
// path ending in EXE is cut off with the one separator after it; otherwise the
// parameters are joined with single blanks, so an unquoted name with blanks survives.
// Double quotes go, and so does white space at both ends.
QString CommandoRegelBestand(const QString& regel, const QStringList& parameters);

// The whole command line of this process (on Windows the system's own, elsewhere the
// arguments joined with blanks) and its parameters.
QString EigenCommandoRegel();
QStringList EigenParameters();

// What to do with a stored window placement at start-up.
struct TPlaatsing {
  enum Soort { Niets, Maximaliseren, Normaal };
  Soort soort = Niets;
  QRect rect;  // for Normaal: left, top, width, height
};
// A maximised window is maximised again; a normal one is placed only when it is large
// enough and its top-left corner lies well inside the screen; a minimised one is ignored.
TPlaatsing BepaalPlaatsing(const TVenster& v, QSize scherm);
TVenster VensterVan(const QRect& rect, int staat);

}  // namespace kzo
