#pragma once

// A context on scripted prompts, settings in memory, the real disk and a fixed clock.

#include <QString>
#include <ostream>

#include "core/file/instellingenopslag.h"
#include "core/records/datum.h"
#include "platform/qtbestandsopslag.h"
#include "scriptgebruiker.h"
#include "ui/widgets/context.h"

// Readable QStrings in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace kzo::test {

struct TOmgeving {
  TScriptGebruiker g;
  TGeheugenInstellingen inst;
  TQtBestandsOpslag disk;
  TVasteKlok klok{TDatumTijd{2024, 3, 5, 14, 7, 0}};
  TContext ctx{g, inst, disk, klok};
  TCompetitie& comp = ctx.Competitie();
};

}  // namespace kzo::test
