#include "output/tekstuitvoer.h"

#include <algorithm>
#include <cstdio>

#include "core/records/cp1252.h"
#include "core/records/datum.h"
#include "core/records/instellingen.h"
#include "core/scoring/sorteren.h"

namespace kzo {

namespace {

bool IsAscii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

// Appends a UTF-8 text as Windows-1252; most texts are plain ASCII.
void VoegToe(std::string& uit, std::string_view utf8) {
  if (IsAscii(utf8))
    uit.append(utf8);
  else
    uit += Utf8NaarCp1252(utf8);
}

void VoegHtmlToe(std::string& uit, std::string_view utf8) {
  bool schoon = true;
  for (char c : utf8) {
    if (static_cast<unsigned char>(c) >= 0x80 || c == '&' || c == '<' || c == '>' || c == '"') {
      schoon = false;
      break;
    }
  }
  if (schoon)
    uit.append(utf8);
  else
    uit += Utf8NaarCp1252(HtmlTekst(utf8));
}

std::size_t AantalTekens(std::string_view utf8) {
  std::size_t n = 0;
  for (char c : utf8)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

std::string Knip(std::string_view utf8, std::size_t tekens) {
  std::size_t n = 0, i = 0;
  for (; i < utf8.size(); ++i) {
    if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80 && n++ == tekens) break;
  }
  return std::string(utf8.substr(0, i));
}

const std::uint16_t kTotaalBits = UitBTotaal | UitBAantalUitslagen | UitBGemiddelde;

// Everything one class section needs to know.
struct TSectie {
  const TKlasse& k;
  const TClubInfo& club;  // with the export's name and zero bits
  const TTekstUitOpties& o;
  char decimaal;

  bool Gekozen(int kind) const {
    switch (kind) {
      case 0:
      case VeldNaam:
      case VeldExtra1:
      case VeldExtra2:
      case VeldExtra3:
        return true;
      case VeldStartnr:
        return o.B(UitBStartnummer);
      case VeldUitslag:
        return o.B(UitBUitslagen);
      case VeldNetto:
        return k.BN == 3 ? o.B(UitBAantalUitslagen) : k.BN <= 2 && o.B(UitBNetto);
      case VeldBruto:
      case VeldDag:
        return k.BN == 3 ? o.B(UitBTotaal) : k.BN <= 2 && o.B(UitBBruto);
      case VeldGemiddelde:
        return o.B(UitBGemiddelde);
      default:
        return false;
    }
  }

  static int Kind(const TColData* cd) { return cd ? cd->mode : -1; }

  std::string Resultaat(const TRijder* rd, int un) const {
    std::string t = rd ? rd->VeldStr(VeldUitslag, un, club, decimaal) : std::string();
    if (t.empty() && o.B(UitBLeegPrint)) t = o.LeegTekst;
    return t;
  }

  std::string Waarde(int r, int kind, const TColData* cd) const {
    if (kind == 0) return k.SG.Rij(r).positie;
    const TRijder* rd = k.SG.Rijder(r);
    if (kind == VeldUitslag) return Resultaat(rd, cd->Data);
    return rd ? rd->VeldStr(kind, 0, club, decimaal) : std::string();
  }

  // All results as one field, each right-aligned in two characters.
  std::string Samengevoegd(int r) const {
    std::string veld;
    const TRijder* rd = r > 0 ? k.SG.Rijder(r) : nullptr;
    bool eerste = true;
    for (int c = std::max(k.UitslPos, 0); c < k.SG.ColCount(); ++c) {
      const TColData* cd = k.SG.Kolom(c);
      if (Kind(cd) != VeldUitslag) break;
      std::string t = r > 0 ? Resultaat(rd, cd->Data) : std::to_string(cd->Data);
      if (!eerste) veld += o.TussenTekst;
      eerste = false;
      for (std::size_t n = AantalTekens(t); n < 2; ++n) veld += ' ';
      veld += t;
    }
    return veld;
  }

  std::vector<int> Rijen() const {
    std::vector<int> rijen;
    if (o.AlleenGeselecteerd) {
      for (int r = 1; r < k.SG.RowCount(); ++r)
        if (const TRijder* rd = k.SG.Rijder(r); rd && rd->Geselecteerd()) rijen.push_back(r);
    }
    // Nobody selected: everyone.
    if (rijen.empty())
      for (int r = 1; r < k.SG.RowCount(); ++r) rijen.push_back(r);
    return rijen;
  }
};

std::string Titel(const TCompetitie& comp, const TKlasse& k, const TTekstUitOpties& o) {
  std::string titel = o.B(UitBClubnaam) ? comp.Club.Clubnaam.Get() : std::string();
  if (o.B(UitBKlasseNaam)) titel += titel.empty() ? k.Naam() : " - " + k.Naam();
  return titel;
}

std::string NettoRegel(TCompetitie& comp, int tab) {
  return VulTekstIn(NettoMethodeTekst(comp, tab), comp, tab);
}

void Regel(std::string& uit, std::string_view ascii) {
  uit.append(ascii);
  uit += "\r\n";
}

// The bytes so far, handed on in pieces so that a large export never sits in memory whole.
struct TBuffer {
  const TUitvoerDoel& doel;
  std::string uit;
  bool goed = true;

