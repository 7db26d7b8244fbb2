/* SPDX-License-Identifier: GPL-3.0-or-later
 * The sky library's reference, computed by wcslib (Debian's wcslib-dev), an
 * implementation independent of the program's:
 *   sky/tests/projection_reference.csv: positions about centres, each with
 *     its tangent-plane (TAN) coordinates in degrees, x east and y north;
 *   sky/tests/panels_reference.csv: the centres and rotations of every mosaic
 *     of up to 5 x 5 at declinations 0, 60, 85 and -89;
 *   sky/tests/stars_reference.csv: five stars of the chart's file (their
 *     J2000 places as ../shared/data/stars/xhip.csv gives them) on the plane
 *     about a centre near each, for the chart's drawing of the stars.
 * Build and run by hand when the tests' cases change:
 *   cc -O2 -o /tmp/sky_reference tools/sky_reference.c -lwcs -lm && /tmp/sky_reference sky/tests
 */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wcslib/wcs.h>

static const double D2R = 3.14159265358979323846 / 180;

/* The TAN projection about (ra0, dec0), one degree per plane unit. */
static void setUp(struct wcsprm *wcs, double ra0, double dec0) {
    wcs->flag = -1;
    wcsini(1, 2, wcs);
    strcpy(wcs->ctype[0], "RA---TAN");
    strcpy(wcs->ctype[1], "DEC--TAN");
    wcs->crval[0] = ra0;
    wcs->crval[1] = dec0;
    wcs->crpix[0] = 0;
    wcs->crpix[1] = 0;
    wcs->cdelt[0] = 1;
    wcs->cdelt[1] = 1;
    wcs->lonpole = 180;
    if (wcsset(wcs)) exit(1);
}

static int toPlane(struct wcsprm *wcs, double ra, double dec, double *x, double *y) {
    double world[2] = {ra, dec}, phi, theta, img[2], pix[2];
    int stat;
    if (wcss2p(wcs, 1, 2, world, &phi, &theta, img, pix, &stat)) return 1;
    *x = pix[0];
    *y = pix[1];
    return 0;
}

static void toSky(struct wcsprm *wcs, double x, double y, double *ra, double *dec) {
    double pix[2] = {x, y}, img[2], phi, theta, world[2];
    int stat;
    if (wcsp2s(wcs, 1, 2, pix, img, &phi, &theta, world, &stat)) exit(1);
    *ra = world[0];
    *dec = world[1];
}

static unsigned long long seed = 20261208;
static double uniform(void) {
    seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
    return (double)(seed >> 11) / 9007199254740992.0;
}

static double normalized(double deg) {
    double r = fmod(deg, 360);
    return r < 0 ? r + 360 : r;
}

