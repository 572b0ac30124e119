/* Reference house cusps for the houses' accuracy benchmark and the kept test
 * numbers, from Swiss Ephemeris (Debian libswe-dev, AGPL). Never built by the
 * project's build, installed or shipped: bench/house_accuracy.sh builds it by
 * hand where libswe-dev is installed, and only its output is kept
 * (tests/data/house_reference.txt).
 *
 * Reads lines "SIDEREAL_TIME LATITUDE OBLIQUITY" (degrees) and writes, a line
 * each, the input, then for each house system letter given as an argument
 * the status swe_houses_armc returns (0, or -1 where the system has no cusps
 * and Porphyry's are given) and the twelve cusps. */
#include <stdio.h>
#include <swephexp.h>

int main(int argc, char **argv) {
  double time, latitude, obliquity;
  while (scanf("%lf %lf %lf", &time, &latitude, &obliquity) == 3) {
    printf("%.9f %.9f %.9f", time, latitude, obliquity);
    for (int a = 1; a < argc; ++a) {
      double cusps[13], ascmc[10];
      const int status = swe_houses_armc(time, latitude, obliquity, argv[a][0], cusps, ascmc);
      printf(" %d", status < 0 ? -1 : 0);
      for (int c = 1; c <= 12; ++c) printf(" %.9f", cusps[c]);
    }
    printf("\n");
  }
  return 0;
}