  void Geef() {
    if (goed && !uit.empty()) goed = doel(uit);
    uit.clear();
  }
  void Misschien() {
    if (uit.size() >= (1u << 16)) Geef();
  }
};

// ---- text file ----

// In Windows-1252.
std::string Scheiding(const TTekstUitOpties& o) {
  if (o.A(UitAKarakter)) return Utf8NaarCp1252(o.KarakterTekst);
  if (o.A(UitAPuntkomma)) return ";";
  return "\t";
}

// The header line (r = 0) or a rider line; one line per column with "&Elk veld op
// nieuwe regel". sep is already in Windows-1252.
void TekstLijn(std::string& uit, const TSectie& s, int r, std::string_view sep) {
  const bool elk = s.o.A(UitAElkVeldRegel);
  const bool eenVeld = s.o.B(UitBEenVeld);
  const TTabel& sg = s.k.SG;
  // The line so far is what was written from here: empty leading fields add no separator.
  std::size_t lijn = uit.size();
  bool samengevoegd = false;
  for (int c = 1; c < sg.ColCount(); ++c) {
    const TColData* cd = sg.Kolom(c);
    const int kind = TSectie::Kind(cd);
    if (s.Gekozen(kind)) {
      const bool samen = kind == VeldUitslag && eenVeld;
      if (samen && samengevoegd) continue;  // no field and no line of its own
      if (!elk && uit.size() != lijn) uit += sep;
      if (samen) {
        samengevoegd = true;
        VoegToe(uit, s.Samengevoegd(r));
      } else {
        VoegToe(uit, r == 0 ? sg.Kop(c) : s.Waarde(r, kind, cd));
      }
    }
    if (elk) {
      uit += "\r\n";
      lijn = uit.size();
    }
  }
  if (!elk) uit += "\r\n";
}

void TekstSectie(TBuffer& b, TCompetitie& comp, int tab, const TSectie& s) {
  std::string& uit = b.uit;
  const std::string titel = Titel(comp, s.k, s.o);
  if (!titel.empty()) {
    VoegToe(uit, titel);
    uit += "\r\n";
  }
  const std::string netto = NettoRegel(comp, tab);
  if (!netto.empty()) {
    VoegToe(uit, netto);
    uit += "\r\n";
  }
  const std::string sep = Scheiding(s.o);
  TekstLijn(uit, s, 0, sep);
  for (int r : s.Rijen()) {
    TekstLijn(uit, s, r, sep);
    b.Misschien();
  }
  if (s.o.B(UitBInformatie)) {
    Regel(uit, "Informatie uitslagen:");
    for (const std::string& l : InformatieRegels(s.k, comp.Club)) {
      VoegToe(uit, l);
      uit += "\r\n";
    }
  }
  Regel(uit, "");
}

// ---- HTML file ----

enum class TUitlijning { Links, Midden, Rechts };

TUitlijning Uitlijning(int kind) {
  switch (kind) {
    case VeldStartnr:
    case VeldUitslag:
      return TUitlijning::Midden;
    case VeldNetto:
    case VeldBruto:
    case VeldGemiddelde:
    case VeldDag:
      return TUitlijning::Rechts;
    default:
      return TUitlijning::Links;
  }
}

// The fixed parts of an HTML cell of one kind: alignment, strike-through and colour
// (six hexadecimal digits, empty for none).
struct TCelVorm {
  std::string begin, leeg;
  const char* eind;

  TCelVorm(TUitlijning u, bool doorhalen, std::string_view kleur) {
    std::string open = "<td";
    if (!kleur.empty()) open = "<td bgcolor=\"#" + std::string(kleur) + "\";";
    // An empty cell keeps only its colour.
    leeg = open + ">&nbsp</td>\r\n";
    begin = open + (u == TUitlijning::Midden   ? " align=center>"
                    : u == TUitlijning::Rechts ? " align=right>"
                                               : ">");
    if (doorhalen) begin += "<s>";
    eind = doorhalen ? "</s></td>\r\n" : "</td>\r\n";
  }

