// frame_generator OUT.dwg
//
// Writes the drawing frame of the intersection details: an A3 sheet at 1:10 (4200 x 2970)
// centred on the origin, a trimmed-edge border, a filing margin on the left, zone marks,
// and the yard's title block in the lower right. The detail command brings the drawing in
// as a block and places it at the middle of the detail.
#include <cstdio>
#include <string>

#include "zrx.h"

namespace {

const double kWidth = 4200, kHeight = 2970;
const double kMargin = 100, kFiling = 250;

void add(ZcDbBlockTableRecord* space, ZcDbEntity* e, int colour)
{
    e->setColorIndex(static_cast<uint16_t>(colour));
    ZcDbObjectId id;
    space->appendZcDbEntity(id, e);
    e->close();
}

void line(ZcDbBlockTableRecord* space, double x0, double y0, double x1, double y1, int colour = 7)
{
    add(space, new ZcDbLine({x0, y0, 0}, {x1, y1, 0}), colour);
}

void rect(ZcDbBlockTableRecord* space, double x0, double y0, double x1, double y1, double width, int colour)
{
    auto* p = new ZcDbPolyline(4);
    const ZcGePoint2d corners[] = {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
    for (unsigned i = 0; i < 4; ++i) p->addVertexAt(i, corners[i], 0.0, width, width);
    p->setClosed(true);
    add(space, p, colour);
}

void text(ZcDbBlockTableRecord* space, double x, double y, double height, const char* s, int colour = 7)
{
    add(space, new ZcDbText({x, y, 0}, s, ZcDbObjectId::kNull, height, 0), colour);
}

// The title block: a label column and value column per row, names of who drew, checked and
// approved below, and the yard's name across the foot.
void titleBlock(ZcDbBlockTableRecord* space, double right, double bottom)
{
    const double w = 1700, rowH = 90, left = right - w;
    const char* rows[][2] = {{"船番", ""},       {"図番", ""},      {"図名", "交差部詳細図"},
                             {"尺度", "1/10"},   {"日付", ""},      {"改訂", "0"}};
    const int n = sizeof(rows) / sizeof(rows[0]);
    const double signH = 160, footH = 110;
    const double top = bottom + footH + signH + n * rowH;
    rect(space, left, bottom, right, top, 6, 7);
    double y = top;
    for (int i = 0; i < n; ++i) {
        line(space, left, y - rowH, right, y - rowH);
        text(space, left + 30, y - rowH + 28, 36, rows[i][0]);
        if (rows[i][1][0] != '\0') text(space, left + 330, y - rowH + 28, 40, rows[i][1], 3);
        y -= rowH;
    }
    line(space, left + 300, top, left + 300, top - n * rowH);
    const char* signs[] = {"作成", "検図", "照査", "承認"};
    const double cell = w / 4;
    for (int i = 0; i < 4; ++i) {
        const double x = left + i * cell;
        if (i > 0) line(space, x, y, x, y - signH);
        line(space, x, y - 55, x + cell, y - 55);
        text(space, x + 30, y - 42, 30, signs[i]);
    }
    y -= signH;
    line(space, left, y, right, y);
    text(space, left + 30, bottom + 35, 45, "トレバン造船株式会社  船殻設計部", 3);
}

// Zone marks along the border: numbers across, letters down, as on every yard sheet.
void zones(ZcDbBlockTableRecord* space, double x0, double y0, double x1, double y1)
{
    const int across = 8, down = 6;
    for (int i = 1; i < across; ++i) {
        const double x = x0 + (x1 - x0) * i / across;
        line(space, x, y0, x, y0 + 40);
        line(space, x, y1, x, y1 - 40);
    }
    for (int i = 0; i < across; ++i) {
        const double x = x0 + (x1 - x0) * (i + 0.5) / across;
        const std::string label = std::to_string(across - i);
        text(space, x - 10, y0 - 60, 35, label.c_str());
        text(space, x - 10, y1 + 25, 35, label.c_str());
    }
    for (int i = 1; i < down; ++i) {
        const double y = y0 + (y1 - y0) * i / down;
        line(space, x0, y, x0 + 40, y);
        line(space, x1, y, x1 - 40, y);
    }
    for (int i = 0; i < down; ++i) {
        const double y = y0 + (y1 - y0) * (i + 0.5) / down;
        const char letter[2] = {static_cast<char>('A' + i), '\0'};
        text(space, x0 - 60, y - 15, 35, letter);
        text(space, x1 + 25, y - 15, 35, letter);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: frame_generator OUT.dwg\n");
        return 2;
    }
    ZcDbDatabase db(true, true);
    ZcDbBlockTableRecord* space = nullptr;
    {
        ZcDbBlockTable* table = nullptr;
        if (db.getBlockTable(table, ZcDb::kForRead) != Zcad::eOk) return 1;
        if (table->getAt(ZCDB_MODEL_SPACE, space, ZcDb::kForWrite) != Zcad::eOk) {
            table->close();
            return 1;
        }
        table->close();
    }
    const double x0 = -kWidth / 2, y0 = -kHeight / 2, x1 = kWidth / 2, y1 = kHeight / 2;
    rect(space, x0, y0, x1, y1, 0, 8);
    const double bx0 = x0 + kFiling, by0 = y0 + kMargin, bx1 = x1 - kMargin, by1 = y1 - kMargin;
    rect(space, bx0, by0, bx1, by1, 8, 7);
    zones(space, bx0, by0, bx1, by1);
    titleBlock(space, bx1, by0);
    space->close();
    if (db.saveAs(argv[1]) != Zcad::eOk) {
        std::fprintf(stderr, "frame_generator: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
