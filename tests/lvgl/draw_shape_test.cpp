// Lines, arcs and polygons of the software renderer against their geometry.
#include "lvgl_fixture.h"

namespace {

class DrawShapeTest : public LvglTest {};

lv_draw_line_dsc_t white_line(lv_coord_t width)
{
    lv_draw_line_dsc_t dsc;
    lv_draw_line_dsc_init(&dsc);
    dsc.color = lv_color_white();
    dsc.width = width;
    return dsc;
}

double dist_to_segment(double px, double py, double ax, double ay, double bx, double by)
{
    double dx = bx - ax, dy = by - ay;
    double t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy);
    t = std::max(0.0, std::min(1.0, t));
    double cx = ax + t * dx, cy = ay + t * dy;
    return std::hypot(px - cx, py - cy);
}

TEST_F(DrawShapeTest, HorizontalAndVerticalLinesCoverWholePixelRows)
{
    struct Case {
        lv_point_t p1, p2;
        lv_coord_t width;
        lv_area_t expected;
    };
    const Case cases[] = {
        {{5, 10}, {30, 10}, 1, {5, 10, 30, 10}},
        {{30, 10}, {5, 10}, 4, {5, 8, 30, 11}},
        {{12, 3}, {12, 25}, 3, {11, 3, 13, 25}},
    };
    for(const Case & cs : cases) {
        Canvas c(40, 30);
        lv_draw_line_dsc_t dsc = white_line(cs.width);
        lv_draw_line(c.draw(), &dsc, &cs.p1, &cs.p2);
        for(int y = 0; y < c.h; y++) {
            for(int x = 0; x < c.w; x++) {
                bool in = x >= cs.expected.x1 && x <= cs.expected.x2 && y >= cs.expected.y1 && y <= cs.expected.y2;
                ASSERT_EQ(c.green(x, y), in ? 255 : 0) << x << "," << y << " width " << cs.width;
            }
        }
    }
}

TEST_F(DrawShapeTest, DashedLineAlternatesDashesAndGaps)
{
    Canvas c(40, 5);
    lv_draw_line_dsc_t dsc = white_line(1);
    dsc.dash_width = 4;
    dsc.dash_gap = 3;
    lv_point_t p1 = {0, 2}, p2 = {39, 2};
    lv_draw_line(c.draw(), &dsc, &p1, &p2);
    for(int x = 0; x < 40; x++) EXPECT_EQ(c.green(x, 2), (x % 7) < 4 ? 255 : 0) << x;
}

TEST_F(DrawShapeTest, SkewLinesAreAntiAliasedBands)
{
    struct Case {
        lv_point_t p1, p2;
        lv_coord_t width;
        bool round;
    };
    const Case cases[] = {
        {{5, 5}, {55, 35}, 1, false},
        {{5, 35}, {50, 8}, 6, false},
        {{10, 10}, {45, 30}, 8, true},
        {{30, 5}, {36, 38}, 3, true},
    };
    for(const Case & cs : cases) {
        Canvas c(64, 44);
        lv_draw_line_dsc_t dsc = white_line(cs.width);
        dsc.round_start = cs.round;
        dsc.round_end = cs.round;
        lv_draw_line(c.draw(), &dsc, &cs.p1, &cs.p2);

        double ofs = (cs.width & 1) ? 0.5 : 0.0;
        double ax = cs.p1.x + ofs, ay = cs.p1.y + ofs, bx = cs.p2.x + ofs, by = cs.p2.y + ofs;
        double len = std::hypot(bx - ax, by - ay);
        double half = cs.width / 2.0;
        lv_area_t all = {0, 0, (lv_coord_t)(c.w - 1), (lv_coord_t)(c.h - 1)};
        auto diff = compare_coverage(c, all, [&](double x, double y) {
            if(cs.round) return dist_to_segment(x, y, ax, ay, bx, by) <= half;
            double t = ((x - ax) * (bx - ax) + (y - ay) * (by - ay)) / len;
            double n = std::fabs((x - ax) * (by - ay) - (y - ay) * (bx - ax)) / len;
            return t >= 0 && t <= len && n <= half;
        });
        EXPECT_LE(diff.max_err, 100) << "width " << cs.width;
        EXPECT_LT(diff.mean_err, 2.5) << "width " << cs.width;
    }
}

