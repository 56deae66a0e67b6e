#include "core/file/aanvul.h"

#include <exception>
#include <memory>
#include <string_view>
#include <unordered_map>

#include "core/file/bestand.h"

namespace kzo {

void HernummerID(TKlasse& k, TByteLezer& s, std::uint32_t MDpos, std::uint32_t& idCounter,
                 TMynData& md) {
  std::vector<std::string> regels;
  if (MDpos != 0 && MDpos < s.Grootte()) {
    const std::size_t terug = s.Positie();
    try {
      s.Zoek(MDpos);
      regels = SplitsRegels(LeesTekst(s));
    } catch (const TLeesFout&) {
      // A file saved without keyed text keeps its old MynDpos, which may now point into
      // class records: that is no section, and no reason to refuse the classes.
      regels.clear();
    }
    s.Zoek(terug);
  }
  if (!regels.empty() && !regels[0].starts_with('R')) regels.clear();

  // One pass over the section instead of one per rider.
  const std::size_t lengte = RijderSleutel(0).size();
  std::unordered_map<std::string_view, std::vector<std::size_t>> perSleutel;
  for (std::size_t i = 0; i < regels.size(); ++i)
    if (regels[i].size() >= lengte)
      perSleutel[std::string_view(regels[i]).substr(0, lengte)].push_back(i);

  for (int r = 1; r <= k.InfoKlasse.aantalrijders; ++r) {
    TRijder* rd = k.Rijder(r);
    if (!rd) continue;
    const std::string nieuw = RijderSleutel(idCounter);
    auto it = perSleutel.find(RijderSleutel(rd->Rijder.IDnum));
    if (it != perSleutel.end())
      for (std::size_t i : it->second) md.VoegRegelToe(nieuw + regels[i].substr(lengte));
    rd->Rijder.IDnum = idCounter++;
  }
}

namespace {

// The "?" tab of a closed competition is no tab with a class.
int AantalTabs(const TCompetitie& comp) {
  if (comp.Tabs.size() == 1 && !comp.Tabs[0]) return 0;
  return static_cast<int>(comp.Tabs.size());
}

void NeemKlasse(TCompetitie& comp, TByteLezer& s, const TClubInfo& hoofd) {
  auto k = std::make_unique<TKlasse>("", comp.Club);
  k->LaadKlasse(s, (hoofd.versie & kVersie99) != 0, comp.Club);
  if (VasteKolommen(comp.Club) && k->SG.ColCount() > 3) k->SG.FixedCols = 3;
  HernummerID(*k, s, hoofd.MynDpos, comp.Club.IDCounter, comp.MynData);
  if (AantalTabs(comp) == 0 && !comp.Tabs.empty())
    comp.Tabs[0] = std::move(k);
  else
    comp.Tabs.push_back(std::move(k));
}

void SlaKlasseOver(TByteLezer& s, const TKlasseInfo& ki, bool all99) {
  if (ki.aantalrijders < 0 || ki.aantalUitslInfo < 0) throw TLeesFout("negative count");
  const std::size_t rec = all99 ? sizeof(TRijderInfo) : sizeof(TRijderInfoOud);
  const std::size_t n = static_cast<std::size_t>(ki.aantalrijders) * rec +
                        static_cast<std::size_t>(ki.aantalUitslInfo) * sizeof(TUitslagInfo);
  s.Sla(n);
}

TAanvulUitslag LeesIntern(std::span<const std::uint8_t> bytes, TCompetitie* comp,
                          const std::vector<bool>& aangevinkt) {
  TAanvulUitslag u;
  TByteLezer s(bytes);
  try {
    u.Hoofd = s.LeesRecord<TClubInfo>();
    const TClubInfo& hoofd = u.Hoofd;
    const int versie = hoofd.versie & 0xFF;
    if (versie < 2 || versie > 5 || !SlaatPlaatsenOp(hoofd)) {
      u.gelukt = 99;
      return u;
    }
    s.Zoek(kEersteKlasse);
    const bool all99 = (hoofd.versie & kVersie99) != 0;
    for (std::int32_t i = 0; i < hoofd.aantalklasse; ++i) {
      const bool neem = comp && static_cast<std::size_t>(i) < aangevinkt.size() &&
                        aangevinkt[static_cast<std::size_t>(i)] && AantalTabs(*comp) < MaxKlassen;
      if (neem) {
        NeemKlasse(*comp, s, hoofd);
        ++u.Toegevoegd;
        continue;
      }
      const auto ki = s.LeesRecord<TKlasseInfo>();
      if (!comp) u.Klassen.push_back(ki.Naam.Get());
      if (i + 1 < hoofd.aantalklasse) SlaKlasseOver(s, ki, all99);
    }
  } catch (const std::exception&) {
    u.leesFout = true;
  }
  // "Ok" marks the competition modified whatever the reading gave.
  if (comp) comp->MarkeerGewijzigd();
  return u;
}

TAanvulUitslag LeesBestand(const std::string& naam, IBestandsOpslag& opslag, TCompetitie* comp,
                           const std::vector<bool>& aangevinkt) {
  TAanvulUitslag u;
  std::vector<std::uint8_t> bytes;
  if (!opslag.Bestaat(naam))
    u.gelukt = 80;
  else if (opslag.LeesBestand(naam, kMaxBestandGrootte, bytes))
    u.leesFout = true;
  else
    return LeesIntern(bytes, comp, aangevinkt);
  if (comp) comp->MarkeerGewijzigd();
  return u;
}

}  // namespace

TAanvulUitslag Lees(std::span<const std::uint8_t> bytes) { return LeesIntern(bytes, nullptr, {}); }

TAanvulUitslag Lees(std::span<const std::uint8_t> bytes, TCompetitie& comp,
                    const std::vector<bool>& aangevinkt) {
  return LeesIntern(bytes, &comp, aangevinkt);
}

TAanvulUitslag Lees(const std::string& naam, IBestandsOpslag& opslag) {
  return LeesBestand(naam, opslag, nullptr, {});
}

TAanvulUitslag Lees(const std::string& naam, IBestandsOpslag& opslag, TCompetitie& comp,
                    const std::vector<bool>& aangevinkt) {
  return LeesBestand(naam, opslag, &comp, aangevinkt);
}

}  // namespace kzo
