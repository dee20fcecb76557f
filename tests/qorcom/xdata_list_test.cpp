// Typed lists written through a definition file and read back: unchanged by either write
// form, stored as plain groups, and read only when the stored values fit the definition, so
// callers fall back to an older layout.
#include "qorcom_fixture.h"

namespace {

const std::vector<std::string> kNull{"null"};

class XdataList : public QorComTest {
protected:
    void SetUp() override
    {
        QorComTest::SetUp();
        regApp("STIFF");
        line = newLine();
    }
    // Writes the list as the application's xdata through the definition file.
    bool write(resbuf* list, const char* ent, const char* app = "STIFF")
    {
        Chain c(list);
        return QorComARX_Setxdata_List(line, app, c.rb, stdFile(ent).c_str());
    }
    // A list of the kinds given by letters: s string, r real, i integer.
    static resbuf* listOf(const std::string& kinds)
    {
        resbuf* head = nullptr;
        resbuf** tail = &head;
        for (size_t n = 1; n <= kinds.size(); ++n) {
            const char k = kinds[n - 1];
            *tail = k == 's' ? zcutBuildList(RTSTR, ("値" + std::to_string(n)).c_str(), 0)
                  : k == 'r' ? zcutBuildList(RTREAL, n + 0.25, 0)
                             : zcutBuildList(RTSHORT, -static_cast<int>(n), 0);
            tail = &(*tail)->rbnext;
        }
        return head;
    }
    ZcDbObjectId line;
};

TEST_F(XdataList, EveryShippedDefinitionReadsBackItsOwnRecordsListOnly)
{
    const std::pair<const char*, const char*> records[] = {
        {"stiff.ent", "ssssrrrrrrsssssiirrsrssiirr"}, {"STIFF.OLD1", "ssssrrrrrrsssssiirr"},
        {"LONG.ENT", "ssrrrrrrisssirrrrssiirr"},     {"LONG.OLD1", "ssrrrrrrisssiirr"},
        {"ring.ent", "ssssrrrssssiirr"},             {"UDECKSECTION.ent", "sssrrssiirr"},
        {"SLANTPLATE.ent", "srrssssiirr"},
    };
    for (const auto& [file, kinds] : records) {
        SCOPED_TRACE(file);
        Chain list(listOf(kinds));
        ASSERT_TRUE(QorComARX_Setxdata_List(line, "STIFF", list.rb, stdFile(file).c_str()));
        EXPECT_EQ(read(line, "STIFF", stdFile(file)), items(list.rb));
        // Every other definition reads nothing; one item short is another layout.
        for (const auto& [other, otherKinds] : records) {
            if (other != file) {
                EXPECT_EQ(read(line, "STIFF", stdFile(other)), kNull) << other;
            }
        }
        EXPECT_FALSE(write(listOf(std::string(kinds).substr(1)), file));
    }
}

TEST_F(XdataList, TheStiffenerListComesBackWhole)
{
    // Japanese text, both ends of 16 bits and extreme reals; a read open is upgraded, as
    // the module hands over entities it only read so far.
    Chain list(zcutBuildList(RTSTR, "STIFF", RTSTR, "STIFF_L", RTSTR, "縦通材 L-12", RTSTR, "L150x90x9", RTREAL, 150.0,
                             RTREAL, 9.0, RTREAL, 90.0, RTREAL, 9.0, RTREAL, 12.0, RTREAL, 6.0, RTSTR, "スニップ", RTSTR,
                             "ラグ", RTSTR, "L,R", RTSTR, "", RTSTR, "予備", RTSHORT, 4464, RTSHORT, -1, RTREAL, 0.5,
                             RTREAL, -2.25, RTSTR, "SS400 軟鋼", RTREAL, 16.9, RTSTR, "", RTSTR, "新予備", RTSHORT,
                             32767, RTSHORT, -32768, RTREAL, 1e-9, RTREAL, 1e9, 0));
    {
        ZcDbObjectPointer<ZcDbEntity> e(line, ZcDb::kForRead);
        ASSERT_TRUE(QorComARX_Setxdata_List_NewVer(e.object(), "STIFF", list.rb, stdFile("stiff.ent").c_str()));
    }
    EXPECT_EQ(read(line, "STIFF", stdFile("stiff.ent")), items(list.rb));
}

TEST_F(XdataList, StoredAsPlainGroupsReplacingTheOldValuesAndKeepingOtherApplications)
{
    regApp("OTHER");
    {
        ZcDbObjectPointer<ZcDbEntity> e(line, ZcDb::kForWrite);
        Chain other(zcutBuildList(1001, "OTHER", 1000, "kept", 0));
        e->setXData(other.rb);
    }
    ASSERT_TRUE(write(listOf("ssssrrrrrrsssssiirrsrssiirr"), "stiff.ent"));
    ASSERT_TRUE(write(listOf("ssssrrrssssiirr"), "ring.ent"));
    std::vector<std::string> xd = stored(line, "STIFF");
    ASSERT_EQ(xd.size(), 16u);
    EXPECT_EQ(xd[0] + " " + xd[4] + " " + xd[5] + " " + xd[13], "1001:STIFF 1000:値4 1040:5.250000 1070:-13");
    EXPECT_EQ(stored(line, "OTHER"), (std::vector<std::string>{"1001:OTHER", "1000:kept"}));
    // An application the drawing lacks is registered where the entity lives.
    ASSERT_TRUE(write(listOf("ssssrrrssssiirr"), "ring.ent", "STIFF_COPY"));
    EXPECT_EQ(zcdbRegApp("STIFF_COPY"), RTERROR);
}

TEST_F(XdataList, AnotherTypeAtOnePositionOrNoXdataReadsNull)
{
    ASSERT_TRUE(write(listOf("ssssrrrrrrsssssiirrsrssiirr"), "stiff.ent"));
    {
        // Item 5 (web width) stored as a string: the right count, the wrong type.
        ZcDbObjectPointer<ZcDbEntity> e(line, ZcDb::kForWrite);
        resbuf* xd = e->xData("STIFF");
        resbuf* fifth = xd;
        for (int i = 0; i < 5; ++i) fifth = fifth->rbnext;
        ASSERT_EQ(fifth->restype, 1040);
        fifth->restype = 1000;
        fifth->resval.rstring = nullptr;
        zcutNewString("150", fifth->resval.rstring);
        ASSERT_EQ(e->setXData(xd), Zcad::eOk);
        zcutRelRb(xd);
    }
    EXPECT_EQ(read(line, "STIFF", stdFile("stiff.ent")), kNull);
    EXPECT_EQ(read(newLine(), "STIFF", stdFile("stiff.ent")), kNull);
}

TEST_F(XdataList, TheOldLongitudinalLayoutTakesItsReserveAsIntegerOrReal)
{
    for (const char* kinds : {"ssrrrrrrisssiirr", "ssrrrrrrisssirrr"}) {
        Chain list(listOf(kinds));
        ASSERT_TRUE(QorComARX_Setxdata_List(line, "STIFF", list.rb, stdFile("LONG.OLD1").c_str())) << kinds;
        EXPECT_EQ(read(line, "STIFF", stdFile("long.old1")), items(list.rb));
        // Sixteen items never fit the current layout, whichever type item 14 has.
        EXPECT_EQ(read(line, "STIFF", stdFile("LONG.ENT")), kNull);
    }
}

}  // namespace
