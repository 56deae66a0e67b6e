#pragma once

#include <QString>
#include <optional>
#include <string>

#include "core/model/competitie.h"

namespace kzo {

// Club name and " - " cut at 33 characters, then the class name, the whole cut at 63.
QString VensterTitel(const std::string& club, const std::string& klasse);

// Status panel 0: how results are typed.
QString InvoerwijzeTekst(const TClubInfo& club);
// Status panel 1 for the selected row: the rider field the club chose in AlgOptie,
// marked when the rider rides out of competition; none when the panel keeps its text.
std::optional<QString> RijderPaneelTekst(const TKlasse& k, int row, const TClubInfo& club);
// Status panel 2 for the selected cell.
QString KolomPaneelTekst(const TKlasse& k, int col, int row, const TClubInfo& club);

// Riders of every class as the about box counts them: the rider rows, less one per
// class whose last row holds an empty rider.
int AantalRijders(const TCompetitie& comp);

}  // namespace kzo
