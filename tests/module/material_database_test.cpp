// The material database through unixODBC: the sample installation's system.mdb (an SQLite
// file behind the Access driver name, registered by the installation's odbcinst.ini, which
// serves the whole test process), the specific gravity of a material with its failures, and
// the typed column readers.
#include <cstdlib>
#include <cstdio>
#include <cstring>

#include "TrevanCom2002.h"
#include "install_fixture.h"
#include "support/editor_fixture.h"

namespace {

const char* const kOpenFailed = "\nデータベースのオープンに失敗しました.";
const char* const kConnect =
    "ODBC;DBQ=C:\\TREVAN\\SYSTEM\\QXPRO\\system.mdb;"
    "Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access;MaxBufferSize=2048;MaxScanRows=8;PageTimeout=5;SafeTransactions=0";
const char* const kDatabaseFile = "TREVAN/SYSTEM/QXPRO/system.mdb";

class MaterialDatabase : public EditorTest {
protected:
    void sql(std::initializer_list<const char*> statements)
    {
        CDatabase materials;
        ASSERT_TRUE(materials.OpenEx(kConnect, CDatabase::noOdbcDialog));
        for (const char* s : statements) materials.ExecuteSQL(s);
    }
    // A material database of the given MATERIAL table in place of the sample one.
    void replaceTable(const char* create)
    {
        install.put(kDatabaseFile, "");
        sql({create});
    }
    double gravity(const char* material) { return TrevanCom_GetMaterialGravity(CString(material)); }
    // The gravity, and what the call printed from a fresh line, so that its opening new line
    // shows.
    struct Answer {
        double gravity;
        std::string said;
    };
    Answer ask(const char* material)
    {
        transcript();
        zcutPrintf(">");
        double g = gravity(material);
        return {g, transcript().substr(1)};
    }
    // unixODBC takes its drivers once per process (support/odbc_drivers.cpp): with other
    // drivers the test asks in a process of its own (the test run again up to here), which
    // ends with 0 when the answer is the default with the opening message.
    void expectDefaultAndMessageWithDrivers(const std::string& odbcinst, const char* material)
    {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        EXPECT_EXIT(
            {
                install.put("../drivers/odbcinst.ini", odbcinst);
                ::setenv("ODBCSYSINI", install.at("../drivers").c_str(), 1);
                Answer a = ask(material);
                std::fprintf(stderr, "gravity %g, said \"%s\"\n", a.gravity, a.said.c_str());
                std::error_code ec;
                std::filesystem::remove_all(install.drive().parent_path(), ec);
                std::_Exit(a.gravity == 7.85 && a.said == kOpenFailed ? 0 : 1);
            },
            ::testing::ExitedWithCode(0), "");
    }