TEST_F(DrawShapeTest, ArcCoversTheRingBetweenItsAnglesClockwise)
{
    struct Case {
        uint16_t start, end;
        lv_coord_t width;
        bool rounded;
    };
    const Case cases[] = {
        {0, 90, 10, false},      /*3 o'clock to 6 o'clock*/
        {270, 90, 6, false},     /*through 0: the right half*/
        {135, 45, 12, true},     /*270 degrees, the gap at the bottom, as a gauge*/
        {0, 360, 8, false},      /*full ring*/
    };
    for(const Case & cs : cases) {
        Canvas c(110, 110);
        lv_draw_arc_dsc_t dsc;
        lv_draw_arc_dsc_init(&dsc);
        dsc.color = lv_color_white();
        dsc.width = cs.width;
        dsc.rounded = cs.rounded;
        lv_point_t center = {55, 55};
        lv_draw_arc(c.draw(), &dsc, &center, 50, cs.start, cs.end);

        const double r = 50, w = cs.width;
        auto in_sector = [&](double dx, double dy) {
            double a = std::atan2(dy, dx) * 180.0 / M_PI;
            if(a < 0) a += 360;
            double span = std::fmod(cs.end - cs.start + 360.0, 360.0);
            if(span == 0) return true;
            double rel = std::fmod(a - cs.start + 360.0, 360.0);
            return rel <= span;
        };
        lv_area_t all = {0, 0, 109, 109};
        auto diff = compare_coverage(c, all, [&](double x, double y) {
            double dx = x - 55, dy = y - 55;
            double d = std::hypot(dx, dy);
            bool ring = d <= r && d >= r - w && in_sector(dx, dy);
            if(ring || !cs.rounded) return ring;
            for(double ang : {(double)cs.start, (double)cs.end}) {
                double cx = 55 + (r - w / 2) * std::cos(ang * M_PI / 180), cy = 55 + (r - w / 2) * std::sin(ang * M_PI / 180);
                if(std::hypot(x - cx, y - cy) <= w / 2) return true;
            }
            return false;
        });
        EXPECT_LE(diff.max_err, 110) << cs.start << ".." << cs.end;
        EXPECT_LT(diff.mean_err, 2.0) << cs.start << ".." << cs.end;
    }
}

TEST_F(DrawShapeTest, ArcPixelsDoNotDependOnHowTheClipCutsTheRows)
{
    /*Runs of a row are judged whole against the angle range; cutting the
     *rows into narrow strips must not change a single pixel*/
    struct Case {
        uint16_t start, end;
        bool rounded;
    };
    const Case cases[] = {
        {0, 90, false}, {350, 10, false}, {100, 80, true}, {45, 225, false}, {200, 210, true},
        {0, 360, false}, {135, 45, true}, {270, 269, false},
    };
    for(const Case & cs : cases) {
        lv_draw_arc_dsc_t dsc;
        lv_draw_arc_dsc_init(&dsc);
        dsc.color = lv_color_white();
        dsc.width = 9;
        dsc.rounded = cs.rounded;
        lv_point_t center = {45, 45};
        Canvas whole(90, 90);
        lv_draw_arc(whole.draw(), &dsc, &center, 40, cs.start, cs.end);
        Canvas strips(90, 90);
        for(int x = 0; x < 90; x += 3) {
            lv_area_set(&strips.clip, (lv_coord_t)x, 0, (lv_coord_t)(x + 2), 89);
            lv_draw_arc(strips.draw(), &dsc, &center, 40, cs.start, cs.end);
        }
        int lit = 0;
        for(int y = 0; y < 90; y++) {
            for(int x = 0; x < 90; x++) {
                ASSERT_EQ(strips.rgb(x, y), whole.rgb(x, y)) << x << "," << y << " arc " << cs.start << ".." << cs.end;
                lit += whole.green(x, y) > 0;
            }
        }
        EXPECT_GT(lit, 40) << cs.start << ".." << cs.end;
    }
}

TEST_F(DrawShapeTest, ArcAsWideAsItsRadiusIsAFilledPie)
{
    Canvas c(50, 50);
    lv_draw_arc_dsc_t dsc;
    lv_draw_arc_dsc_init(&dsc);
    dsc.color = lv_color_white();
    dsc.width = 20;
    lv_point_t center = {25, 25};
    lv_draw_arc(c.draw(), &dsc, &center, 20, 0, 90);
    EXPECT_EQ(c.green(25, 25), 255) << "no hole at the centre";
    EXPECT_EQ(c.green(30, 30), 255);
    EXPECT_EQ(c.green(20, 30), 0);
    EXPECT_EQ(c.green(30, 20), 0);
}

TEST_F(DrawShapeTest, ArcWithEqualAnglesDrawsNothing)
{
    Canvas c(50, 50);
    lv_draw_arc_dsc_t dsc;
    lv_draw_arc_dsc_init(&dsc);
    dsc.color = lv_color_white();
    dsc.width = 5;
    lv_point_t center = {25, 25};
    lv_draw_arc(c.draw(), &dsc, &center, 20, 30, 30);
    for(int y = 0; y < 50; y++)
        for(int x = 0; x < 50; x++) ASSERT_EQ(c.rgb(x, y), 0u);
}

TEST_F(DrawShapeTest, TriangleIsFilledInsideItsEdges)
{
    Canvas c(50, 50);
    lv_draw_rect_dsc_t dsc;
    lv_draw_rect_dsc_init(&dsc);
    dsc.bg_color = lv_color_white();
    lv_point_t pts[3] = {{5, 5}, {45, 10}, {15, 45}};
    lv_draw_triangle(c.draw(), &dsc, pts);

    auto cross = [](double ax, double ay, double bx, double by, double px, double py) {
        return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
    };
    lv_area_t all = {0, 0, 49, 49};
    /*Points are pixel centres*/
    auto diff = compare_coverage(c, all, [&](double x, double y) {
        double px = x - 0.5, py = y - 0.5;
        double c1 = cross(5, 5, 45, 10, px, py), c2 = cross(45, 10, 15, 45, px, py), c3 = cross(15, 45, 5, 5, px, py);
        return (c1 >= 0 && c2 >= 0 && c3 >= 0) || (c1 <= 0 && c2 <= 0 && c3 <= 0);
    });
    EXPECT_LE(diff.max_err, 80);
    EXPECT_LT(diff.mean_err, 2.5);
    EXPECT_EQ(lv_draw_mask_get_cnt(), 0);
}

}  // namespace
