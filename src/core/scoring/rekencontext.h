#pragma once

#include "core/model/mijndata.h"
#include "core/model/rijder.h"
#include "core/records/opties.h"
#include "core/records/records.h"

namespace kzo {

class TMeldLijst;

// EindOptie at program start: gross/net standing, both totals, "Geen eindklassing",
// all classes.
inline constexpr int EindOptieStart = 87;

// What the scoring layer keeps for the whole program run: the option word of the last
// standings computation and the counting-results table. The main window owns one.
struct TRekenStaat {
  int EindOptie = EindOptieStart;
  TTellend Tellend{};
};

// Everything a computation reads or fills besides the class and the rider, passed
// explicitly instead of living in program-wide variables.
struct TRekenContext {
  const TClubInfo& club;
  TTellend& Tellend;                // filled by Sorteren for modes above 6
  int EindOptie = EindOptieStart;   // bits 4-5: BM treatment
  char decimaal = ',';              // the user's decimal separator for averages
  TMynData* MynData = nullptr;      // finishing places of the quick-entry sort
  TMeldLijst* Meldingen = nullptr;  // the current message list; none = no tie lines
};

}  // namespace kzo
