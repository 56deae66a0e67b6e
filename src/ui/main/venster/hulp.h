#pragma once

#include <QString>
#include <QUrl>
#include <functional>

#include "ui/widgets/gebruiker.h"

namespace kzo {

// The page for a help context: "hulp/<context>.html" in the program folder, else the
// help's "hulp/index.html"; empty when no help is installed there.
QString HulpPagina(const QString& programmaMap, int context);

// Shows the help of a context, or says plainly that no help is installed. openen shows
// a page (the desktop's browser unless a test says otherwise).
void ToonHulp(int context, const QString& programmaMap, IGebruiker& gebruiker,
              const std::function<bool(const QUrl&)>& openen = {});

}  // namespace kzo
