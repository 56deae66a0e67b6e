#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/file/opslag.h"
#include "core/model/bytestroom.h"
#include "core/model/competitie.h"
#include "core/model/klasse.h"
#include "core/model/mijndata.h"
#include "core/records/opties.h"
#include "core/records/records.h"

namespace kzo {

// What reading another competition file gave, for the dialog "Klasse uit bestand
// toevoegen".
struct TAanvulUitslag {
  // 80: the file does not exist; 99: another version, or it stores points. The dialog
  // shows it and stops.
  std::uint32_t gelukt = 0;
  // Message 3 is due: the file is damaged. In list mode the names read so far are there,
  // in add mode the classes added so far stay.
  bool leesFout = false;
  TClubInfo Hoofd = NulRecord<TClubInfo>();  // header of the other file
  std::vector<std::string> Klassen;          // list mode: class names in file order
  int Toegevoegd = 0;                        // add mode: classes added

  // The message to show, 0 for none.
  std::uint32_t Melding() const { return gelukt ? gelukt : (leesFout ? 3u : 0u); }
};

// List mode: the other file's header and class names.
TAanvulUitslag Lees(std::span<const std::uint8_t> bytes);
// Add mode: the classes whose aangevinkt entry (index in file order) is set are added as
// new tabs while there are fewer than 20, with fresh rider identities and their riders'
// keyed text; sets the modified flag in every case, also when nothing could be added.
TAanvulUitslag Lees(std::span<const std::uint8_t> bytes, TCompetitie& comp,
                    const std::vector<bool>& aangevinkt);
// The same from a file; a missing file gives 80.
TAanvulUitslag Lees(const std::string& naam, IBestandsOpslag& opslag);
TAanvulUitslag Lees(const std::string& naam, IBestandsOpslag& opslag, TCompetitie& comp,
                    const std::vector<bool>& aangevinkt);

// Gives every rider of a class just read from another file a fresh identity from
// idCounter, in row order, and copies that rider's keyed-text lines from the other file's
// section at MDpos to the store under the new key. A section that is missing (MDpos 0 or
// beyond the end) or cannot be read adds no lines; the read position is kept.
void HernummerID(TKlasse& k, TByteLezer& s, std::uint32_t MDpos, std::uint32_t& idCounter,
                 TMynData& md);

}  // namespace kzo