  void Schrijf(std::string& uit, std::string_view tekst) const {
    if (tekst.empty() || tekst == " ") {
      uit += leeg;
      return;
    }
    uit += begin;
    VoegHtmlToe(uit, tekst);
    uit += eind;
  }
};

// A colour value of 0 is no colour.
std::string CelKleur(TColor kleur) { return kleur != 0 ? KleurHex(kleur) : std::string(); }

// The ways a written column's cells can look.
struct TKolomVorm {
  int kolom;
  TCelVorm gewoon;
  TCelVorm geschrapt;  // result columns: a discarded result
};

std::vector<TKolomVorm> KolomVormen(const TSectie& s, const std::vector<int>& kolommen) {
  const TClubInfo& club = s.club;
  const bool doorhalen =
      Heeft(club.DisplayInfo, ToonGeschrapt) && Heeft(club.DisplayInfo, SchrapDoorhalen);
  const bool schrapKleur =
      Heeft(club.DisplayInfo, ToonGeschrapt) && !Heeft(club.DisplayInfo, GeenSchrapKleur);
  const bool reeksKleur = !Heeft(club.DisplayInfo, GeenReeksKleuren) && s.o.B(UitBInformatie);
  std::vector<TKolomVorm> vormen;
  for (int c : kolommen) {
    const TColData* cd = s.k.SG.Kolom(c);
    if (cd->mode != VeldUitslag) {
      const TCelVorm v(Uitlijning(cd->mode), false, {});
      vormen.push_back({c, v, v});
      continue;
    }
    const std::string reeks = reeksKleur && cd->kleur != clWindow ? CelKleur(cd->kleur) : "";
    vormen.push_back(
        {c, TCelVorm(TUitlijning::Midden, false, reeks),
         TCelVorm(TUitlijning::Midden, doorhalen, schrapKleur ? CelKleur(club.SchrKleur) : reeks)});
  }
  return vormen;
}

void HtmlSectie(TBuffer& b, TCompetitie& comp, int tab, const TSectie& s) {
  std::string& uit = b.uit;
  const std::string titel = Titel(comp, s.k, s.o);
  const std::string netto = NettoRegel(comp, tab);
  if (!titel.empty()) {
    uit += "<p>";
    VoegHtmlToe(uit, titel);
    uit += "<br>\r\n";
  }
  if (!netto.empty()) {
    if (titel.empty()) uit += "<p>";
    VoegHtmlToe(uit, netto);
    uit += titel.empty() ? "</p>\r\n" : "<br>\r\n";
  }
  Regel(uit, "<table border=1 cellspacing=0 cellpadding=2>");
  Regel(uit, "<tr bgcolor=\"silver\">");
  const TTabel& sg = s.k.SG;
  const TCelVorm kopVorm(TUitlijning::Midden, false, {});
  std::vector<int> kolommen;
  for (int c = 1; c < sg.ColCount(); ++c) {
    if (s.Gekozen(TSectie::Kind(sg.Kolom(c)))) {
      kolommen.push_back(c);
      kopVorm.Schrijf(uit, sg.Kop(c));
    }
  }
  Regel(uit, "</tr>");

  const std::vector<TKolomVorm> vormen = KolomVormen(s, kolommen);
  for (int r : s.Rijen()) {
    Regel(uit, "<tr>");
    const TRijder* rd = sg.Rijder(r);
    for (const TKolomVorm& v : vormen) {
      const TColData* cd = sg.Kolom(v.kolom);
      if (cd->mode != VeldUitslag) {
        v.gewoon.Schrijf(uit, s.Waarde(r, cd->mode, cd));
      } else {
        const TCelVorm& vorm = rd && rd->Unused(cd->Data) ? v.geschrapt : v.gewoon;
        vorm.Schrijf(uit, s.Resultaat(rd, cd->Data));
      }
    }
    Regel(uit, "</tr>");
    b.Misschien();
  }
  Regel(uit, "</table>");
  if (s.o.B(UitBInformatie)) {
    Regel(uit, "<p>Informatie uitslagen:<br>");
    for (const std::string& l : InformatieRegels(s.k, s.club)) {
      VoegHtmlToe(uit, l);
      uit += "<br>\r\n";
    }
  }
  Regel(uit, "<p>&nbsp;</p>");
}

}  // namespace

TTotaalKeuzes TotaalKeuzes(const TCompetitie& comp) {
  int g = 0;
  bool a = false;
  for (const auto& k : comp.Tabs) {
    if (!k) continue;
    if ((k->BN == 1 || k->BN == 2) && g != 2) {
      const int laatste = k->SG.ColCount() - 1;
      const TColData* cd = laatste >= 0 ? k->SG.Kolom(laatste) : nullptr;
      g = k->BN == 2 ? 2 : (cd ? cd->mode : 0);
    }
    if (k->BN == 3) a = true;
  }
  TTotaalKeuzes t;
  t.Netto = g == 2 || g == VeldNetto;
  t.Bruto = g == 2 || g == VeldBruto || g == VeldDag;
  t.Gemiddelde = a;
  return t;
}

TTekstUitOpties OptiesBijOpenen(const TCompetitie& comp, const TTekstUitOpties& onthouden) {
  TTekstUitOpties o;
  const TTotaalKeuzes t = TotaalKeuzes(comp);
  std::uint16_t aan = 0;  // the total choices the dialog enables
  if (t.Netto) aan |= UitBNetto;
  if (t.Bruto) aan |= UitBBruto;
  if (t.Gemiddelde) aan |= kTotaalBits;
  o.WoordB |= aan;
  if (!NaamAlsGetypt(comp.Club)) o.WoordB |= UitBWisselNaam;
  if (NulLeeg(comp.Club)) o.WoordB |= UitBNulLeeg;
  if (onthouden.WoordA & UitAAanwezig) {
    const std::uint16_t totalen = kTotaalBits | UitBNetto | UitBBruto;
    o.WoordA = onthouden.WoordA;
    o.WoordB = static_cast<std::uint16_t>((onthouden.WoordB & ~totalen) |
                                          (onthouden.WoordB & totalen & aan));
    o.LeegTekst = onthouden.LeegTekst;
    o.TussenTekst = onthouden.TussenTekst;
    o.KarakterTekst = onthouden.KarakterTekst;
  }
  return o;
}

TTekstUitOpties OptiesOnthouden(const TTekstUitOpties& gekozen) {
  TTekstUitOpties o;
  o.WoordA = gekozen.WoordA | UitAAanwezig;
  o.WoordB = gekozen.WoordB;
  o.LeegTekst = Knip(gekozen.LeegTekst, 15);
  o.TussenTekst = Knip(gekozen.TussenTekst, 15);
  o.KarakterTekst = Knip(gekozen.KarakterTekst, 15);
  return o;
}

std::string UitvoerBestandsnaam(std::string_view naam, bool html) {
  const std::size_t map = naam.find_last_of("\\/:");
  const std::size_t punt = naam.rfind('.');
  std::string uit(naam);
  if (punt != std::string_view::npos && (map == std::string_view::npos || punt > map))
    uit.resize(punt);
  uit += html ? ".html" : ".txt";
  return uit;
}

std::vector<int> UitTeVoerenKlassen(const TCompetitie& comp, const TTekstUitOpties& o) {
  std::vector<int> tabs;
  const int n = static_cast<int>(comp.Tabs.size());
  for (int t = 0; t < n; ++t) {
    if (!comp.Tabs[static_cast<std::size_t>(t)]) continue;
    bool mee;
    if (o.A(UitAAlleKlassen))
      mee = true;
    else if (o.A(UitASelectieKlassen))
      mee = std::find(o.Klassen.begin(), o.Klassen.end(), t) != o.Klassen.end();
    else
      mee = t == comp.ActieveTab;
    if (mee) tabs.push_back(t);
  }
  return tabs;
}

bool TekstUitvoer(TCompetitie& comp, const TTekstUitOpties& o, char decimaal,
                  const TUitvoerDoel& doel) {
  // The name order and empty zeros of the export live on a copy of the header.
  TClubInfo club = comp.Club;
  club.AlgOptie &= ~(AlgNaamAlsGetypt | AlgNulLeeg);
  if (!o.B(UitBWisselNaam)) club.AlgOptie |= AlgNaamAlsGetypt;
  if (o.B(UitBNulLeeg)) club.AlgOptie |= AlgNulLeeg;

  const bool html = o.Html();
  TBuffer b{doel, {}};
  b.uit.reserve(1u << 17);
  std::string& uit = b.uit;
  if (html) {
    Regel(uit, "<html>");
    Regel(uit, "<head>");
    uit += "<title>";
    VoegHtmlToe(uit, comp.Club.Clubnaam.Get());
    Regel(uit, " wedstrijduitslagen</title>");
    Regel(uit, "<META name=\"generator\" content=\"Kzobaan voor Windows\">");
    // The bytes are Windows-1252; without this a browser or server that assumes UTF-8
    // shows "Ã©" for "é". The HTML of the day classification needs the same line.
    Regel(uit, "<META http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">");
    Regel(uit, "</head>");
    Regel(uit, "");
    Regel(uit, "<body>");
  }
  for (int tab : UitTeVoerenKlassen(comp, o)) {
    TKlasse& k = *comp.Tabs[static_cast<std::size_t>(tab)];
    if (html) ReeksKleuren(k, comp.Club);
    const TSectie s{k, club, o, decimaal};
    if (html)
      HtmlSectie(b, comp, tab, s);
    else
      TekstSectie(b, comp, tab, s);
    if (!b.goed) return false;
  }
  if (html) {
    Regel(uit, "</body>");
    Regel(uit, "</html>");
  }
  b.Geef();
  return b.goed;
}

std::string TekstUitvoer(TCompetitie& comp, const TTekstUitOpties& o, char decimaal) {
  std::string alles;
  TekstUitvoer(comp, o, decimaal, [&](std::string_view stuk) {
    alles += stuk;
    return true;
  });
  return alles;
}

TSchrijfUitkomst SchrijfTekstUitvoer(const std::string& pad, TCompetitie& comp,
                                     const TTekstUitOpties& o, char decimaal) {
  std::FILE* f = std::fopen(pad.c_str(), "wb");
  if (!f) return TSchrijfUitkomst::NietAangemaakt;
  bool goed = TekstUitvoer(comp, o, decimaal, [&](std::string_view stuk) {
    return std::fwrite(stuk.data(), 1, stuk.size(), f) == stuk.size();
  });
  goed = std::fflush(f) == 0 && goed;
  goed = std::fclose(f) == 0 && goed;
  return goed ? TSchrijfUitkomst::Goed : TSchrijfUitkomst::SchrijfFout;
}

std::vector<std::string> InformatieRegels(const TKlasse& k, const TClubInfo& club) {
  std::vector<std::string> regels;
  const TTabel& sg = k.SG;
  const bool metJaar = ToonJaar(club);
  for (long long c = std::max(k.UitslPos, 0); c < sg.ColCount();) {
    const TColData* cd = sg.Kolom(static_cast<int>(c));
    if (!cd || cd->mode != VeldUitslag || !cd->info) {
      ++c;
      continue;
    }
    const TUitslagInfo& i = *cd->info;
    std::string l = std::to_string(i.Uitsl[0]);
    if (i.Uitsl[0] < i.Uitsl[1]) l += "-" + std::to_string(i.Uitsl[1]);
    l += " = ";
    if (!i.Datum.Leeg()) l += DatumTekst(i.Datum.Get(), 0, false, metJaar);
    if (!i.Opmerking.Leeg()) l += " " + i.Opmerking.Get();
    regels.push_back(std::move(l));
    // Past the series; a damaged one that ends before it starts still moves on.
    long long volgende = c + 1;
    if (i.Uitsl[1] > 0) volgende = std::max(volgende, 0LL + i.Uitsl[1] + k.UitslPos);
    c = volgende;
  }
  return regels;
}

std::uint32_t SysteemKleurRGB(int index) {
  // The default system colours of Windows 10, so the export is the same everywhere.
  static constexpr std::uint32_t kTabel[31] = {
      0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
      0x000000, 0x000000, 0xB4B4B4, 0xF4F7FC, 0xABABAB, 0x0078D7, 0xFFFFFF, 0xF0F0F0,
      0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
      0xFFFFE1, 0x000000, 0x0066CC, 0xB9D1EA, 0xD7E4F2, 0x3399FF, 0xF0F0F0};
  return index >= 0 && index < 31 ? kTabel[index] : 0x000000;
}

std::string KleurHex(TColor kleur) {
  std::uint32_t rgb;
  if ((kleur >> 24) == 0xFF)
    rgb = SysteemKleurRGB(static_cast<int>(kleur & 0xFF));
  else if ((kleur >> 24) != 0)
    return "FFFFFF";
  else
    rgb = (kleur & 0xFF) << 16 | (kleur & 0xFF00) | (kleur >> 16 & 0xFF);
  char buf[8];
  std::snprintf(buf, sizeof buf, "%06X", static_cast<unsigned>(rgb));
  return buf;
}

std::string HtmlTekst(std::string_view s) {
  std::string uit;
  uit.reserve(s.size());
  for (char c : s) {
    switch (c) {
      case '&':
        uit += "&amp;";
        break;
      case '<':
        uit += "&lt;";
        break;
      case '>':
        uit += "&gt;";
        break;
      case '"':
        uit += "&quot;";
        break;
      default:
        uit += c;
    }
  }
  return uit;
}

}  // namespace kzo
