#pragma once

#include <QString>

#include "ui/widgets/gebruiker.h"

namespace kzo {

// The page for a help context: "hulp/<context>.html" in the program folder, else the
// help's "hulp/index.html"; empty when no help is installed there.
QString HulpPagina(const QString& programmaMap, int context);

// Shows the help of a context through the prompt interface, or says plainly that no
// help is installed.
void ToonHulp(int context, const QString& programmaMap, IGebruiker& gebruiker);

}  // namespace kzo
