#include <QFontMetrics>
#include <QPainter>
#include <QTimer>

#include "core/records/datum.h"
#include "ui/main/grid/klassegrid.h"
#include "ui/widgets/stringgrid_kleur.h"

namespace kzo {

namespace {

QFont EenPuntKleiner(QFont f) {
  if (f.pointSizeF() > 1)
    f.setPointSizeF(f.pointSizeF() - 1);
  else if (f.pixelSize() > 1)
    f.setPixelSize(f.pixelSize() - 1);
  return f;
}

// Centred as the grid always did it: the offset is truncated towards zero.
int Midden(int breedte, int tekst) { return (breedte - tekst) / 2; }

}  // namespace

void TKlasseGrid::ActiveSGDrawCell(QPainter& p, int c, int r, const QRect& rect, TCelStaat staat) {
  const QPalette& pal = grid_->palette();
  if (!klasse_ || c < 0 || r < 0 || c >= klasse_->SG.ColCount() || r >= klasse_->SG.RowCount()) {
    p.fillRect(rect, pal.color(staat.vast ? QPalette::Button : QPalette::Base));
    return;
  }
  TTabel& sg = klasse_->SG;
  const TClubInfo& club = comp_.Club;
  const TColData* cd = sg.Kolom(c);
  const int kind = cd ? cd->mode : VeldNaam;

  QColor tekstKleur, achter;
  if (staat.geselecteerd) {
    tekstKleur = pal.color(QPalette::HighlightedText);
    achter = pal.color(QPalette::Highlight);
  } else if (!staat.vast || (c >= 2 && r > 0)) {
    tekstKleur = LetterKleur(sg.Font, pal);
    achter = KleurNaarQt(cd ? cd->kleur : clWindow, pal);
  } else {
    tekstKleur = pal.color(QPalette::ButtonText);
    const bool indicator =
        !IndicatorWacht() && ((r == 0 && c == grid_->Col()) || (c == 0 && r == grid_->Row()));
    achter = KleurNaarQt(SysteemKleur(indicator ? 3 : 15), pal);
  }

  QFont letter = grid_->font();
  QString tekst;
  int x = 2, y = 0;
  if (r == 0 || c <= 1) {
    if (r == 0) {
      tekst = Q(sg.Kop(c));
    } else if (c == 0) {
      if (const TRijder* rd = sg.Rijder(r)) {
        const char* merk = rd->Geselecteerd() ? "*" : " ";
        if (sg.Rij(r).marker != merk) sg.Rij(r).marker = merk;
      }
      tekst = Q(sg.Rij(r).marker);
    } else {
      tekst = Q(sg.Rij(r).positie);
    }
    if (r == 0 && kind == VeldUitslag)
      x = Midden(rect.width(), QFontMetrics(letter).horizontalAdvance(tekst));
  } else {
    const TRijder* rd = sg.Rijder(r);
    if (sg.Kop(c).empty() || !rd) {
      p.fillRect(rect, achter);
      return;
    }
    const int un = kind == VeldUitslag && cd ? cd->Data : 1;
    const int waarde = kind == VeldUitslag && un >= 1 && un <= MaxUitslagen ? rd->Uitslag(un) : 0;
    if (kind == VeldUitslag && waarde > 500) {
      if (Heeft(club.DisplayInfo, SchrapDoorhalen)) letter.setStrikeOut(true);
      if (!staat.geselecteerd && !Heeft(club.DisplayInfo, GeenSchrapKleur))
        achter = KleurNaarQt(club.SchrKleur, pal);
    }
    tekst = Q(rd->VeldStr(kind, un, club, ctx_.Decimaal()));
    if (kind == VeldStartnr && rd->BM() && !staat.geselecteerd) {
      tekstKleur = QColor(128, 128, 128);
    } else if (kind == VeldUitslag) {
      if (waarde == UitDQ) {
        tekstKleur = QColor(255, 0, 0);
      } else if (waarde == UitDnf || waarde == UitDns) {
        letter = EenPuntKleiner(letter);
        if (waarde == UitDns) tekstKleur = KleurNaarQt(SysteemKleur(3), pal);
      }
    }
    const int tw = QFontMetrics(letter).horizontalAdvance(tekst);
    if (kind == VeldStartnr || kind == VeldUitslag) {
      x = Midden(rect.width(), tw);
    } else if (kind >= VeldNetto && kind <= VeldDag) {
      x = rect.width() - tw - 4;
      if (x < 0) x = 2;
    }
    y = 1;
  }

  p.save();
  p.setClipRect(rect);
  p.fillRect(rect, achter);
  p.setFont(letter);
  p.setPen(tekstKleur);
  p.drawText(rect.left() + x, rect.top() + y + QFontMetrics(letter).ascent(), tekst);
  p.restore();
}

QString KolomInfo(const TKlasse& k, const TClubInfo& club, int col) {
  const int begin = ReeksBegin(k, col);
  if (begin < 0 || begin >= k.SG.ColCount()) return {};
  const TColData* cd = k.SG.Kolom(begin);
  if (!cd || !cd->info) return {};
  const TUitslagInfo& info = *cd->info;
  std::string tekst =
      DatumTekst(info.Datum.Get(), 0, true, ToonJaar(club)) + " " + info.Opmerking.Get();
  if (info.Optie & ReeksNietTellend) tekst += " (niet tellend)";
  return Q(tekst);
}

}  // namespace kzo
