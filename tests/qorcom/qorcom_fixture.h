// A fresh drawing on a copy of the sample installation, with the command line captured, for
// the tests of the xdata and layer library.
#pragma once

#include <string>
#include <vector>

#include "QorComStd2002.h"
#include "install_fixture.h"
#include "support/host_fixture.h"
#include "zrxhost/command_line.h"
#include "zrxhost/resbuf_kind.h"

class QorComTest : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        zrxhost::setCommandLineSink([this](std::string_view t) { transcript += t; });
    }
    void TearDown() override
    {
        zrxhost::setCommandLineSink(nullptr);
        HostTest::TearDown();
    }

    void putStd(const std::string& file, const std::string& text) { install.putStd(file, text); }

    // A typed list or an xdata chain as "code:value" items, for comparing whole chains.
    static std::vector<std::string> items(const resbuf* rb)
    {
        std::vector<std::string> out;
        for (; rb != nullptr; rb = rb->rbnext) {
            std::string value;
            switch (zrxhost::rbValueKind(rb->restype)) {
            case zrxhost::RbValueKind::kString: value = rb->resval.rstring != nullptr ? rb->resval.rstring : "(null)"; break;
            case zrxhost::RbValueKind::kReal: value = std::to_string(rb->resval.rreal); break;
            case zrxhost::RbValueKind::kShort: value = std::to_string(rb->resval.rint); break;
            default: value = "?"; break;
            }
            out.push_back(std::to_string(rb->restype) + ":" + value);
        }
        return out;
    }
    // What a read of the entity answers with the definition, as items; the chain is freed.
    std::vector<std::string> read(ZcDbObjectId id, const char* app, const std::string& ent)
    {
        ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForRead);
        resbuf* list = QorComARX_Getxdata_List(e.object(), app, ent.c_str());
        std::vector<std::string> out = list != nullptr ? items(list) : std::vector<std::string>{"null"};
        zcutRelRb(list);
        return out;
    }
    // The entity's stored xdata of the application, 1001 group included.
    std::vector<std::string> stored(ZcDbObjectId id, const char* app)
    {
        ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForRead);
        resbuf* xd = e->xData(app);
        std::vector<std::string> out = items(xd);
        zcutRelRb(xd);
        return out;
    }
    // The command line since the last clear; the host drops a message's leading new line
    // when the line is already fresh, so that one is left out here.
    std::string said() const { return transcript.starts_with("\n") ? transcript.substr(1) : transcript; }
    ZcDbObjectId newLine() { return addToModelSpace(new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1000, 0, 0))); }

    SampleInstall install;
    const std::filesystem::path root = install.drive();  // the host folder that is C:
    std::string transcript;
};

// Frees a chain at the end of a scope.
struct Chain {
    explicit Chain(resbuf* r) : rb(r) {}
    ~Chain() { zcutRelRb(rb); }
    Chain(const Chain&) = delete;
    Chain& operator=(const Chain&) = delete;
    resbuf* rb;
};
