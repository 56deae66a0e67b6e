#include "core/scoring/wisuitslagen.h"

#include <algorithm>

namespace kzo {

namespace {

// The remark of result van becomes the remark of result naar (naar has none).
void VerplaatsOpmerking(TMynData& md, const std::string& key, int van, int naar) {
  md.Teller = 0;
  if (md.VindID(key, van) < 0) return;
  const std::string data = md.GetData(key, van);
  md.DelData(key, van);
  md.SetData(key, naar, data);
}

}  // namespace

bool WisUitslagen(TKlasse& k, const TClubInfo& club, TMynData& md, int first, int last, bool all,
                  bool verwijder) {
  k.SetAantalUitslagen();
  const int N = std::min(k.SG.ColCount() - k.UitslPos, MaxUitslagen);
  if (all) {
    first = 1;
    last = N;
  }
  first = std::max(first, 1);
  if (last < first) last = first;
  if (N < first) return false;
  if (N < last) last = N;
  const int d = last - first + 1;

  TTabel& sg = k.SG;
  for (int r = 1; r < sg.RowCount(); ++r) {
    TRijder* rd = sg.Rijder(r);
    if (!rd) continue;
    const std::string key = rd->Sleutel();
    for (int u = first; u <= last; ++u) {
      rd->Uitslag(u) = UitGeen;
      md.DelData(key, u);
    }
    if (!verwijder) continue;
    for (int u = first; u <= first + 98 - last; ++u) {
      rd->Uitslag(u) = rd->Uitslag(u + d);
      VerplaatsOpmerking(md, key, u + d, u);
    }
    // The last d results moved left; left as they were they would come back when a
    // column is added again.
    for (int u = MaxUitslagen - d + 1; u <= MaxUitslagen; ++u) rd->Uitslag(u) = UitGeen;
  }
  if (!verwijder) return true;

  // A series that starts before the range and reaches into it ends before it (also one
  // that ends inside the range, which the behaviour leaves open).
  for (int c = k.UitslPos; c < sg.ColCount(); ++c) {
    TColData* cd = sg.Kolom(c);
    if (cd && cd->mode == VeldUitslag && cd->info && cd->info->Uitsl[0] < first &&
        cd->info->Uitsl[1] >= first)
      cd->info->Uitsl[1] = first - 1;
  }
  for (int u = first; u <= last; ++u)
    if (TColData* cd = sg.Kolom(k.UitslKolom(u))) cd->DelInfo();
  for (int j = last + 1; j <= N; ++j)
    if (TColData* cd = sg.Kolom(k.UitslKolom(j))) cd->InfoAanpassen(j - d);
  k.InfoKlasse.aantaluitslagen -= d;
  k.SetupSG(club);
  return true;
}

bool WisUitslagen(TCompetitie& comp, int index, int first, int last, bool all, bool verwijder) {
  if (index < 0 || index >= static_cast<int>(comp.Tabs.size())) return false;
  TKlasse* k = comp.Tabs[static_cast<std::size_t>(index)].get();
  if (!k) return false;
  if (!WisUitslagen(*k, comp.Club, comp.MynData, first, last, all, verwijder)) return false;
  comp.MarkeerGewijzigd();
  return true;
}

}  // namespace kzo