int main(int argc, char **argv) {
    const char *folder = argc > 1 ? argv[1] : ".";
    char path[4096];
    snprintf(path, sizeof path, "%s/projection_reference.csv", folder);
    FILE *out = fopen(path, "w");
    if (!out) return 1;
    fprintf(out, "centre_ra,centre_dec,ra,dec,x,y\n");
    const double decs[] = {0, 60, 85, -89, 90, -90, 45.5, -30};
    int written = 0;
    for (int c = 0; written < 1200; ++c) {
        const double ra0 = c < 8 ? 83.8221 + 37 * c : uniform() * 360;
        const double dec0 = c < 8 ? decs[c] : asin(2 * uniform() - 1) / D2R;
        struct wcsprm wcs;
        setUp(&wcs, ra0, dec0);
        for (int i = 0; i < 40; ++i) {
            /* A position up to 30 degrees away, in any direction. */
            const double r = 30 * sqrt(uniform()) * D2R, a = uniform() * 2 * M_PI;
            const double d0 = dec0 * D2R;
            const double dec = asin(sin(d0) * cos(r) + cos(d0) * sin(r) * cos(a));
            const double ra = ra0 * D2R + atan2(sin(a) * sin(r) * cos(d0), cos(r) - sin(d0) * sin(dec));
            double x, y;
            const double raDeg = normalized(ra / D2R), decDeg = dec / D2R;
            if (toPlane(&wcs, raDeg, decDeg, &x, &y)) continue;
            fprintf(out, "%.10f,%.10f,%.10f,%.10f,%.10f,%.10f\n", ra0, dec0, raDeg, decDeg, x, y);
            ++written;
        }
        wcsfree(&wcs);
    }
    fclose(out);

    snprintf(path, sizeof path, "%s/panels_reference.csv", folder);
    out = fopen(path, "w");
    if (!out) return 1;
    fprintf(out, "centre_ra,centre_dec,width,height,rotation,overlap,nx,ny,number,ra,dec,panel_rotation\n");
    const double mosaicDecs[] = {0, 60, 85, -89};
    const double rotations[] = {0, 37.5, 200};
    for (int d = 0; d < 4; ++d) {
        for (int k = 0; k < 3; ++k) {
            for (int nx = 1; nx <= 5; ++nx) {
                for (int ny = 1; ny <= 5; ++ny) {
                    const double ra0 = 10.6847, dec0 = mosaicDecs[d], w = 3.2, h = 2.1, rot = rotations[k], overlap = 15;
                    struct wcsprm wcs;
                    setUp(&wcs, ra0, dec0);
                    const double t = rot * D2R;
                    /* The frame's right and up sides on the plane, x east, y north. */
                    const double rx = -cos(t), ry = sin(t), ux = sin(t), uy = cos(t);
                    int number = 1;
                    for (int row = 0; row < ny; ++row) {
                        for (int col = 0; col < nx; ++col, ++number) {
                            const double a = (col - (nx - 1) / 2.0) * w * (1 - overlap / 100);
                            const double b = ((ny - 1) / 2.0 - row) * h * (1 - overlap / 100);
                            double ra, dec, x0 = 0, y0 = 0, x1 = 0, y1 = 0;
                            toSky(&wcs, a * rx + b * ux, a * ry + b * uy, &ra, &dec);
                            /* North at the panel: from its centre to a point one
                             * arc-second north of it, on the plane. */
                            toPlane(&wcs, ra, dec - 0.5 / 3600, &x0, &y0);
                            toPlane(&wcs, ra, dec + 0.5 / 3600, &x1, &y1);
                            const double north = atan2(x1 - x0, y1 - y0) / D2R;
                            fprintf(out, "%.4f,%.4f,%.4f,%.4f,%.4f,%.4f,%d,%d,%d,%.10f,%.10f,%.8f\n", ra0, dec0, w, h,
                                    rot, overlap, nx, ny, number, normalized(ra), dec, normalized(rot - north));
                        }
                    }
                    wcsfree(&wcs);
                }
            }
        }
    }
    fclose(out);

    snprintf(path, sizeof path, "%s/stars_reference.csv", argv[1]);
    out = fopen(path, "w");
    if (!out) return 1;
    fprintf(out, "hip,centre_ra,centre_dec,ra,dec,x,y\n");
    /* Polaris, Betelgeuse, Sirius, Barnard's star, Vega. */
    static const double stars[][3] = {{11767, 37.9545, 89.2641}, {27989, 88.7929, 7.4071}, {32349, 101.2872, -16.7161},
                                      {87937, 269.4521, 4.6934}, {91262, 279.2347, 38.7837}};
    for (int i = 0; i < 5; ++i) {
        /* The chart about a place 0.8 degree south-west of the star: the pole's other side for Polaris. */
        const double ra0 = i == 0 ? 217.9545 : stars[i][1] + 0.8, dec0 = i == 0 ? 89.7 : stars[i][2] - 0.8;
        struct wcsprm wcs;
        double x, y;
        setUp(&wcs, ra0, dec0);
        if (toPlane(&wcs, stars[i][1], stars[i][2], &x, &y)) return 1;
        fprintf(out, "%.0f,%.4f,%.4f,%.4f,%.4f,%.10f,%.10f\n", stars[i][0], ra0, dec0, stars[i][1], stars[i][2], x, y);
        wcsfree(&wcs);
    }
    fclose(out);
    return 0;
}
