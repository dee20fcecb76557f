// Definition files as a user's installation may really hold them, broken in every way the
// fuzzer knows: a write either stores what a read with the same file gives back, or leaves
// the entity as it was; a read gives a list of the three list types or nothing.
#include "file_mutator.h"
#include "qorcom_fixture.h"

namespace {

class EntFileFuzz : public QorComTest {};

TEST_F(EntFileFuzz, EveryMutantOfTheStiffenerDefinitionGivesACleanAnswer)
{
    const std::string path = stdFile("fuzz.ent");
    const std::string original = install.bytesOf("TREVAN/SYSTEM/STD/stiff.ent");
    regApp("SSS_FUZZ");
    const ZcDbObjectId id = newLine();
    Chain record(zcutBuildList(RTSTR, "STIFF", RTSTR, "LONG_A", RTSTR, "L-150x90x9", RTSTR, "A150909", RTREAL, 150.0,
                               RTREAL, 9.0, RTREAL, 90.0, RTREAL, 9.0, RTREAL, 12.0, RTREAL, 6.0, RTSTR, "S", RTSTR, "S",
                               RTSTR, "R,R", RTSTR, "", RTSTR, " ,0.0000", RTSHORT, 1, RTSHORT, 2, RTREAL, 0.0,
                               RTREAL, 0.0, RTSTR, "AH36", RTREAL, 18.5, RTSTR, "", RTSTR, "", RTSHORT, 0, RTSHORT, 0,
                               RTREAL, 0.0, RTREAL, 0.0, 0));
    FileMutator mutants(original);
    int written = 0;
    for (int i = 0; i < 1000; ++i) {
        const std::string text = mutants.next();
        putStd("fuzz.ent", text);
        const std::vector<std::string> held = stored(id, "SSS_FUZZ");
        if (QorComARX_Setxdata_List(id, "SSS_FUZZ", record.rb, path.c_str())) {
            ++written;
            ASSERT_EQ(read(id, "SSS_FUZZ", path), items(record.rb)) << "mutant " << i;
        } else {
            ASSERT_EQ(stored(id, "SSS_FUZZ"), held) << "mutant " << i;
        }
        ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForRead);
        Chain list(QorComARX_Getxdata_List(e.object(), "SSS_FUZZ", path.c_str()));
        for (const resbuf* rb = list.rb; rb != nullptr; rb = rb->rbnext)
            ASSERT_TRUE(rb->restype == RTSTR || rb->restype == RTREAL || rb->restype == RTSHORT) << "mutant " << i;
    }
    // Some mutants leave the layout readable: the fuzzer reached the writer's success path.
    EXPECT_GT(written, 0);
}

}  // namespace
