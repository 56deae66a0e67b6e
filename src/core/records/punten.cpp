#include "core/records/punten.h"

#include "core/records/opties.h"

namespace kzo {

namespace {

// A damaged header may claim more than 10 entries or a deduction of 0.
int Aantal(const TClubInfo& club) { return club.punttel[0] > 10 ? 10 : club.punttel[0]; }
int LaatstePunten(const TClubInfo& club) {
  int n = Aantal(club);
  return n == 0 ? 0 : club.punttel[n];
}
int Aftrek(const TClubInfo& club) { return club.PuntAftrek == 0 ? 1 : club.PuntAftrek; }

}  // namespace

int PlaatsNaarPunten(const TClubInfo& club, int p) {
  int n = Aantal(club);
  if (p >= 1 && p <= n) return club.punttel[p];
  if (p > n) {
    long long v = LaatstePunten(club) - static_cast<long long>(p - n) * club.PuntAftrek;
    long long min = Minimaal1Punt(club) ? 1 : 0;
    return static_cast<int>(v < min ? min : v);
  }
  if (p == 0 || p == -4) return 0;
  if (p == -5) return DQSchrapbaar(club) ? 0 : 507;
  return p;
}

int PuntenNaarPlaats(const TClubInfo& club, int a) {
  if (a <= 0) return a;
  int n = Aantal(club);
  int laatste = LaatstePunten(club);
  if (a < laatste) return n + (laatste - a) / Aftrek(club);
  for (int i = 1; i <= n; ++i)
    if (club.punttel[i] == a) return i;
  return -1;
}

}  // namespace kzo
