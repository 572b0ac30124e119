/* Reference positions for the accuracy benchmark and the kept test numbers,
 * from Swiss Ephemeris (Debian libswe-dev, AGPL). This program is never built
 * by the project's build, installed or shipped: bench/sky_accuracy.sh builds it
 * by hand where libswe-dev is installed, and only its output is kept
 * (tests/data/sky_reference.txt).
 *
 * Reads lines "JD_UT LATITUDE LONGITUDE" (degrees, north and east positive)
 * and writes, a line each, the input, then with the Moshier ephemeris the
 * apparent geocentric longitudes of date of the Sun, Moon, Mercury to Pluto,
 * the mean node and the true node, then the ascendant, the midheaven, the
 * right ascension of the midheaven and the true obliquity from swe_houses,
 * and Delta T in seconds; then, for each house system letter given as an
 * argument, its twelve cusps. With "-time N" it writes instead how long N
 * rounds over the input take, in microseconds a chart (the same bodies and
 * angles, Placidus cusps). */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <swephexp.h>

static const int bodies[] = {SE_SUN, SE_MOON, SE_MERCURY, SE_VENUS, SE_MARS, SE_JUPITER, SE_SATURN,
                             SE_URANUS, SE_NEPTUNE, SE_PLUTO, SE_MEAN_NODE, SE_TRUE_NODE};
enum { BODIES = sizeof bodies / sizeof bodies[0], MOST = 100000 };

static double moments[MOST][3];

static void chart(const double *m, double *out) {
  char error[256];
  for (int i = 0; i < BODIES; ++i) {
    double x[6];
    if (swe_calc_ut(m[0], bodies[i], SEFLG_MOSEPH, x, error) < 0) {
      fprintf(stderr, "%s\n", error);
      exit(1);
    }
    out[i] = x[0];
  }
  double cusps[13], ascmc[10];
  swe_houses(m[0], m[1], m[2], 'P', cusps, ascmc);
  out[BODIES] = ascmc[0];
  out[BODIES + 1] = ascmc[1];
  out[BODIES + 2] = ascmc[2];
}

int main(int argc, char **argv) {
  int rounds = 0, first = 1;
  if (argc > 2 && strcmp(argv[1], "-time") == 0) {
    rounds = atoi(argv[2]);
    first = 3;
  }
  int count = 0;
  while (count < MOST && scanf("%lf %lf %lf", &moments[count][0], &moments[count][1], &moments[count][2]) == 3) ++count;
  double out[BODIES + 3];
  if (rounds > 0) {
    struct timespec start, end;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &start);
    double sink = 0;
    for (int r = 0; r < rounds; ++r) {
      for (int i = 0; i < count; ++i) {
        chart(moments[i], out);
        sink += out[0];
      }
    }
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &end);
    const double us = ((end.tv_sec - start.tv_sec) * 1e6 + (end.tv_nsec - start.tv_nsec) / 1e3) / ((double)rounds * count);
    printf("%.3f %s\n", us, sink == 0 ? "" : "");
    return 0;
  }
  for (int i = 0; i < count; ++i) {
    const double *m = moments[i];
    chart(m, out);
    double eps[6];
    char error[256];
    swe_calc_ut(m[0], SE_ECL_NUT, 0, eps, error);
    printf("%.6f %.6f %.6f", m[0], m[1], m[2]);
    for (int k = 0; k < BODIES + 3; ++k) printf(" %.7f", out[k]);
    printf(" %.7f %.4f", eps[0], swe_deltat(m[0]) * 86400);
    for (int a = first; a < argc; ++a) {
      double cusps[13], ascmc[10];
      swe_houses(m[0], m[1], m[2], argv[a][0], cusps, ascmc);
      for (int c = 1; c <= 12; ++c) printf(" %.7f", cusps[c]);
    }
    printf("\n");
  }
  return 0;
}
