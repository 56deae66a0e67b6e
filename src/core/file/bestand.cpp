#include "core/file/bestand.h"

#include <exception>
#include <memory>

#include "core/file/gebruikersinstellingen.h"
#include "core/model/bytestroom.h"
#include "core/records/cp1252.h"
#include "core/records/instellingen.h"

namespace kzo {

std::int32_t BestandVersie(const TCompetitie& comp) {
  const TClubInfo& c = comp.Club;
  std::int32_t v = (c.PuntAftrek == 1 && c.RekMethode < 2) ? 2 : 3;
  if (c.RekMethode == 3) v = 4;
  if (comp.MynData.HeeftTekst()) v = 5;
  return v | kVersie99;
}

namespace {

// Room for the whole file at once: the largest competition is several megabytes.
std::size_t GeschatteGrootte(const TCompetitie& comp) {
  std::size_t n = kEersteKlasse;
  for (const auto& k : comp.Tabs)
    if (k)
      n += sizeof(TKlasseInfo) + static_cast<std::size_t>(k->SG.RowCount()) * sizeof(TRijderInfo) +
           static_cast<std::size_t>(k->SG.ColCount()) * sizeof(TUitslagInfo);
  n += 4;
  for (const auto& regel : comp.MynData.Regels()) n += regel.size() + 2;
  return n;
}

}  // namespace

std::vector<std::uint8_t> BestandBytes(TCompetitie& comp, const Tletter& lettertype,
                                       const TKlok& klok) {
  TClubInfo& club = comp.Club;
  club.versie = BestandVersie(comp);
  club.UpDate = DatumNu(klok);
  club.aantalklasse = static_cast<std::int32_t>(comp.Tabs.size());
  club.Lettertype = lettertype;

  TByteSchrijver s;
  s.Reserveer(GeschatteGrootte(comp));
  s.SchrijfRecord(club);
  s.SchrijfNullen(kGereserveerd);
  s.SchrijfRecord(comp.Instellingen);
  std::int32_t geschreven = 0;
  for (auto& k : comp.Tabs) {
    if (!k) continue;
    k->SaveKlasse(s);
    ++geschreven;
  }
  bool herschrijf = false;
  if (comp.MynData.HeeftTekst()) {
    if (s.Positie() != club.MynDpos) {
      club.MynDpos = static_cast<std::uint32_t>(s.Positie());
      herschrijf = true;
    }
    comp.MynData.SaveData(s);
  }
  // An empty store leaves MynDpos as it was: files keep the offset they had.
  if (geschreven != club.aantalklasse || herschrijf) {
    club.aantalklasse = geschreven;
    s.Zoek(0);
    s.SchrijfRecord(club);
    s.ZoekEinde();
  }
  return s.Neem();
}

namespace {

void VoegTabToe(TCompetitie& comp, std::unique_ptr<TKlasse> k) {
  // The "?" tab of a closed competition takes the first class.
  if (comp.Tabs.size() == 1 && !comp.Tabs[0])
    comp.Tabs[0] = std::move(k);
  else
    comp.Tabs.push_back(std::move(k));
}

void LeesKlassen(TCompetitie& comp, TByteLezer& s) {
  const TClubInfo& club = comp.Club;
  // The program never makes more; a count beyond it is damage, and reading it would let a
  // small file claim a great many grids.
  if (club.aantalklasse > MaxKlassen) throw TLeesFout("too many classes");
  const bool all99 = (club.versie & kVersie99) != 0;
  for (std::int32_t i = 0; i < club.aantalklasse; ++i) {
    auto k = std::make_unique<TKlasse>("", club);
    k->LaadKlasse(s, all99, club);
    if (VasteKolommen(club) && k->SG.ColCount() > 3) k->SG.FixedCols = 3;
    VoegTabToe(comp, std::move(k));
  }
}

}  // namespace

TLaadUitslag BestandLaden(TCompetitie& comp, std::span<const std::uint8_t> bytes) {
  BestandSluiten(comp);
  comp.WisGewijzigd();
  TByteLezer s(bytes);
  try {
    comp.Club = s.LeesRecord<TClubInfo>();
    TClubInfo& club = comp.Club;
    const int versie = club.versie & 0xFF;
    if (versie < 2 || versie > 5) return {false, 2};
    if (versie < 3) club.PuntAftrek = 1;
    if (versie < 4) MethodeVoorkeur(club, club.RekMethode);
    s.Zoek(kInstellingenPos);
    comp.Instellingen = s.LeesRecord<TInstellingen>();
    LeesKlassen(comp, s);
    // The section follows the last class directly; MynDpos is not used for reading.
    if (versie == 5 && s.Rest() > 0) comp.MynData.LoadData(s);
  } catch (const std::exception&) {
    return {false, 3};
  }
  return {true, 0};
}

bool IsKzoNaam(std::string_view naam) {
  return HoofdLetters(naam).find(".KZO", 1) != std::string::npos;
}

namespace {

// Position of the extension's dot, or npos when the last path part has none.
std::size_t ExtensiePunt(std::string_view naam) {
  std::size_t punt = naam.find_last_of(".\\/:");
  if (punt == std::string_view::npos || naam[punt] != '.') return std::string_view::npos;
  return punt;
}

}  // namespace

std::string BakNaam(std::string_view naam) {
  return std::string(naam.substr(0, ExtensiePunt(naam))) + ".BAK";
}

std::optional<std::string> BewaarAlsNaam(std::string_view naam) {
  std::size_t punt = ExtensiePunt(naam);
  if (punt == std::string_view::npos) return std::string(naam) + ".kzo";
  if (HoofdLetters(naam.substr(punt)) != ".KZO") return std::nullopt;
  // The extension keeps the case it was chosen with: on a file system that tells cases
  // apart, "X.KZO" must replace that file, not start a second one beside it.
  return std::string(naam);
}

TLaadUitslag BestandLaden(TCompetitie& comp, const std::string& naam, IBestandsOpslag& opslag,
                          IInstellingenOpslag& instellingen) {
  if (!IsKzoNaam(naam) || !opslag.Bestaat(naam)) return {};
  std::vector<std::uint8_t> bytes;
  if (opslag.LeesBestand(naam, kMaxBestandGrootte, bytes)) {
    BestandSluiten(comp);
    comp.WisGewijzigd();
    return {false, 3};
  }
  TLaadUitslag r = BestandLaden(comp, bytes);
  if (!r.ok) return r;
  comp.Bestandsnaam = naam;
  try {
    // In full: "Laad laatste bestand" may run from another folder.
    BewaarLaatsteBestand(instellingen, opslag.VolledigeNaam(naam));
  } catch (const std::exception&) {
    return {false, 3};  // the competition was read whole; it keeps its name
  }
  return r;
}

namespace {

bool ZelfdeNaamHoofdletterOngevoelig(std::string_view a, std::string_view b) {
  return a.size() == b.size() && VergelijkTekst(a, b) == 0;
}

// The disk steps up to the moment the new file is in place; nothing under naam changes
// before the last step. naam is the file itself, never a link to it.
TFout SchrijfVeilig(IBestandsOpslag& opslag, const std::string& naam,
                    std::span<const std::uint8_t> bytes) {
  // Before anything is written: a write-protected file is refused, not replaced.
  if (opslag.Bestaat(naam))
    if (TFout f = opslag.MagVervangen(naam)) return f;
  std::string tijdelijk;
  auto mislukt = [&](TFout fout) {
    if (!tijdelijk.empty()) opslag.Verwijder(tijdelijk);
    return fout;
  };
  if (TFout f = opslag.SchrijfTijdelijk(naam, bytes, tijdelijk)) return mislukt(f);
  if (TFout f = opslag.Synchroniseer(tijdelijk)) return mislukt(f);
  const std::string bak = BakNaam(naam);
  // A file that itself ends in ".bak" must never be sent to the trash as its own backup.
  if (opslag.Bestaat(naam) && !ZelfdeNaamHoofdletterOngevoelig(bak, naam)) {
    if (opslag.Bestaat(bak))
      if (TFout f = opslag.NaarPrullenbak(bak)) return mislukt(f);
    if (TFout f = opslag.MaakKopie(naam, bak)) return mislukt(f);
  }
  if (TFout f = opslag.Hernoem(tijdelijk, naam)) return mislukt(f);
  return std::nullopt;
}

}  // namespace

TFout BestandBewaren(TCompetitie& comp, const std::string& naam, const Tletter& lettertype,
                     const TKlok& klok, IBestandsOpslag& opslag,
                     IInstellingenOpslag& instellingen) {
  const TClubInfo voor = comp.Club;
  std::vector<std::uint8_t> bytes;
  try {
    bytes = BestandBytes(comp, lettertype, klok);
  } catch (const std::exception& e) {
    comp.Club = voor;
    return std::string("Kan het bestand niet bewaren: ") + e.what();
  }
  // A link stays a link: the temporary file, the backup and the rename work on the file it
  // points to. Replacing the link itself would leave that file with the old season.
  const std::string doel = opslag.EchteNaam(naam);
  if (TFout f = SchrijfVeilig(opslag, doel, bytes)) {
    comp.Club = voor;  // the header stays as the file on disk still has it
    return f;
  }
  // The new file is in place from here on; the competition is what it holds.
  comp.Bestandsnaam = naam;
  if (TFout f = opslag.SynchroniseerMap(doel)) return f;
  try {
    BewaarLaatsteBestand(instellingen, opslag.VolledigeNaam(naam));
  } catch (const std::exception& e) {
    return std::string(e.what());
  }
  comp.WisGewijzigd();
  return std::nullopt;
}

}  // namespace kzo
