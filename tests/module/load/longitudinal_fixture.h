// Landing lines and longitudinal sections in the working drawing of the loaded module, on a
// copy of the sample installation with its TEMP folder. Sections carry their record in the
// current layout of LONG.ENT, written here as plain xdata so that what the commands store is
// read back without the module's own reader.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "../install_fixture.h"
#include "loaded_module_fixture.h"
#include "zrxhost/display_state.h"
#include "zrxhost/spaces.h"

// Answers one line per question, looking at the display first: which of the watched
// entities were highlighted when each question was asked.
class WatchingSource : public zrxhost::AnswerSource {
public:
    WatchingSource(std::vector<std::string> lines, std::vector<ZcDbObjectId> watched)
        : m_lines(std::move(lines)), m_watched(std::move(watched))
    {
    }
    std::optional<std::string> peek() override
    {
        if (m_next >= m_lines.size()) return std::nullopt;
        return m_lines[m_next];
    }
    std::optional<std::string> take() override
    {
        std::string lit;
        for (ZcDbObjectId id : m_watched) lit += zrxhost::isHighlighted(id) ? '*' : '.';
        seen.push_back(lit);
        if (m_next >= m_lines.size()) return std::nullopt;
        return m_lines[m_next++];
    }
    std::vector<std::string> seen;

private:
    std::vector<std::string> m_lines;
    std::vector<ZcDbObjectId> m_watched;
    size_t m_next = 0;
};

class LongitudinalTest : public LoadedModuleTest {
protected:
    void SetUp() override
    {
        LoadedModuleTest::SetUp();
        std::filesystem::create_directories(install.at("TEMP"));
        load(kModule);
    }
    static ZcDbDatabase* working() { return zcdbHostApplicationServices()->workingDatabase(); }
    // The test edits the drawing between commands as a command would: under its lock.
    struct Lock {
        Lock() { zcDocManager->lockDocument(zcDocManager->curDocument()); }
        ~Lock() { zcDocManager->unlockDocument(zcDocManager->curDocument()); }
    };
    ZcDbObjectId add(ZcDbEntity* entity)
    {
        Lock lock;
        ZcDbObjectPointer<ZcDbBlockTableRecord> ms(zrxhost::modelSpaceId(working()), ZcDb::kForWrite);
        ZcDbObjectId id;
        EXPECT_EQ(ms->appendZcDbEntity(id, entity), Zcad::eOk);
        entity->close();
        return id;
    }
    ZcDbObjectId line(double ax, double ay, double bx, double by)
    {
        return add(new ZcDbLine(ZcGePoint3d(ax, ay, 0), ZcGePoint3d(bx, by, 0)));
    }
    // A section drawn from its foot; its record names the landing line given.
    ZcDbObjectId section(ZcGePoint2d foot, ZcGePoint2d second, const std::string& landing = "")
    {
        auto* pl = new ZcDbPolyline;
        pl->addVertexAt(0, foot);
        pl->addVertexAt(1, second);
        pl->addVertexAt(2, second + ZcGeVector2d(90, 0));
        ZcDbObjectId id = add(pl);
        Lock lock;
        zcdbRegApp("LONG");
        resbuf* xd = zcutBuildList(1001, "LONG", 1000, "LONG", 1000, "A", 1040, 250.0, 1040, 90.0, 1040, 10.0, 1040,
                                   15.0, 1040, 8.0, 1040, 8.0, 1070, 0, 1000, "", 1000, "", 1000, landing.c_str(), 1070,
                                   0, 1040, 0.0, 1040, 0.0, 1040, 0.0, 1040, 30.5, 1000, "", 1000, "", 1070, 0, 1070, 0,
                                   1040, 0.0, 1040, 0.0, 0);
        ZcDbObjectPointer<ZcDbEntity> ent(id, ZcDb::kForWrite);
        EXPECT_EQ(ent->setXData(xd), Zcad::eOk);
        zcutRelRb(xd);
        return id;
    }
    // The value of the first 1000 group after an application's name; "-" when there is none.
    static std::string text(ZcDbObjectId id, const char* app, int item = 1)
    {
        ZcDbObjectPointer<ZcDbEntity> ent(id, ZcDb::kForRead);
        if (ent.openStatus() != Zcad::eOk) return "?";
        resbuf* xd = ent->xData(app);
        std::string value = "-";
        int n = 0;
        for (const resbuf* rb = xd != nullptr ? xd->rbnext : nullptr; rb != nullptr; rb = rb->rbnext) {
            if (++n == item) {
                if (rb->restype == 1000) value = rb->resval.rstring;
                break;
            }
        }
        zcutRelRb(xd);
        return value;
    }
    // The landing line a section's record names (its 12th item).
    static std::string landingOf(ZcDbObjectId id) { return text(id, "LONG", 12); }
    static std::string nameOf(ZcDbObjectId id) { return text(id, "A_LONGLINENAME"); }
    static std::string markOf(ZcDbObjectId id) { return text(id, "A_LONGLINE"); }

    // Runs the command with the answers; the transcript.
    std::string play(const std::string& command, std::vector<std::string> answers)
    {
        answer(std::move(answers));
        return run(command);
    }
    // The same, noting at each question which of the watched entities were highlighted.
    std::string watch(const std::string& command, std::vector<std::string> answers, std::vector<ZcDbObjectId> ids,
                      std::vector<std::string>& seen)
    {
        WatchingSource source(std::move(answers), std::move(ids));
        zrxhost::setAnswerSource(&source);
        std::string out = run(command);
        zrxhost::setAnswerSource(nullptr);
        seen = source.seen;
        return out;
    }
    std::string pick(ZcDbObjectId id) { return "#" + hex(id); }

    SampleInstall install;
};