    SampleInstall install;
};

TEST_F(MaterialDatabase, TheSampleInstallationAnswersTheGravitiesOfHullMaterials)
{
    EXPECT_DOUBLE_EQ(gravity("AH36"), 7.85);
    EXPECT_DOUBLE_EQ(gravity("KA32"), 7.85);
    EXPECT_DOUBLE_EQ(gravity("SUS304"), 7.93);
    EXPECT_DOUBLE_EQ(gravity("SUS316L"), 7.98);
    EXPECT_DOUBLE_EQ(gravity("A5083"), 2.66);
    EXPECT_DOUBLE_EQ(gravity("A6061"), 2.70);
    EXPECT_EQ(transcript(), "");
}

TEST_F(MaterialDatabase, AnUnknownMaterialWeighsAsMildSteelWithoutAWord)
{
    EXPECT_DOUBLE_EQ(gravity("A7075"), 7.85);
    EXPECT_DOUBLE_EQ(gravity(""), 7.85);
    EXPECT_EQ(transcript(), "");
}

TEST_F(MaterialDatabase, AMaterialListedTwiceTakesItsLastRow)
{
    sql({"INSERT INTO MATERIAL VALUES ('SUS304', 8.03, 'second row')"});
    EXPECT_DOUBLE_EQ(gravity("SUS304"), 8.03);
}

TEST_F(MaterialDatabase, WholeNumberAndSingleGravitiesAreTakenAsTheirNumber)
{
    // Access's SHORT, LONG and SINGLE column types, declared in the SQLite file.
    replaceTable("CREATE TABLE MATERIAL (MATERIAL VARCHAR(20), GRAVITY SHORT)");
    sql({"INSERT INTO MATERIAL VALUES ('CAST', 7)"});
    EXPECT_DOUBLE_EQ(gravity("CAST"), 7.0);
    replaceTable("CREATE TABLE MATERIAL (MATERIAL VARCHAR(20), GRAVITY LONG)");
    sql({"INSERT INTO MATERIAL VALUES ('LEAD', 11)"});
    EXPECT_DOUBLE_EQ(gravity("LEAD"), 11.0);
    replaceTable("CREATE TABLE MATERIAL (MATERIAL VARCHAR(20), GRAVITY SINGLE)");
    sql({"INSERT INTO MATERIAL VALUES ('A5083', 2.66)"});
    EXPECT_DOUBLE_EQ(gravity("A5083"), static_cast<double>(2.66f));
    EXPECT_EQ(transcript(), "");
}

TEST_F(MaterialDatabase, AnEmptyOrTextGravityWeighsNothing)
{
    replaceTable("CREATE TABLE MATERIAL (MATERIAL VARCHAR(20), GRAVITY DOUBLE, NOTE VARCHAR(20))");
    sql({"INSERT INTO MATERIAL VALUES ('FOAM', NULL, NULL)"});
    EXPECT_DOUBLE_EQ(gravity("FOAM"), 0.0);
    replaceTable("CREATE TABLE MATERIAL (MATERIAL VARCHAR(20), GRAVITY VARCHAR(10))");
    sql({"INSERT INTO MATERIAL VALUES ('WOOD', 'light')"});
    EXPECT_DOUBLE_EQ(gravity("WOOD"), 0.0);
    EXPECT_EQ(transcript(), "");
}

TEST_F(MaterialDatabase, AQuoteInTheNameBreaksTheQuery)
{
    Answer a = ask("O'NEIL");
    EXPECT_DOUBLE_EQ(a.gravity, 7.85);
    EXPECT_EQ(a.said, kOpenFailed);
}

TEST_F(MaterialDatabase, AMissingDatabaseIsReportedAndNotMade)
{
    std::filesystem::remove(install.at(kDatabaseFile));
    Answer a = ask("AH36");
    EXPECT_DOUBLE_EQ(a.gravity, 7.85);
    EXPECT_EQ(a.said, kOpenFailed);
    EXPECT_FALSE(std::filesystem::exists(install.at(kDatabaseFile)));
}

TEST_F(MaterialDatabase, ADatabaseWithoutTheTableIsReported)
{
    replaceTable("CREATE TABLE GRADE (NAME VARCHAR(20))");
    Answer a = ask("AH36");
    EXPECT_DOUBLE_EQ(a.gravity, 7.85);
    EXPECT_EQ(a.said, kOpenFailed);
}

TEST_F(MaterialDatabase, AFileThatIsNoDatabaseIsReported)
{
    install.put(kDatabaseFile, std::string(4096, 'x'));
    Answer a = ask("AH36");
    EXPECT_DOUBLE_EQ(a.gravity, 7.85);
    EXPECT_EQ(a.said, kOpenFailed);
}

TEST_F(MaterialDatabase, AMissingDriverIsReported)
{
    expectDefaultAndMessageWithDrivers("[Microsoft Access Driver (*.mdb)]\nDriver=/nonexistent/libaccess.so\n", "SUS316L");
    expectDefaultAndMessageWithDrivers("[SQLite3]\nDriver=libsqlite3odbc.so\n", "SUS316L");
}

TEST_F(MaterialDatabase, WithoutTheSystemFolderTheDefaultComesSilently)
{
    install.forgetFolders();
    EXPECT_DOUBLE_EQ(gravity("SUS316L"), 7.85);
    EXPECT_EQ(transcript(), "");
}

// The readers, on one row holding every kind (Access's type names where SQLite has none).
class RecordSetValues : public MaterialDatabase {
protected:
    void SetUp() override
    {
        MaterialDatabase::SetUp();
        replaceTable(
            "CREATE TABLE MATERIAL (MATERIAL CHAR(8), RANK SHORT, CODE LONG, RATIO SINGLE, GRAVITY DOUBLE, "
            "GRADE BYTE, WELDED YESNO, TESTED DATE, NOTE VARCHAR(20), BLANK DOUBLE)");
        sql({"INSERT INTO MATERIAL VALUES ('AH36    ', -3, 360000, 0.5, 7.85, 200, 1, '2024-05-01', '  ', NULL)"});
        ASSERT_TRUE(m_db.OpenEx(kConnect, CDatabase::noOdbcDialog));
        ASSERT_TRUE(m_rs.Open(CRecordset::snapshot, "select * from MATERIAL", CRecordset::readOnly));
    }

    CDatabase m_db;
    CRecordset m_rs{&m_db};
};

TEST_F(RecordSetValues, TextIsTrimmedOnlyWhenAskedAndNullIsNoText)
{
    CString text;
    ASSERT_TRUE(TrevanComARX_DataGetValue(m_rs, "MATERIAL", text, false, false));
    EXPECT_EQ(text, "AH36    ");
    ASSERT_TRUE(TrevanComARX_DataGetValue(m_rs, "MATERIAL", text, true, true));
    EXPECT_EQ(text, "AH36");
    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    ASSERT_TRUE(TrevanComARX_DataGetValue(m_rs, "MATERIAL", buffer, false, true));
    EXPECT_STREQ(buffer, "AH36");
    ASSERT_TRUE(TrevanComARX_DataGetValue(m_rs, "NOTE", text, false, true));
    EXPECT_EQ(text, "");
    // A number read as text is written as the record set writes it.
    ASSERT_TRUE(TrevanComARX_DataGetValue(m_rs, "CODE", text, false, false));
    EXPECT_EQ(text, "360000");
    EXPECT_FALSE(TrevanComARX_DataGetValue(m_rs, "BLANK", text, false, true));
    EXPECT_EQ(text, "");
    EXPECT_FALSE(TrevanComARX_DataGetValue(m_rs, "BLANK", buffer, false, true));
    EXPECT_STREQ(buffer, "");
}

TEST_F(RecordSetValues, EachNumberReaderTakesTheKindsItKnows)
{
    struct Expected {
        const char* column;
        bool intRead;
        int i;
        bool longRead;
        long l;
        bool doubleRead;
        double d;
    };
    const Expected kinds[] = {
        {"RANK", true, -3, true, -3, true, -3.0},                // SHORT
        {"CODE", true, 360000, true, 360000, true, 360000.0},    // LONG, beyond 16 bits
        {"RATIO", true, 0, false, 0, true, 0.5},                 // SINGLE
        {"GRAVITY", true, 7, false, 0, true, 7.85},              // DOUBLE
        {"GRADE", true, 200, false, 0, false, 0},                // UCHAR
        {"WELDED", true, 1, false, 0, false, 0},                 // BOOL
        {"TESTED", true, 0, false, 0, false, 0},                 // DATE
        {"MATERIAL", true, 0, false, 0, false, 0},               // STRING
        {"BLANK", false, 0, false, 0, false, 0},                 // NULL
    };
    for (const Expected& e : kinds) {
        int i = 9;
        long l = 9;
        double d = 9;
        EXPECT_EQ(TrevanComARX_DataGetValue(m_rs, e.column, i, false), e.intRead) << e.column;
        EXPECT_EQ(TrevanComARX_DataGetValue(m_rs, e.column, l, false), e.longRead) << e.column;
        EXPECT_EQ(TrevanComARX_DataGetValue(m_rs, e.column, d, false), e.doubleRead) << e.column;
        EXPECT_EQ(i, e.i) << e.column;
        EXPECT_EQ(l, e.l) << e.column;
        EXPECT_EQ(d, e.d) << e.column;
    }
}

TEST_F(RecordSetValues, AnUnknownColumnReachesTheCaller)
{
    double d = 1;
    bool thrown = false;
    try {
        TrevanComARX_DataGetValue(m_rs, "DENSITY", d, false);
    } catch (CDBException* e) {
        thrown = e->m_nRetCode == AFX_SQL_ERROR_FIELD_NOT_FOUND;
        e->Delete();
    }
    EXPECT_TRUE(thrown);
    EXPECT_EQ(d, 0.0);
}

TEST_F(RecordSetValues, TheKindMessageNamesLevelColumnAndKind)
{
    TrevanComARX_DataValueErrMsg(3, "GRAVITY", DBVT_STRING);
    TrevanComARX_DataValueErrMsg(1, "RANK", DBVT_SHORT);
    TrevanComARX_DataValueErrMsg(2, "TESTED", DBVT_DATE);
    TrevanComARX_DataValueErrMsg(0, "NOTE", DBVT_NULL);
    TrevanComARX_DataValueErrMsg(4, "BLOB", 10);
    EXPECT_EQ(transcript(),
              "[MessageBox] Error:GRAVITYのタイプはDBVT_STRINGです。\n"
              "[MessageBox] Info:RANKのタイプはDBVT_SHORTです。\n"
              "[MessageBox] Warning:TESTEDのタイプはDBVT_DATEです。\n"
              "[MessageBox] NOTEのタイプはDBVT_NULLです。\n"
              "[MessageBox] BLOBのタイプは\n");
}

}  // namespace
